#include "gui/utilities/helpsystem.h"

#include "gui/utilities/frmhelp.h"

#include <QApplication>

namespace kora::gui {

HelpSystem::HelpSystem(DialogService* dialogs) : m_dialogs(dialogs) {}

HelpSystem::~HelpSystem() {
    CloseHelp();
}

frmHelp* HelpSystem::window() const {
    return m_window.data();
}

frmHelp& HelpSystem::openWindow() {
    // Help has no owner window of its own. While a modal dialog runs, every other window is
    // blocked, so the help window then joins that dialog as a child window, and closes with it.
    QWidget* modal = QApplication::activeModalWidget();
    if (m_window && m_window->parentWidget() != modal && m_window != modal) {
        const QRect geometry = m_window->geometry();
        m_window->setParent(modal, Qt::Window);
        m_window->setGeometry(geometry);
    }
    if (!m_window) {
        m_window = new frmHelp(m_dialogs, modal);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
    return *m_window;
}

void HelpSystem::ShowHelpContents() {
    openWindow().showContents();
}
void HelpSystem::ShowHelpIndex() {
    openWindow().showIndex();
}
void HelpSystem::ShowHelpTopic(int helpContext) {
    openWindow().showTopic(helpContext);
}

void HelpSystem::CloseHelp() {
    if (m_window) delete m_window.data();
}

} // namespace kora::gui
