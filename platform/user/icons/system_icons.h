// The system's own icons (application, error, question, warning, information), drawn by code at
// any size so that they look the same on every host.
#pragma once

#include <optional>

#include "platform/api/types.h"
#include "platform/user/icons/icon_table.h"

namespace layer::user {

// The artwork of a system icon (IDI_APPLICATION ... IDI_WINLOGO) at size x size pixels, or
// nothing when the id names no system icon.
std::optional<IconImage> DrawSystemIcon(WORD id, int size);

}  // namespace layer::user
