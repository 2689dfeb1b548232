#include "gui/common/centerform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kora::gui {

void CenterForm(QWidget& window) {
    QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    // A window about to open takes the size it will open with, so that it is its centre that
    // lands on the screen's centre.
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Resized)) window.adjustSize();
    const QRect area = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(frame.topLeft());
}

} // namespace kora::gui
