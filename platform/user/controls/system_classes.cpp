// The list of the layer's own window classes. Each control adds its registration function here.
#include "platform/user/controls/system_classes.h"
#include "platform/user/controls/edit/edit_class.h"
#include "platform/user/controls/message_box/message_box_classes.h"

namespace layer::user {

void RegisterSystemClasses() {
    using Registration = void (*)();
    static constexpr Registration kRegistrations[] = {
        edit::RegisterEditClass,
        RegisterMessageBoxClasses,
        nullptr,  // keeps the list non-empty while controls are added; skipped below
    };
    for (Registration registration : kRegistrations) {
        if (registration != nullptr) {
            registration();
        }
    }
}

}  // namespace layer::user
