#include "core/base/fontchoice.h"
#include "core/report/pageprinter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kora {
namespace {

// Letter paper, every character 100 twips wide, every line 200 twips high: the body ends below
// 15840 - 1872 = 13968, so a page holds the lines at 1152, 1352, ..., 13952 (65 lines).
class RecordingSink : public PageSink {
public:
    struct Text {
        int page;
        double x, y;
        std::string text;
        bool bold;
    };
    std::vector<std::string> fonts{"DejaVu Sans", "courier new", "Arial"};
    std::vector<Text> texts;
    int pages = 1;
    bool ended = false;
    std::string font;
    double points = 0;
    bool bold = false;

    double pageWidth() const override { return 12240; }
    double pageHeight() const override { return 15840; }
    std::vector<std::string> fontNames() const override { return fonts; }
    void setFont(const std::string& name, double size, bool isBold) override {
        font = name;
        points = size;
        bold = isBold;
    }
    double textWidth(std::string_view t) const override {
        return 100.0 * static_cast<double>(t.size());
    }
    double textHeight(std::string_view) const override { return 200; }
    void drawText(double x, double y, std::string_view t) override {
        texts.push_back({pages, x, y, std::string(t), bold});
    }
    void newPage() override { ++pages; }
    void end() override { ended = true; }

