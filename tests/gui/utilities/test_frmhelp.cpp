#include "gui/utilities/frmhelp.h"
#include "gui/utilities/helpkeyfilter.h"
#include "gui/utilities/helpsystem.h"
#include "gui/utilities/helptopics.h"
#include "scripteddialogservice.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace kora::gui {
namespace {

QString pageOf(const frmHelp& window) {
    return window.currentUrl().fileName();
}

// One help window for the whole program: contents, index, the topic of every help context (an
// unknown one shows the contents); closing it, by the program or the user, lets the next request
// open a fresh one.
TEST(HelpSystem, OneWindowShowsContentsIndexAndEveryTopic) {
    HelpSystem help;
    help.CloseHelp(); // nothing open: harmless
    help.ShowHelpContents();
    ASSERT_NE(help.window(), nullptr);
    frmHelp* first = help.window();
    EXPECT_EQ(pageOf(*first), QStringLiteral("contents.html"));
    EXPECT_TRUE(first->browser()->toPlainText().contains(QStringLiteral("KORA User Manual")));
    help.ShowHelpIndex();
    EXPECT_EQ(help.window(), first);
    EXPECT_EQ(pageOf(*first), QStringLiteral("keywords.html"));
    for (const HelpTopic& topic : HelpTopics()) {
        help.ShowHelpTopic(topic.context);
        EXPECT_EQ(pageOf(*first), QLatin1String(topic.page)) << topic.context;
        EXPECT_EQ(first->currentUrl().fragment(), QLatin1String(topic.anchor)) << topic.context;
        EXPECT_GT(first->browser()->toPlainText().size(), 200) << topic.context;
    }
    help.ShowHelpTopic(12345);
    EXPECT_EQ(pageOf(*first), QStringLiteral("contents.html"));

    help.CloseHelp();
    EXPECT_EQ(help.window(), nullptr);
    help.ShowHelpContents();
    ASSERT_NE(help.window(), nullptr);
    help.window()->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(help.window(), nullptr);
}

TEST(HelpWindow, LinksToOtherPagesStayInTheWindowAndWebLinksGoToTheDesktop) {
    test::ScriptedDialogService dialogs;
    frmHelp window(&dialogs);
    window.showContents();
    emit window.browser()->anchorClicked(QUrl(QStringLiteral("cmrr.html#cmrrvalue")));
    EXPECT_EQ(window.currentUrl().fileName(), QStringLiteral("cmrr.html"));
    EXPECT_EQ(window.currentUrl().fragment(), QStringLiteral("cmrrvalue"));
    const QUrl web(QStringLiteral("https://kora.example.org/"));
    for (bool opens : {true, false}) {
        dialogs.openUrlResult = opens;
        emit window.browser()->anchorClicked(web);
    }
    EXPECT_EQ(dialogs.openedUrls, std::vector(2, web));
    EXPECT_EQ(dialogs.messageTexts(), QStringList{QStringLiteral("Operation Failed")});
    EXPECT_EQ(window.currentUrl().fileName(), QStringLiteral("cmrr.html"));
}

// Help asked for from a modal dialog belongs to that dialog, so the dialog does not block it,
// and closes with it.
TEST(HelpSystem, HelpFromAModalDialogIsNotBlockedByItAndClosesWithIt) {
    HelpSystem help;
    help.ShowHelpContents(); // from the main window: no owner
    EXPECT_EQ(help.window()->parentWidget(), nullptr);
    for (bool openBefore : {true, false}) {
        if (!openBefore) help.CloseHelp();
        auto* dialog = new QDialog;
        dialog->setModal(true);
        dialog->show();
        ASSERT_EQ(QApplication::activeModalWidget(), dialog);
        help.ShowHelpTopic(2201);
        ASSERT_NE(help.window(), nullptr);
        EXPECT_EQ(help.window()->parentWidget(), dialog);
        EXPECT_TRUE(help.window()->isWindow() && help.window()->isVisible());
        EXPECT_EQ(pageOf(*help.window()), QStringLiteral("parameters.html"));
        delete dialog;
        EXPECT_EQ(help.window(), nullptr);
    }
    help.ShowHelpContents();
    EXPECT_EQ(help.window()->parentWidget(), nullptr);
}

TEST(HelpContext, IsFoundOnTheWidgetOrTheNearestParent) {
    QDialog dialog;
    auto* frame = new QGroupBox(&dialog);
    auto* field = new QLineEdit(frame);
    auto* plain = new QLineEdit(&dialog);
    auto* button = new QPushButton(frame);

    EXPECT_EQ(HelpContextOf(field), 0);
    EXPECT_EQ(HelpContextOf(nullptr), 0);

    SetHelpContext(&dialog, 2200);
    SetHelpContext(frame, 2202);
    SetHelpContext(button, 5001);
    const struct {
        const QWidget* widget;
        int context;
    } cases[] = {{field, 2202}, {frame, 2202}, {button, 5001}, {plain, 2200}, {&dialog, 2200}};
    for (const auto& c : cases) EXPECT_EQ(HelpContextOf(c.widget), c.context);
}

TEST(HelpContext, AnOpenMenuUsesItsHighlightedItemFirst) {
    QMenu menu;
    SetHelpContext(menu.menuAction(), 1000);
    QAction* open = menu.addAction(QStringLiteral("&Open..."));
    QAction* exit = menu.addAction(QStringLiteral("E&xit"));
    SetHelpContext(open, 1200);

    EXPECT_EQ(HelpContextOf(&menu), 1000);
    menu.setActiveAction(open);
    EXPECT_EQ(HelpContextOf(&menu), 1200);
    menu.setActiveAction(exit); // no number of its own: the menu's
    EXPECT_EQ(HelpContextOf(&menu), 1000);
}

// F1 opens the help topic of the focused field, before the window's own F1 shortcut (the main
// window's Help Contents); a field without a help context leaves F1 to the window, and other keys
// and F1 with a modifier are never taken.
TEST(HelpKeyFilter, FOneOpensTheTopicOfTheFocusedField) {
    HelpSystem help;
    HelpKeyFilter filter(help);
    qApp->installEventFilter(&filter);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* field = new QLineEdit(&dialog);
    auto* other = new QLineEdit(&dialog);
    layout->addWidget(field);
    layout->addWidget(other);
    auto* windowF1 = new QAction(&dialog);
    windowF1->setShortcut(Qt::Key_F1);
    dialog.addAction(windowF1);
    int shortcutRuns = 0;
    QObject::connect(windowF1, &QAction::triggered, [&] { ++shortcutRuns; });
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));

    field->setFocus();
    QTest::keyClick(field, Qt::Key_F1);
    EXPECT_EQ(help.window(), nullptr);
    EXPECT_EQ(shortcutRuns, 1);

    SetHelpContext(field, 2203);
    SetHelpContext(other, 4500);
    QTest::keyClick(field, Qt::Key_F1);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_EQ(help.window()->currentUrl().fileName(), QStringLiteral("advanced.html"));
    other->setFocus();
    QTest::keyClick(other, Qt::Key_F1);
    EXPECT_EQ(help.window()->currentUrl().fileName() + "#" + help.window()->currentUrl().fragment(),
              QStringLiteral("units.html#calculator"));
    EXPECT_EQ(shortcutRuns, 1);
    help.CloseHelp();
    QTest::keyClick(other, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(other, Qt::Key_A);
    EXPECT_EQ(help.window(), nullptr);
    EXPECT_EQ(other->text(), QStringLiteral("a"));
    qApp->removeEventFilter(&filter);
}

} // namespace
} // namespace kora::gui
