#pragma once

#include <QPointer>
#include <QWidget>

namespace kora::gui {

// A child window of the program: a top-level window kept above its owner, which stays disabled
// from the moment the window opens until it closes. It is centred on the screen when shown and
// deletes itself when closed.
class OwnedWindow : public QWidget {
public:
    explicit OwnedWindow(QWidget* owner);
    ~OwnedWindow() override;

    // Shows the window, disables the owner and centres the window.
    void open();

    QWidget* owner() const { return m_owner; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void releaseOwner();

    QPointer<QWidget> m_owner;
    bool m_ownerDisabled = false;
};

} // namespace kora::gui
