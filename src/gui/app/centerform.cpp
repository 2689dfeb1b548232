#include "gui/app/centerform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kora::gui {

void CenterForm(QWidget& window) {
    QScreen* screen = window.screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect area = screen->availableGeometry();
    QRect frame = window.frameGeometry();
    frame.moveCenter(area.center());
    window.move(frame.topLeft());
}

} // namespace kora::gui
