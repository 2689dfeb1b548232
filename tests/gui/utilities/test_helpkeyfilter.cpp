#include "gui/utilities/frmhelp.h"
#include "gui/utilities/helpkeyfilter.h"
#include "gui/utilities/helpsystem.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <memory>

namespace kora::gui {
namespace {

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

class HelpKeyTest : public ::testing::Test {
protected:
    void SetUp() override {
        filter = std::make_unique<HelpKeyFilter>(help);
        qApp->installEventFilter(filter.get());
        auto* layout = new QVBoxLayout(&dialog);
        field = new QLineEdit(&dialog);
        other = new QLineEdit(&dialog);
        layout->addWidget(field);
        layout->addWidget(other);
        // A window-wide F1, as the main window's Help Contents has.
        windowF1 = new QAction(&dialog);
        windowF1->setShortcut(Qt::Key_F1);
        dialog.addAction(windowF1);
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
    void TearDown() override { qApp->removeEventFilter(filter.get()); }

    HelpSystem help;
    std::unique_ptr<HelpKeyFilter> filter;
    QDialog dialog;
    QLineEdit* field = nullptr;
    QLineEdit* other = nullptr;
    QAction* windowF1 = nullptr;
};

TEST_F(HelpKeyTest, FOneOpensTheTopicOfTheFocusedField) {
    SetHelpContext(field, 2203);
    SetHelpContext(other, 4500);
    int shortcutRuns = 0;
    QObject::connect(windowF1, &QAction::triggered, [&] { ++shortcutRuns; });

    field->setFocus();
    QTest::keyClick(field, Qt::Key_F1);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_EQ(help.window()->currentUrl().fileName(), QStringLiteral("advanced.html"));

    other->setFocus();
    QTest::keyClick(other, Qt::Key_F1);
    EXPECT_EQ(help.window()->currentUrl().fileName(), QStringLiteral("units.html"));
    EXPECT_EQ(help.window()->currentUrl().fragment(), QStringLiteral("calculator"));
    EXPECT_EQ(shortcutRuns, 0) << "context help wins over the window's own F1";
}

TEST_F(HelpKeyTest, WithoutAHelpContextFOneIsLeftToTheWindow) {
    int shortcutRuns = 0;
    QObject::connect(windowF1, &QAction::triggered, [&] { ++shortcutRuns; });
    field->setFocus();
    QTest::keyClick(field, Qt::Key_F1);
    EXPECT_EQ(help.window(), nullptr);
    EXPECT_EQ(shortcutRuns, 1);

    // Other keys and F1 with a modifier are never taken.
    SetHelpContext(field, 2201);
    QTest::keyClick(field, Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_A);
    EXPECT_EQ(help.window(), nullptr);
    EXPECT_EQ(field->text(), QStringLiteral("a"));
}

} // namespace
} // namespace kora::gui
