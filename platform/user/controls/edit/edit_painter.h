// Painting an edit control's client area: the background and text in the colours its parent
// answers to the colour query, and the selection in the highlight colours.
#pragma once

#include "platform/win32.h"

namespace layer::user::edit {

class EditControl;

// Paints the part of the client area inside `update` (client coordinates) into the DC.
void PaintEditClient(const EditControl& control, HDC dc, const RECT& update);

}  // namespace layer::user::edit
