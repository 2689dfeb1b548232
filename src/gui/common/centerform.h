#pragma once

class QWidget;

namespace kora::gui {

// Centres a window on the screen it is on (or the primary screen) when it opens; every window of
// the program except the main window's own placement goes through it.
void CenterForm(QWidget& window);

} // namespace kora::gui
