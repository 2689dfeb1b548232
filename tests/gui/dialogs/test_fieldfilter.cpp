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
    const char* text; // "[..]" marks the selection, "|" the cursor; without a mark it is at the end
    char typed;
    bool taken;
};

class FilterNumericKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FilterNumericKeyTest, TakesWhatKeepsTheBoxANumber) {
    const KeyCase& c = GetParam();
    QString text = QString::fromLatin1(c.text);
    int cursor = int(text.size()), start = -1, length = 0;
    if (text.contains(QLatin1Char('['))) {
        start = int(text.indexOf(QLatin1Char('[')));
        length = int(text.indexOf(QLatin1Char(']'))) - start - 1;
        text.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
        cursor = start + length;
    } else if (text.contains(QLatin1Char('|'))) {
        cursor = int(text.indexOf(QLatin1Char('|')));
        text.remove(QLatin1Char('|'));
    }
    EXPECT_EQ(FilterNumericKey(text, cursor, start, length, QChar::fromLatin1(c.typed)), c.taken)
        << "'" << c.text << "' + '" << c.typed << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FilterNumericKeyTest,
    ::testing::Values(KeyCase{"", '7', true}, KeyCase{"12", '.', true}, KeyCase{"12.", '5', true},
                      KeyCase{"12.5", '.', false}, KeyCase{"12", 'a', false},
                      KeyCase{"12", ',', false}, KeyCase{"12", ' ', true},
                      KeyCase{"12 ", '3', false}, KeyCase{"abc", '\b', true},
                      KeyCase{"abc", '\t', true},
                      // The beginning of a number is taken: one more digit completes it.
                      KeyCase{"", '.', true}, KeyCase{"", '-', true}, KeyCase{"1", 'e', true},
                      KeyCase{"-", '-', false}, KeyCase{"", 'e', false},
                      // The key replaces the selection or goes in at the cursor.
                      KeyCase{"[1.3]", '.', true}, KeyCase{"[1.]5", '.', true},
                      KeyCase{"1.[5]", '.', false}, KeyCase{"[12]", 'x', false},
                      KeyCase{"|12", '-', true}, KeyCase{"1|2", '.', true},
                      KeyCase{"|1.5", '.', false}, KeyCase{"12|.5", '.', false}));

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
    // Typing over a selection gives what was typed.
    f.numeric->setText("1.3");
    f.numeric->selectAll();
    QTest::keyClicks(f.numeric, ".9");
    EXPECT_EQ(f.numeric->text(), ".9");

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
