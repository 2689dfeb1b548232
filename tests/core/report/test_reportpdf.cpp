#include "core/commands/filecommands.h"
#include "core/commands/korastate.h"
#include "core/commands/outputcommand.h"
#include "core/report/reportpdf.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace kora {
namespace {

// Standard output of a shell command.
std::string output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        pclose(pipe);
    }
    return text;
}

std::vector<std::string> split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos;) {
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string rtrim(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.pop_back();
    return s;
}

// The text of a region of every page (points from the top-left corner) as pdftotext lays out
// fixed-pitch 9-point Courier, 5.4 points a character: one string per page.
std::vector<std::string> pageTexts(const std::string& pdf, double x, double y, double w, double h) {
    const std::string command = "pdftotext -fixed 5.4 -x " + std::to_string(int(x)) + " -y " +
                                std::to_string(int(y)) + " -W " + std::to_string(int(w)) + " -H " +
                                std::to_string(int(h)) + " '" + pdf + "' -";
    std::vector<std::string> pages = split(output(command), "\f");
    pages.pop_back(); // after the last form feed
    return pages;
}

// A page sink with the PDF's geometry that only counts pages: the page model's count.
class CountingSink : public PageSink {
public:
    explicit CountingSink(const PdfPageSink& pdf) : m_pdf(pdf) {}
    double pageWidth() const override { return m_pdf.pageWidth(); }
    double pageHeight() const override { return m_pdf.pageHeight(); }
    std::vector<std::string> fontNames() const override { return m_pdf.fontNames(); }
    void setFont(const std::string&, double, bool) override {}
    double textWidth(std::string_view t) const override { return m_pdf.textWidth(t); }
    double textHeight(std::string_view t) const override { return m_pdf.textHeight(t); }
    void drawText(double, double, std::string_view) override {}
    void newPage() override {}
    void end() override {}

private:
    const PdfPageSink& m_pdf;
};

std::string longDescription() {
    std::string d;
    for (int i = 1; i <= 90; ++i) d += "Line " + std::to_string(i) + " of a long description\r\n";
    return d;
}

TEST(ReportPdfTest, TextAndPagesAreThoseOfThePrintedReport) {
    struct Case {
        const char* example;
        OutputCommand command;
        Paper paper;
        std::string description; // replaces the example's; empty keeps it
        int expectedPages;       // 0: not checked
    };
    const Case cases[] = {
        {"Example_3Entry_Standard.KOR", OutputCommand::Standard, Paper::Letter, "", 2},
        // Latin characters beyond ASCII come out as they are; others as "?".
        {"Example_4Entry_Advanced_Metric.KOR", OutputCommand::Advanced, Paper::A4,
         "Caf\xc3\xa9 at 5 \xc2\xb0"
         "C \xe2\x80\x93 \xe2\x80\x9cquoted\xe2\x80\x9d \xce\xa9",
         0},
        {"Example_YAY_Sizing_CMRR.KOR", OutputCommand::Sizing, Paper::Letter, longDescription(), 4},
    };
    test::TempFolder folder;
    const PrintClock clock = [] { return PrintStamp{"1/2/2024", "09:05"}; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        KoraState s;
        test::ScriptedMessenger m;
        s.project.ProjectPath = std::string(KORA_EXAMPLES_DIR) + "/" + c.example;
        ASSERT_TRUE(FileOpen(s, m));
        if (!c.description.empty()) s.project.ProjectDescription = c.description;
        ASSERT_TRUE(RunOutputCommand(c.command, s, m));
        const std::string text = s.report.allPages();
        const std::string pdf = folder.file("report.pdf");

        const int pages = WriteReportPdf(pdf, text, c.paper, clock);
        PdfPageSink geometry(c.paper);
        CountingSink counting(geometry);
        PagePrinter model(counting);
        PrintPages(model, text);
        EXPECT_EQ(pages, model.page());
        if (c.expectedPages > 0) {
            EXPECT_EQ(pages, c.expectedPages);
        }
        const std::string info = output("pdfinfo '" + pdf + "'");
        EXPECT_NE(info.find("Pages:           " + std::to_string(pages) + "\n"), std::string::npos);
        EXPECT_NE(info.find(c.paper == Paper::Letter ? "(letter)" : "(A4)"), std::string::npos);

        // Every page's header, from its left edge at 0.4 in.
        const double width = geometry.pageWidth() / 20;
        const double height = geometry.pageHeight() / 20;
        const auto headers = pageTexts(pdf, 28.8, 0, width - 28.8, 57);
        ASSERT_EQ(headers.size(), std::size_t(pages));
        for (int n = 1; n <= pages; ++n) {
            const std::string h = rtrim(split(headers[std::size_t(n - 1)], "\n")[0]);
            EXPECT_EQ(h.rfind("KORA, 1/2/2024, 09:05 ", 0), 0u) << h;
            EXPECT_EQ(h.substr(h.size() - ("Page: " + std::to_string(n)).size()),
                      "Page: " + std::to_string(n));
        }

        // The body, from the left margin at 0.8 in: the report's lines in order, page after
        // page; blank lines at a page's top or bottom leave no text to extract.
        std::string expected = text;
        for (std::size_t at; (at = expected.find("\xce\xa9")) != std::string::npos;)
            expected.replace(at, 2, "?");
        std::vector<std::string> lines = split(expected, "\r\n");
        std::size_t next = 0;
        for (const std::string& page : pageTexts(pdf, 57.6, 57.6, width - 57.6, height - 57.6)) {
            std::vector<std::string> got = split(page, "\n");
            while (!got.empty() && got.back().empty()) got.pop_back();
            while (next < lines.size() && rtrim(lines[next]).empty()) ++next;
            for (const std::string& line : got) {
                ASSERT_LT(next, lines.size());
                EXPECT_EQ(line, rtrim(lines[next]));
                ++next;
            }
        }
        while (next < lines.size()) EXPECT_EQ(rtrim(lines[next++]), "");
    }
}

TEST(ReportPdfTest, PaperByNameSizeAndLocale) {
    EXPECT_EQ(PaperNamed("Letter"), Paper::Letter);
    EXPECT_EQ(PaperNamed("a4"), Paper::A4);
    EXPECT_EQ(PaperNamed("legal"), std::nullopt);
    EXPECT_EQ(PaperOfSize(216, 279), Paper::Letter);
    EXPECT_EQ(PaperOfSize(210, 297), Paper::A4);

    struct Row {
        const char* locale;
        Paper byName; // PaperOfLocaleName, and LocalePaper with LC_ALL set to the name
    };
    const Row rows[] = {
        {"en_US.UTF-8", Paper::Letter}, {"de_DE.UTF-8", Paper::A4}, {"fr_CA", Paper::Letter},
        {"en_GB@euro", Paper::A4},      {"C.UTF-8", Paper::A4},     {"POSIX", Paper::A4},
        {"xx_US.UTF-8", Paper::Letter}, // not installed anywhere: judged by its name
    };
    const char* saved = std::getenv("LC_ALL");
    const std::string before = saved ? saved : "";
    for (const Row& r : rows) {
        EXPECT_EQ(PaperOfLocaleName(r.locale), r.byName) << r.locale;
        setenv("LC_ALL", r.locale, 1);
        EXPECT_EQ(LocalePaper(), r.byName) << r.locale;
    }
    if (saved)
        setenv("LC_ALL", before.c_str(), 1);
    else
        unsetenv("LC_ALL");
}

} // namespace
} // namespace kora
