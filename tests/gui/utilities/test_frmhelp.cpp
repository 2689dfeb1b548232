#include "gui/utilities/frmhelp.h"
#include "gui/utilities/helpsystem.h"
#include "gui/utilities/helptopics.h"
#include "scripteddialogservice.h"

#include <QApplication>
#include <QDialog>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace kora::gui {
namespace {

QString pageOf(const frmHelp& window) {
    return window.currentUrl().fileName();
}

QString shownText(const frmHelp& window) {
    return window.browser()->toPlainText();
}

TEST(HelpSystem, OpensContentsAndIndex) {
    HelpSystem help;
    EXPECT_EQ(help.window(), nullptr);

    help.ShowHelpContents();
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_EQ(pageOf(*help.window()), QStringLiteral("contents.html"));
    EXPECT_TRUE(shownText(*help.window()).contains(QStringLiteral("KORA User Manual")));

    frmHelp* first = help.window();
    help.ShowHelpIndex();
    EXPECT_EQ(help.window(), first) << "one help window for the whole program";
    EXPECT_EQ(pageOf(*help.window()), QStringLiteral("keywords.html"));
    EXPECT_TRUE(shownText(*help.window()).contains(QStringLiteral("Abutment angle")));
}

TEST(HelpSystem, OpensTheTopicOfEveryHelpContext) {
    HelpSystem help;
    for (const HelpTopic& topic : HelpTopics()) {
        SCOPED_TRACE(topic.context);
        help.ShowHelpTopic(topic.context);
        ASSERT_NE(help.window(), nullptr);
        const QUrl url = help.window()->currentUrl();
        EXPECT_EQ(url.fileName(), QLatin1String(topic.page));
        EXPECT_EQ(url.fragment(), QLatin1String(topic.anchor));
        EXPECT_GT(shownText(*help.window()).size(), 200);
    }
    help.ShowHelpTopic(12345);
    EXPECT_EQ(pageOf(*help.window()), QStringLiteral("contents.html"));
}

TEST(HelpSystem, CloseHelpClosesTheWindowAndTheNextRequestOpensAFreshOne) {
    HelpSystem help;
    help.CloseHelp(); // nothing open: harmless
    help.ShowHelpTopic(2202);
    ASSERT_NE(help.window(), nullptr);
    help.CloseHelp();
    EXPECT_EQ(help.window(), nullptr);
    help.ShowHelpContents();
    EXPECT_NE(help.window(), nullptr);

    // The user closing the window is the same as CloseHelp.
    help.window()->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(help.window(), nullptr);
}

TEST(frmHelp, BackForwardHomeContentsAndIndexButtons) {
    frmHelp window;
    window.show();
    auto* back = window.findChild<QToolButton*>(QStringLiteral("cmdBack"));
    auto* forward = window.findChild<QToolButton*>(QStringLiteral("cmdForward"));
    auto* home = window.findChild<QToolButton*>(QStringLiteral("cmdHome"));
    auto* contents = window.findChild<QToolButton*>(QStringLiteral("cmdContents"));
    auto* index = window.findChild<QToolButton*>(QStringLiteral("cmdIndex"));
    ASSERT_TRUE(back && forward && home && contents && index);

    QTest::mouseClick(contents, Qt::LeftButton);
    EXPECT_EQ(pageOf(window), QStringLiteral("contents.html"));
    EXPECT_FALSE(back->isEnabled());

    QTest::mouseClick(index, Qt::LeftButton);
    EXPECT_EQ(pageOf(window), QStringLiteral("keywords.html"));
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());

    QTest::mouseClick(home, Qt::LeftButton);
    EXPECT_EQ(pageOf(window), QStringLiteral("welcome.html"));

    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(pageOf(window), QStringLiteral("keywords.html"));
    EXPECT_TRUE(forward->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(pageOf(window), QStringLiteral("contents.html"));
    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(pageOf(window), QStringLiteral("keywords.html"));
}

TEST(frmHelp, LinksToOtherPagesStayInTheWindowAndWebLinksGoToTheDesktop) {
    test::ScriptedDialogService dialogs;
    frmHelp window(&dialogs);
    window.showContents();

    emit window.browser()->anchorClicked(QUrl(QStringLiteral("cmrr.html#cmrrvalue")));
    EXPECT_EQ(window.currentUrl().fileName(), QStringLiteral("cmrr.html"));
    EXPECT_EQ(window.currentUrl().fragment(), QStringLiteral("cmrrvalue"));
    EXPECT_TRUE(dialogs.openedUrls.empty());

    const QUrl web(QStringLiteral("https://kora.example.org/"));
    dialogs.openUrlResult = true;
    emit window.browser()->anchorClicked(web);
    ASSERT_EQ(dialogs.openedUrls.size(), 1u);
    EXPECT_EQ(dialogs.openedUrls[0], web);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(window.currentUrl().fileName(), QStringLiteral("cmrr.html"));

    dialogs.openUrlResult = false;
    emit window.browser()->anchorClicked(web);
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Operation Failed")});
}

TEST(HelpSystem, HelpAskedForFromAModalDialogIsNotBlockedByItAndClosesWithIt) {
    HelpSystem help;
    help.ShowHelpContents(); // opened first from the main window: no owner
    ASSERT_NE(help.window(), nullptr);
    EXPECT_EQ(help.window()->parentWidget(), nullptr);

    auto* dialog = new QDialog;
    dialog->setModal(true);
    dialog->show();
    ASSERT_EQ(QApplication::activeModalWidget(), dialog);

    help.ShowHelpTopic(2201);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_EQ(help.window()->parentWidget(), dialog);
    EXPECT_TRUE(help.window()->isWindow());
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_EQ(help.window()->currentUrl().fileName(), QStringLiteral("parameters.html"));

    delete dialog;
    EXPECT_EQ(help.window(), nullptr);
    help.ShowHelpContents();
    ASSERT_NE(help.window(), nullptr);
    EXPECT_EQ(help.window()->parentWidget(), nullptr);

    // Help opened for the first time from a modal dialog.
    help.CloseHelp();
    QDialog second;
    second.setModal(true);
    second.show();
    help.ShowHelpTopic(2100);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_EQ(help.window()->parentWidget(), &second);
}

} // namespace
} // namespace kora::gui
