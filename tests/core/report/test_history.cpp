#include "core/model/settings.h"
#include "core/report/history.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

TEST(HistoryTest, KeepsTheLastTwoLinesOnceFull) {
    struct Case {
        int maxDisplaySize;
        std::vector<std::string> messages;
        std::string expected;
    };
    const std::string e4 = "\u00e9\u00e9\u00e9\u00e9";
    const Case cases[] = {
        // 18 characters are below 20: the third line is simply added; at 27 the fourth line
        // first drops all but the last two.
        {20, {"aaaa", "bbbb", "cccc", "dddd"}, "2. bbbb\r\n3. cccc\r\n4. dddd\r\n"},
        // Exactly the limit counts as reached.
        {18, {"aaaa", "bbbb", "cccc"}, "1. aaaa\r\n2. bbbb\r\n3. cccc\r\n"},
        // Two lines over the limit are never cut.
        {10,
         {"a long first message", "a long second one", "x", "y"},
         "2. a long second one\r\n3. x\r\n4. y\r\n"},
        // A message with its own line breaks counts as several lines, as in the history pane.
        {10, {"one\r\ntwo", "three", "four"}, "two\r\n2. three\r\n3. four\r\n"},
        // The size is counted in characters: 18 of them (26 bytes) are below 20.
        {20, {e4, e4, "x"}, "1. " + e4 + "\r\n2. " + e4 + "\r\n3. x\r\n"}};
    for (const Case& c : cases) {
        History h(true, c.maxDisplaySize);
        for (const auto& m : c.messages) h.AddHistory(m);
        EXPECT_EQ(h.text(), c.expected);
    }
}

TEST(HistoryTest, NumberingWrapsAfter16384) {
    History h(true, 4096);
    for (int i = 1; i <= 16384; ++i) h.AddHistory("step");
    EXPECT_EQ(h.HistoryCounter(), 16384);
    h.AddHistory("next");
    EXPECT_EQ(h.HistoryCounter(), 1);
    EXPECT_TRUE(h.text().ends_with("\r\n16384. step\r\n1. next\r\n"));
    EXPECT_LT(h.text().size(), 4096u + 40u);
}

TEST(HistoryTest, OnOffSettingsAndClear) {
    Settings s;
    History h;
    h.applySettings(s); // DisplayHistoryWin 0 by default
    h.AddHistory("not shown");
    EXPECT_EQ(h.text(), "");
    s.DisplayHistoryWin = 1;
    s.MaxDisplaySize = 8192;
    h.applySettings(s);
    EXPECT_EQ(h.maxDisplaySize(), 8192);
    h.AddHistory("first");
    h.setEnabled(false);
    h.AddHistory("dropped");
    h.setEnabled(true);
    h.AddHistory("second");
    EXPECT_EQ(h.text(), "1. first\r\n2. second\r\n");
    h.clear(); // the numbering goes on
    h.AddHistory("c");
    EXPECT_EQ(h.text(), "3. c\r\n");
}

} // namespace
} // namespace kora
