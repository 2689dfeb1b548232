#include "core/model/settings.h"
#include "core/report/buildstring.h"
#include "core/report/history.h"

#include "core/version.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kora {
namespace {

TEST(BuildStringTest, MajorMinorAndTwoDigitRevision) {
    const std::string expected =
        std::to_string(KORA_VERSION_MAJOR) + "." + std::to_string(KORA_VERSION_MINOR) + "." +
        (KORA_VERSION_PATCH < 10 ? "0" : "") + std::to_string(KORA_VERSION_PATCH);
    EXPECT_EQ(BuildString(), expected);
}

struct CutBackCase {
    const char* name;
    int maxDisplaySize;
    std::vector<std::string> messages;
    std::string expected;
};

class HistoryCutBackTest : public ::testing::TestWithParam<CutBackCase> {};

TEST_P(HistoryCutBackTest, KeepsLastTwoLinesOnceFull) {
    const auto& c = GetParam();
    History h(true, c.maxDisplaySize);
    for (const auto& m : c.messages) h.AddHistory(m);
    EXPECT_EQ(h.text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryCutBackTest,
    ::testing::Values(
        // 18 characters are below 20: the third line is simply added; at 27 the fourth line
        // first drops all but the last two.
        CutBackCase{"BelowLimitThenCut",
                    20,
                    {"aaaa", "bbbb", "cccc", "dddd"},
                    "2. bbbb\r\n3. cccc\r\n4. dddd\r\n"},
        // Exactly the limit counts as reached.
        CutBackCase{
            "ExactlyAtLimit", 18, {"aaaa", "bbbb", "cccc"}, "1. aaaa\r\n2. bbbb\r\n3. cccc\r\n"},
        CutBackCase{"ExactlyAtLimitWithThreeLines",
                    27,
                    {"aaaa", "bbbb", "cccc", "dddd"},
                    "2. bbbb\r\n3. cccc\r\n4. dddd\r\n"},
        // Two lines over the limit are never cut: a third line is added to them.
        CutBackCase{"TwoLongLinesStay",
                    10,
                    {"a long first message", "a long second one", "x"},
                    "1. a long first message\r\n2. a long second one\r\n3. x\r\n"},
        CutBackCase{"ThenCutOnTheFourth",
                    10,
                    {"a long first message", "a long second one", "x", "y"},
                    "2. a long second one\r\n3. x\r\n4. y\r\n"},
        // A message with its own line breaks counts as several lines, as in the history pane.
        CutBackCase{
            "MultiLineMessage", 10, {"one\r\ntwo", "three"}, "1. one\r\ntwo\r\n2. three\r\n"},
        // The size is counted in characters: 18 of them (26 bytes) are below 20.
        CutBackCase{"CharactersNotBytes",
                    20,
                    {"\u00e9\u00e9\u00e9\u00e9", "\u00e9\u00e9\u00e9\u00e9", "x"},
                    "1. \u00e9\u00e9\u00e9\u00e9\r\n2. \u00e9\u00e9\u00e9\u00e9\r\n3. x\r\n"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(HistoryTest, MultiLineMessageKeepsItsLastTwoLinesWhenCut) {
    History h(true, 10);
    h.AddHistory("one\r\ntwo");
    h.AddHistory("three");
    // "1. one", "two", "2. three": the next line keeps "two" and "2. three".
    h.AddHistory("four");
    EXPECT_EQ(h.text(), "two\r\n2. three\r\n3. four\r\n");
}

TEST(HistoryTest, NumberingWrapsAfter16384) {
    History h(true, 4096);
    for (int i = 1; i <= 16384; ++i) h.AddHistory("step");
    EXPECT_EQ(h.HistoryCounter(), 16384);
    EXPECT_EQ(h.text().substr(h.text().size() - 13), "16384. step\r\n");
    h.AddHistory("next");
    EXPECT_EQ(h.HistoryCounter(), 1);
    EXPECT_EQ(h.text().substr(h.text().size() - 22), "16384. step\r\n1. next\r\n");
    EXPECT_LT(h.text().size(), 4096u + 40u);
}

TEST(HistoryTest, DisabledLogWritesNothingAndKeepsItsNumber) {
    History h(true, 4096);
    h.AddHistory("first");
    h.setEnabled(false);
    h.AddHistory("dropped");
    EXPECT_EQ(h.text(), "1. first\r\n");
    h.setEnabled(true);
    h.AddHistory("second");
    EXPECT_EQ(h.text(), "1. first\r\n2. second\r\n");
}

TEST(HistoryTest, SettingsChooseWhetherAndHowLongItLogs) {
    Settings s;
    History h;
    h.applySettings(s); // DisplayHistoryWin 0 by default
    h.AddHistory("not shown");
    EXPECT_EQ(h.text(), "");
    s.DisplayHistoryWin = 1;
    s.MaxDisplaySize = 8192;
    h.applySettings(s);
    EXPECT_TRUE(h.enabled());
    EXPECT_EQ(h.maxDisplaySize(), 8192);
    h.AddHistory("shown");
    EXPECT_EQ(h.text(), "1. shown\r\n");
}

TEST(HistoryTest, ClearEmptiesTheTextButNumberingGoesOn) {
    History h(true, 4096);
    h.AddHistory("a");
    h.AddHistory("b");
    h.clear();
    h.AddHistory("c");
    EXPECT_EQ(h.text(), "3. c\r\n");
}

} // namespace
} // namespace kora
