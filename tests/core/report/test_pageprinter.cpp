#include "core/base/fontchoice.h"
#include "core/model/settings.h"
#include "core/report/history.h"
#include "core/report/pageprinter.h"
#include "golden.h"
#include "recordingpagesink.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

PrintStamp fixedStamp() {
    return {"12/6/2024", "09:05"};
}

// Two print jobs, kept in golden/print/jobs.txt. The report of 70 lines: 9-point Courier New,
// 65 lines on page 1, a bold header on each page ("Page: 1" is 700 wide: it starts at
// 12240 - 1152 - 1.2 x 700 = 10248). Then the modes one by one: lines split at CR LF only, a new
// page with its header, a new page without one whose next line starts at the top, the end; a
// new job counts its pages from 1 again.
TEST(PagePrinterTest, PagesLinesAndHeaders) {
    test::RecordingPageSink::Job job;
    test::RecordingPageSink sink(job);
    PagePrinter printer(sink, fixedStamp);
    std::string text;
    for (int i = 1; i <= 70; ++i) text += "line " + std::to_string(i) + "\r\n";
    PrintPages(printer, text);
    EXPECT_EQ(printer.page(), 2);

    PagePrinter modes(sink, fixedStamp);
    modes.PrintText(PrintMode::StartJob, "");
    modes.PrintText(PrintMode::Text, "first\r\n\r\nthird with\ra bare CR\r\nlast without end");
    modes.PrintText(PrintMode::NewPage, "");
    EXPECT_EQ(modes.page(), 2);
    EXPECT_EQ(modes.currentY(), 1152);
    modes.PrintText(PrintMode::NewPageNoHeader, "");
    modes.PrintText(PrintMode::Line, "top of page three");
    modes.PrintText(PrintMode::EndJob, "");
    test::ExpectGolden("print/jobs.txt", job.log.str());
    EXPECT_EQ(PrintDateText(2024, 12, 6), "12/6/2024");
    EXPECT_EQ(PrintTimeText(9, 5), "09:05");
}

TEST(FontChoiceTest, FirstPreferredOrItsMetricFaceNeverAnyOtherFont) {
    struct Case {
        std::vector<std::string> fonts;
        std::string printer, screen;
    };
    // clang-format off
    const Case cases[] = {
        {{"Liberation Mono", "Courier", "ARIAL"}, "Liberation Mono", "ARIAL"},
        {{"Terminal", "System", "Courier New"}, "Courier New", "Courier New"},
        {{"DejaVu Math TeX Gyre", "Liberation Sans", "Arial"}, "Courier New", "Arial"},
        {{"C059", "DejaVu Sans", "liberation mono"}, "liberation mono", "liberation mono"},
        {{}, "Courier New", "Arial"}};
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(PickPrinterFont(c.fonts), c.printer);
        EXPECT_EQ(PickScreenFont(c.fonts), c.screen);
    }
    EXPECT_EQ(FindFont("courier NEW", {"Arial", "Courier New"}), 1);
    EXPECT_EQ(FindFont("Courier", {"Arial", "Courier New"}), -1);
    EXPECT_EQ(MetricEquivalent("courier"), "Liberation Mono");
    EXPECT_EQ(MetricEquivalent("Times New Roman"), "");
}

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
    h.applySettings(s);
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
