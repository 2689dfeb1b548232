#pragma once

#include <QSvgRenderer>
#include <QWidget>

namespace kora::gui {

// The main window's picture: a plan view of a longwall panel between its headgate and tailgate
// entry systems, drawn centred in whatever room the window leaves, never larger than its natural
// size.
class PictureBox : public QWidget {
public:
    explicit PictureBox(QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer m_renderer;
};

} // namespace kora::gui
