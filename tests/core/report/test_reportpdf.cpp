#include "core/commands/filecommands.h"
#include "core/commands/korastate.h"
#include "core/commands/outputcommand.h"
#include "core/report/reportpdf.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace kora {
namespace {

std::string rtrim(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

// The text right of x and below y (points) of every page, as pdftotext lays out 9-point Courier
// at 5.4 points a character; one string per page.
std::vector<std::string> pageTexts(const std::string& pdf, int x, int y, int height) {
    return test::Split(test::CommandOutput("pdftotext -fixed 5.4 -x " + std::to_string(x) + " -y " +
                                           std::to_string(y) + " -W 1000 -H " +
                                           std::to_string(height) + " '" + pdf + "' -"),
                       "\f");
}

TEST(ReportPdfTest, TextAndPagesAreThoseOfThePrintedReport) {
    std::string longDescription;
    for (int i = 1; i <= 90; ++i) longDescription += "Line " + std::to_string(i) + "\r\n";
    struct Case {
        const char* example;
        OutputCommand command;
        Paper paper;
        std::string description; // replaces the example's; empty keeps it
        int pages;
    };
    const Case cases[] = {
        {"Example_3Entry_Standard.KOR", OutputCommand::Standard, Paper::Letter, "", 2},
        // Latin characters beyond ASCII come out as they are, others as "?".
        {"Example_4Entry_Advanced_Metric.KOR", OutputCommand::Advanced, Paper::A4,
         "Caf\xc3\xa9 5 \xc2\xb0"
         "C \xe2\x80\x93 \xe2\x80\x9cquoted\xe2\x80\x9d \xce\xa9",
         2},
        {"Example_YAY_Sizing_CMRR.KOR", OutputCommand::Sizing, Paper::Letter, longDescription, 4},
    };
    test::TempFolder folder;
    const std::string pdf = folder.file("report.pdf");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.example);
        KoraState s;
        test::ScriptedMessenger m;
        s.project.ProjectPath = std::string(KORA_EXAMPLES_DIR) + "/" + c.example;
        ASSERT_TRUE(FileOpen(s, m));
        if (!c.description.empty()) s.project.ProjectDescription = c.description;
        ASSERT_TRUE(RunOutputCommand(c.command, s, m));
        const std::string text = s.report.allPages();

        // The page model's count is the PDF's.
        EXPECT_EQ(WriteReportPdf(pdf, text, c.paper,
                                 [] {
                                     return PrintStamp{"1/2/2024", "09:05"};
                                 }),
                  c.pages);
        const std::string info = test::CommandOutput("pdfinfo '" + pdf + "'");
        EXPECT_NE(info.find("Pages:           " + std::to_string(c.pages) + "\n"),
                  std::string::npos);
        EXPECT_NE(info.find(c.paper == Paper::Letter ? "(letter)" : "(A4)"), std::string::npos);

        // Headers from their left edge at 0.4 in.
        const auto headers = pageTexts(pdf, 28, 0, 57);
        ASSERT_EQ(headers.size(), std::size_t(c.pages));
        for (std::size_t n = 0; n < headers.size(); ++n) {
            const std::string h = test::Split(headers[n], "\n")[0];
            EXPECT_EQ(h.rfind("KORA, 1/2/2024, 09:05 ", 0), 0u) << h;
            EXPECT_TRUE(h.ends_with(" Page: " + std::to_string(n + 1))) << h;
        }

        // The body from the left margin at 0.8 in: the report's lines in order, page after page
        // (blank lines at the top or bottom of a page leave no text to extract).
        std::vector<std::string> lines = test::Split(text, "\r\n");
        for (std::string& line : lines)
            if (auto at = line.find("\xce\xa9"); at != std::string::npos)
                line = line.substr(0, at) + "?" + line.substr(at + 2);
        std::size_t next = 0;
        for (const std::string& page : pageTexts(pdf, 57, 57, 2000)) {
            std::vector<std::string> got = test::Split(page, "\n");
            while (!got.empty() && got.back().empty()) got.pop_back();
            while (next < lines.size() && rtrim(lines[next]).empty()) ++next;
            for (const std::string& line : got) {
                ASSERT_LT(next, lines.size());
                EXPECT_EQ(line, rtrim(lines[next++]));
            }
        }
        while (next < lines.size()) EXPECT_EQ(rtrim(lines[next++]), "");
    }
}

TEST(ReportPdfTest, PaperByNameSizeAndLocale) {
    EXPECT_TRUE(PaperNamed("Letter") == Paper::Letter && PaperNamed("a4") == Paper::A4);
    EXPECT_EQ(PaperNamed("legal"), std::nullopt);
    EXPECT_TRUE(PaperOfSize(216, 279) == Paper::Letter && PaperOfSize(210, 297) == Paper::A4);
    // By the name and, with LC_ALL set to it, by the C library's locale tables; a locale that is
    // not installed anywhere (xx_US) is judged by its name.
    const std::pair<const char*, Paper> rows[] = {{"en_US.UTF-8", Paper::Letter},
                                                  {"de_DE.UTF-8", Paper::A4},
                                                  {"fr_CA", Paper::Letter},
                                                  {"C.UTF-8", Paper::A4},
                                                  {"xx_US.UTF-8", Paper::Letter}};
    const char* saved = std::getenv("LC_ALL");
    const std::string before = saved ? saved : "";
    for (const auto& [locale, paper] : rows) {
        EXPECT_EQ(PaperOfLocaleName(locale), paper) << locale;
        setenv("LC_ALL", locale, 1);
        EXPECT_EQ(LocalePaper(), paper) << locale;
    }
    saved ? setenv("LC_ALL", before.c_str(), 1) : unsetenv("LC_ALL");
}

} // namespace
} // namespace kora
