#include "gui/common/ownedwindow.h"

#include "gui/common/centerform.h"

#include <QCloseEvent>
#include <QWindow>

namespace kora::gui {

OwnedWindow::OwnedWindow(QWidget* owner) : QWidget(nullptr, Qt::Window), m_owner(owner) {
    // Not a Qt child of the owner: a disabled parent would disable this window as well.
    setAttribute(Qt::WA_DeleteOnClose);
}

OwnedWindow::~OwnedWindow() {
    releaseOwner();
}

void OwnedWindow::open() {
    if (m_owner != nullptr) {
        m_owner->setEnabled(false);
        m_ownerDisabled = true;
    }
    winId(); // creates the native window so it can be made transient for its owner
    if (m_owner != nullptr && m_owner->window()->windowHandle() != nullptr && windowHandle())
        windowHandle()->setTransientParent(m_owner->window()->windowHandle());
    CenterForm(*this);
    show();
    raise();
    activateWindow();
}

void OwnedWindow::closeEvent(QCloseEvent* event) {
    releaseOwner();
    QWidget::closeEvent(event);
}

void OwnedWindow::releaseOwner() {
    if (m_ownerDisabled && m_owner != nullptr) m_owner->setEnabled(true);
    m_ownerDisabled = false;
}

} // namespace kora::gui
