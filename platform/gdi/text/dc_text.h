// What text output needs from a DC: the realised font selected into it and the conversion from
// logical to surface coordinates.
#pragma once

#include <memory>

#include "platform/api/types.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/text/realized_font.h"

namespace layer::text {

// The realised font of the DC's selected font; a DC without a usable font draws with the
// default GUI font's look (12-pixel em of the default face).
std::shared_ptr<const RealizedFont> SelectedFont(const gdi::DeviceContext& dc);

// The live DC behind a handle, or null after SetLastError(ERROR_INVALID_HANDLE).
gdi::DeviceContext* TextDC(HDC dc);

}  // namespace layer::text
