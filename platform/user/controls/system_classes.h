// The window classes the layer itself provides (Button, Edit, Static, the message box's own).
#pragma once

namespace layer::user {

// Registers every class the layer provides; the class table calls it once, the first time a
// class is looked up, so that they exist before the program creates its first control.
void RegisterSystemClasses();

}  // namespace layer::user
