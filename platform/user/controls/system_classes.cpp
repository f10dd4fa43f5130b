// The list of the layer's own window classes: Edit, and Button, Static and the message box's
// own class.
#include "platform/user/controls/system_classes.h"

#include "platform/user/controls/edit/edit_class.h"
#include "platform/user/controls/message_box/message_box_classes.h"

namespace layer::user {

void RegisterSystemClasses() {
    edit::RegisterEditClass();
    RegisterMessageBoxClasses();
}

}  // namespace layer::user
