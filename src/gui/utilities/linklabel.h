#pragma once

#include <QLabel>

namespace kora::gui {

// A label that behaves as a web link: a pointing-hand cursor, and a highlighted look (another
// colour and an underline) while the pointer is over it or a button is held on it. The look
// returns as soon as the pointer leaves. A click that is released over the label emits clicked().
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text = {}, QWidget* parent = nullptr);

    bool isHighlighted() const { return m_highlighted; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setHighlighted(bool on);

    bool m_highlighted = false;
    bool m_pressed = false;
};

} // namespace kora::gui
