// What tests ask of the window side of the layer.
#pragma once

#include <cstddef>

namespace layer::user {

// Windows alive now.
size_t LiveWindowCount();
// The next CreateWindowExA of this class (compared without regard to case) fails, as if the
// system had run out of resources; later creations succeed again.
void FailNextCreation(const char* className);

}  // namespace layer::user
