#include "gui/common/guimessenger.h"

#include "gui/common/dialogservice.h"

#include "core/report/history.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace kora::gui {

GuiMessenger::GuiMessenger(History& history, DialogService& dialogs)
    : m_history(history), m_dialogs(dialogs) {}

void GuiMessenger::setPane(QPlainTextEdit* pane) {
    m_pane = pane;
    refreshPane();
}

void GuiMessenger::setMainWindow(QWidget* window) {
    m_mainWindow = window;
}

void GuiMessenger::AddHistory(const std::string& text) {
    m_history.AddHistory(text);
    refreshPane();
}

void GuiMessenger::clearHistory() {
    m_history.clear();
    refreshPane();
}

void GuiMessenger::refreshPane() {
    if (!m_pane) return;
    QString text = QString::fromStdString(m_history.text());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    m_pane->setPlainText(text);
    QScrollBar* bar = m_pane->verticalScrollBar();
    bar->setValue(bar->maximum());
}

int GuiMessenger::showBox(const std::string& text, int style, const std::string& title) {
    QWidget* parent = QApplication::activeModalWidget();
    if (parent == nullptr) parent = QApplication::activeWindow();
    if (parent == nullptr) parent = m_mainWindow;
    // A question asked in the middle of a long step shows the ordinary pointer.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy) QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int answer = m_dialogs.message(parent, QString::fromStdString(text), style,
                                         QString::fromStdString(title));
    if (busy) QApplication::restoreOverrideCursor();
    return answer;
}

} // namespace kora::gui
