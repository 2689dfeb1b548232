#include "gui/app/picturebox.h"

#include <QPainter>

namespace kora::gui {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent), m_renderer(QStringLiteral(":/picture/longwall.svg")) {
    setObjectName(QStringLiteral("Picture1"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(160, 105);
}

QSize PictureBox::sizeHint() const {
    return m_renderer.defaultSize();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (!m_renderer.isValid()) return;
    QSizeF natural = m_renderer.defaultSize();
    QSizeF room = QSizeF(size()) * 0.92;
    QSizeF drawn = natural;
    if (drawn.width() > room.width() || drawn.height() > room.height())
        drawn = natural.scaled(room, Qt::KeepAspectRatio);
    QRectF target(QPointF(0, 0), drawn);
    target.moveCenter(QRectF(rect()).center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer.render(&painter, target);
}

} // namespace kora::gui
