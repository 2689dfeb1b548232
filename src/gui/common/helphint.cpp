#include "gui/common/helphint.h"

#include "core/base/messenger.h"

namespace kora::gui {

int ShowHelpHint(Messenger& messenger) {
    return messenger.ShowMessage(
        "Position the cursor on any item on the form and press F1 for context-sensitive Help",
        mb::Exclamation, "Help");
}

} // namespace kora::gui
