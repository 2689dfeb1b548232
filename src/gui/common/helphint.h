#pragma once

namespace kora {
class Messenger;
}

namespace kora::gui {

// The Help button of every dialog and child window: tells the user to point at an item and
// press F1.
int ShowHelpHint(Messenger& messenger);

} // namespace kora::gui
