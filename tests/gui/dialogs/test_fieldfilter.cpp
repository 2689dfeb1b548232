#include "gui/dialogs/fieldfilter.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

namespace kora::gui {
namespace {

struct KeyCase {
    const char* text;
    char typed;
    bool taken;
};

class FilterNumericKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FilterNumericKeyTest, TakesWhatKeepsTheBoxANumber) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(FilterNumericKey(QString::fromLatin1(c.text), QChar::fromLatin1(c.typed)), c.taken)
        << "'" << c.text << "' + '" << c.typed << "'";
}

INSTANTIATE_TEST_SUITE_P(Keys, FilterNumericKeyTest,
                         ::testing::Values(KeyCase{"", '7', true}, KeyCase{"12", '.', true},
                                           KeyCase{"12.", '5', true}, KeyCase{"12.5", '.', false},
                                           KeyCase{"", '.', false}, KeyCase{"", '-', false},
                                           KeyCase{"12", 'a', false}, KeyCase{"12", ',', false},
                                           KeyCase{"1", 'e', false}, KeyCase{"12", ' ', true},
                                           KeyCase{"12 ", '3', false}, KeyCase{"abc", '\b', true},
                                           KeyCase{"abc", '\t', true}));

struct Form {
    QWidget window;
    QLineEdit* numeric = new QLineEdit(&window);
    QLineEdit* other = new QLineEdit(&window);
    int lostFocus = 0;

    Form() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(numeric);
        layout->addWidget(other);
        new FieldFilter(numeric, true, [this] { ++lostFocus; });
        new FieldFilter(other, false);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

TEST(FieldFilterTest, TypedCharactersAreFilteredPastedTextIsNot) {
    Form f;
    f.numeric->setFocus();
    QTest::keyClicks(f.numeric, "12a.5.x");
    EXPECT_EQ(f.numeric->text(), "12.5");
    QTest::keyClick(f.numeric, Qt::Key_Backspace);
    EXPECT_EQ(f.numeric->text(), "12.");

    QApplication::clipboard()->setText("abc");
    f.numeric->clear();
    QTest::keyClick(f.numeric, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.numeric->text(), "abc");

    f.other->setFocus();
    QTest::keyClicks(f.other, "2x");
    EXPECT_EQ(f.other->text(), "2x");
}

TEST(FieldFilterTest, FocusSelectsTheWholeTextAndLeavingRunsTheReaction) {
    Form f;
    f.numeric->setText("900.");
    f.other->setFocus();
    QApplication::processEvents();
    f.lostFocus = 0;
    f.numeric->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.numeric->selectedText() == "900."; }));
    EXPECT_EQ(f.lostFocus, 0);
    f.other->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.lostFocus == 1; }));
}

} // namespace
} // namespace kora::gui
