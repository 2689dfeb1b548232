#include "gui/utilities/frmhelp.h"
#include "gui/utilities/helpkeyfilter.h"
#include "gui/utilities/helpsystem.h"
#include "gui/utilities/helptopics.h"
#include "guitest.h"

#include <QTextBrowser>

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
    help.window()->close();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(help.window(), nullptr);
}

// F1 opens the help topic of the focused field, before the window's own F1 shortcut (the main
// window's Help Contents); a field without a help context leaves F1 to the window, and other keys
// and F1 with a modifier are never taken.
TEST(HelpKeyFilter, FOneOpensTheTopicOfTheFocusedField) {
    HelpSystem help;
    HelpKeyFilter filter(help);
    qApp->installEventFilter(&filter);
    QDialog dialog;
    auto* field = new QLineEdit(&dialog);
    auto* other = new QLineEdit(&dialog);
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