    std::vector<Text> onPage(int p, bool headers) const {
        std::vector<Text> r;
        for (const auto& t : texts)
            if (t.page == p && t.bold == headers) r.push_back(t);
        return r;
    }
};

PrintStamp fixedStamp() {
    return {"12/6/2024", "09:05"};
}

TEST(PagePrinterTest, JobStartsWithHeaderAndPrinterFont) {
    RecordingSink sink;
    PagePrinter printer(sink, fixedStamp);
    printer.PrintText(PrintMode::StartJob, "");
    EXPECT_EQ(sink.font, "courier new");
    EXPECT_EQ(sink.points, 9);
    EXPECT_FALSE(sink.bold); // bold only while the header is drawn
    ASSERT_EQ(sink.texts.size(), 2u);
    EXPECT_EQ(sink.texts[0].text, "KORA, 12/6/2024, 09:05");
    EXPECT_EQ(sink.texts[0].x, 576);
    EXPECT_EQ(sink.texts[0].y, 0);
    EXPECT_TRUE(sink.texts[0].bold);
    // "Page: 1" is 700 wide: 12240 - 1152 - 1.2 * 700.
    EXPECT_EQ(sink.texts[1].text, "Page: 1");
    EXPECT_DOUBLE_EQ(sink.texts[1].x, 10248);
    EXPECT_EQ(sink.texts[1].y, 0);
    EXPECT_EQ(printer.currentY(), 1152);
}

TEST(PagePrinterTest, BreaksPagesAtTheBottomLimitWithAHeaderOnEachPage) {
    RecordingSink sink;
    PagePrinter printer(sink, fixedStamp);
    std::string text;
    for (int i = 1; i <= 70; ++i) text += "line " + std::to_string(i) + "\r\n";
    PrintPages(printer, text);

    const auto body1 = sink.onPage(1, false);
    const auto body2 = sink.onPage(2, false);
    ASSERT_EQ(body1.size(), 65u);
    ASSERT_EQ(body2.size(), 5u);
    EXPECT_EQ(body1.front().text, "line 1");
    EXPECT_EQ(body1.front().y, 1152);
    EXPECT_EQ(body1.front().x, 1152);
    EXPECT_EQ(body1.back().text, "line 65");
    EXPECT_EQ(body1.back().y, 13952);
    EXPECT_EQ(body2.front().text, "line 66");
    EXPECT_EQ(body2.front().y, 1152);

    const auto head2 = sink.onPage(2, true);
    ASSERT_EQ(head2.size(), 2u);
    EXPECT_EQ(head2[0].text, "KORA, 12/6/2024, 09:05");
    EXPECT_EQ(head2[1].text, "Page: 2");
    EXPECT_EQ(sink.pages, 2);
    EXPECT_EQ(printer.page(), 2);
    EXPECT_TRUE(sink.ended);
}

TEST(PagePrinterTest, MultiLineTextSplitsAtCrLfOnly) {
    RecordingSink sink;
    PagePrinter printer(sink, fixedStamp);
    printer.PrintText(PrintMode::StartJob, "");
    printer.PrintText(PrintMode::Text,
                      "first\r\n\r\nthird with\ra bare CR\r\nlast without line end");
    const auto body = sink.onPage(1, false);
    ASSERT_EQ(body.size(), 4u);
    EXPECT_EQ(body[0].text, "first");
    EXPECT_EQ(body[1].text, "");
    EXPECT_EQ(body[1].y, 1352);
    EXPECT_EQ(body[2].text, "third with\ra bare CR");
    EXPECT_EQ(body[3].text, "last without line end");
    EXPECT_EQ(body[3].y, 1752);
}

TEST(PagePrinterTest, ExplicitPageBreaks) {
    RecordingSink sink;
    PagePrinter printer(sink, fixedStamp);
    printer.PrintText(PrintMode::StartJob, "");
    printer.PrintText(PrintMode::Line, "on page one");
    printer.PrintText(PrintMode::NewPage, "");
    EXPECT_EQ(printer.page(), 2);
    EXPECT_EQ(printer.currentY(), 1152);
    ASSERT_EQ(sink.onPage(2, true).size(), 2u);
    EXPECT_EQ(sink.onPage(2, true)[1].text, "Page: 2");

    // Mode 8: a new page without header; the next line starts at the top.
    printer.PrintText(PrintMode::NewPageNoHeader, "");
    printer.PrintText(PrintMode::Line, "top of page three");
    EXPECT_EQ(printer.page(), 3);
    EXPECT_TRUE(sink.onPage(3, true).empty());
    ASSERT_EQ(sink.onPage(3, false).size(), 1u);
    EXPECT_EQ(sink.onPage(3, false)[0].y, 0);
    EXPECT_FALSE(sink.ended);
    printer.PrintText(PrintMode::EndJob, "");
    EXPECT_TRUE(sink.ended);
}

TEST(PagePrinterTest, NewJobRestartsPageCountAndStamp) {
    RecordingSink sink;
    int calls = 0;
    PagePrinter printer(sink, [&] {
        ++calls;
        return PrintStamp{"1/2/2025", "23:59"};
    });
    PrintPages(printer, "a\r\n");
    printer.PrintText(PrintMode::NewPage, "");
    PrintPages(printer, "b\r\n");
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(printer.page(), 1);
    EXPECT_EQ(sink.texts.back().text, "b");
}

TEST(PrintStampTest, DateAndTimeTexts) {
    EXPECT_EQ(PrintDateText(2024, 12, 6), "12/6/2024");
    EXPECT_EQ(PrintDateText(2025, 1, 31), "1/31/2025");
    EXPECT_EQ(PrintTimeText(9, 5), "09:05");
    EXPECT_EQ(PrintTimeText(23, 59), "23:59");
}

struct FontCase {
    std::vector<std::string> fonts;
    std::string printer;
    std::string screen;
};

TEST(FontChoiceTest, FirstPreferredOrItsMetricFaceNeverAnyOtherFont) {
    const std::vector<FontCase> cases = {
        {{"Liberation Mono", "Courier", "ARIAL"}, "Liberation Mono", "ARIAL"},
        {{"Terminal", "System", "Courier New"}, "Courier New", "Courier New"},
        {{"Terminal", "System"}, "Courier New", "System"},
        {{"DejaVu Math TeX Gyre", "Liberation Sans", "Arial"}, "Courier New", "Arial"},
        {{"C059", "DejaVu Sans", "liberation mono"}, "liberation mono", "liberation mono"},
        {{"DejaVu Sans", "Noto"}, "Courier New", "Arial"},
        {{}, "Courier New", "Arial"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PickPrinterFont(c.fonts), c.printer);
        EXPECT_EQ(PickScreenFont(c.fonts), c.screen);
    }
    EXPECT_EQ(FindFont("courier NEW", {"Arial", "Courier New"}), 1);
    EXPECT_EQ(FindFont("Courier", {"Arial", "Courier New"}), -1);
    EXPECT_EQ(MetricEquivalent("courier"), "Liberation Mono");
    EXPECT_EQ(MetricEquivalent("Times New Roman"), "");
}

} // namespace
} // namespace kora
