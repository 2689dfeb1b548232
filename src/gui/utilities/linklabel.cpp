#include "gui/utilities/linklabel.h"

#include <QMouseEvent>

namespace kora::gui {

namespace {

const QColor kLinkColour(0, 0, 192);
const QColor kHoverColour(192, 0, 0);

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setFocusPolicy(Qt::NoFocus);
    setHighlighted(false);
}

void LinkLabel::setHighlighted(bool on) {
    m_highlighted = on;
    QPalette p = palette();
    p.setColor(QPalette::WindowText, on ? kHoverColour : kLinkColour);
    setPalette(p);
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    setHighlighted(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    m_pressed = false;
    setHighlighted(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        setHighlighted(true);
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = m_pressed;
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (wasPressed && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace kora::gui
