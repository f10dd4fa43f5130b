// The window classes the message box is made of: Button, Static and the box's own class.
#pragma once

namespace layer::user {

// Registers "Button", "Static" and the message box's window class; called once from the list of
// the layer's own classes.
void RegisterMessageBoxClasses();

// The class name of the box window itself, the name system dialogs have.
inline constexpr char kMessageBoxClassName[] = "#32770";

}  // namespace layer::user
