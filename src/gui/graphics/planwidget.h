#pragma once

#include "core/graphics/plandrawing.h"

#include <QWidget>

namespace kora::gui {

// A drawing area that shows one plan drawing: the picture boxes of the parameters dialog and the
// client area of the plan window. Texts use the widget's own font.
class PlanWidget : public QWidget {
    Q_OBJECT
public:
    explicit PlanWidget(QWidget* parent = nullptr);

    void setDrawing(PlanDrawing drawing);
    const PlanDrawing& drawing() const { return m_drawing; }

    // Removes the drawing; the area shows white.
    void clear();

    // A thin border around the area, for a picture box inside a dialog.
    void setFramed(bool framed);

signals:
    void mousePressed(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    PlanDrawing m_drawing;
    bool m_framed = false;
};

} // namespace kora::gui
