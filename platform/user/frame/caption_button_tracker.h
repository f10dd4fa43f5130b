// Tracks a press on a caption button: the box looks pressed while the pointer is on it and the
// button is held, and releasing it there carries out the button's command.
#pragma once

#include "platform/user/frame/caption_buttons.h"

namespace layer::user {

// Runs the nested loop of a press on a caption button and returns true when the button was
// released on the box (the caller then sends the command). A disabled box is not pressed.
bool TrackCaptionButton(HWND window, CaptionButton button);

}  // namespace layer::user
