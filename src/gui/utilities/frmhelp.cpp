#include "gui/utilities/frmhelp.h"

#include "core/base/messenger.h"
#include "gui/common/dialogservice.h"
#include "gui/utilities/helptopics.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace kora::gui {

namespace {

QToolButton* makeButton(QWidget* parent, const char* name, const QString& text,
                        QStyle::StandardPixmap icon) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

bool isManualLink(const QUrl& url) {
    return url.isRelative() || url.scheme() == QLatin1String("qrc");
}

} // namespace

frmHelp::frmHelp(DialogService* dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_dialogs(dialogs) {
    InitHelpResources();
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("KORA Help"));

    m_back = makeButton(this, "cmdBack", tr("&Back"), QStyle::SP_ArrowBack);
    m_forward = makeButton(this, "cmdForward", tr("&Forward"), QStyle::SP_ArrowForward);
    auto* home = makeButton(this, "cmdHome", tr("&Home"), QStyle::SP_DirHomeIcon);
    auto* contents =
        makeButton(this, "cmdContents", tr("&Contents"), QStyle::SP_FileDialogListView);
    auto* index = makeButton(this, "cmdIndex", tr("&Index"), QStyle::SP_FileDialogContentsView);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("txtHelp"));
    m_browser->setOpenLinks(false);
    m_browser->setOpenExternalLinks(false);
    m_browser->document()->setDefaultStyleSheet(HelpStyleSheet());
    m_browser->document()->setDocumentMargin(10);
    m_browser->setSearchPaths({QStringLiteral(":/help")});

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 0);
    bar->setSpacing(2);
    for (QToolButton* b : {m_back, m_forward, home, contents, index}) bar->addWidget(b);
    bar->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(home, &QToolButton::clicked, this, &frmHelp::showHome);
    connect(contents, &QToolButton::clicked, this, &frmHelp::showContents);
    connect(index, &QToolButton::clicked, this, &frmHelp::showIndex);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &frmHelp::followLink);
    connect(m_browser, &QTextBrowser::historyChanged, this, &frmHelp::updateButtons);

    // A comfortable reading size: about two thirds of the screen, centred on it.
    QSize size(760, 620);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        size = size.boundedTo(area.size() * 0.9);
        resize(size);
        move(area.center() - rect().center());
    } else {
        resize(size);
    }
    updateButtons();
}

void frmHelp::showContents() {
    showUrl(HelpContentsUrl());
}
void frmHelp::showIndex() {
    showUrl(HelpIndexUrl());
}
void frmHelp::showHome() {
    showUrl(HelpHomeUrl());
}
void frmHelp::showTopic(int helpContext) {
    showUrl(HelpTopicUrl(helpContext));
}

void frmHelp::showUrl(const QUrl& url) {
    m_browser->setSource(url);
    updateButtons();
}

QUrl frmHelp::currentUrl() const {
    return m_browser->source();
}

void frmHelp::followLink(const QUrl& link) {
    if (isManualLink(link)) {
        showUrl(m_browser->source().resolved(link));
        return;
    }
    if (m_dialogs && !m_dialogs->openUrl(link))
        m_dialogs->message(this, QStringLiteral("Operation Failed"), mb::OK, QString());
}

void frmHelp::updateButtons() {
    m_back->setEnabled(m_browser->isBackwardAvailable());
    m_forward->setEnabled(m_browser->isForwardAvailable());
}

} // namespace kora::gui
