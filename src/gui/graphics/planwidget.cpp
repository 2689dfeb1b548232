#include "gui/graphics/planwidget.h"

#include "gui/graphics/planpainter.h"

#include <QMouseEvent>
#include <QPainter>

namespace kora::gui {

PlanWidget::PlanWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void PlanWidget::setDrawing(PlanDrawing drawing) {
    m_drawing = std::move(drawing);
    update();
}

void PlanWidget::clear() {
    m_drawing = PlanDrawing{};
    update();
}

void PlanWidget::setFramed(bool framed) {
    m_framed = framed;
    update();
}

void PlanWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PlanPainter(m_drawing, font()).paint(painter, QRectF(rect()));
    if (m_framed) {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PlanWidget::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button());
    QWidget::mousePressEvent(event);
}

} // namespace kora::gui
