#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace kora::gui {

class DialogService;

// The manual's viewer: a browser over the compiled-in HTML pages with Back, Forward, Home,
// Contents and Index. Links to other pages of the manual stay in the window; links to the web
// or to files go to the desktop through the dialog service.
class frmHelp : public QWidget {
    Q_OBJECT
public:
    explicit frmHelp(DialogService* dialogs = nullptr, QWidget* parent = nullptr);

    void showContents();
    void showIndex();
    void showHome();
    // The topic of a help context number; the contents page for an unknown number.
    void showTopic(int helpContext);
    void showUrl(const QUrl& url);

    QUrl currentUrl() const;
    QTextBrowser* browser() const { return m_browser; }

private:
    void followLink(const QUrl& link);
    void updateButtons();

    DialogService* m_dialogs;
    QTextBrowser* m_browser;
    QToolButton* m_back;
    QToolButton* m_forward;
};

} // namespace kora::gui
