#include "core/base/koraerror.h"
#include "core/report/chartexport.h"
#include "tempfolder.h"
#include "thrown.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <regex>

namespace kora {
namespace {

// Two curves of unequal length, one label that needs quoting, one value that cannot be written.
std::vector<ChartSeries> curves() {
    return {{"Development Loading", {5, 6.5}, {1.25, 0.875}},
            {"Headgate, R", {5, 6.5, 8}, {2, NAN, 3}}};
}

TEST(ChartExportTest, CsvColumnsAsTheSpreadsheet) {
    EXPECT_EQ(ChartCsvText(curves()), "X-coord,Development Loading,X-coord,\"Headgate, R\"\r\n"
                                      "5,1.25,5,2\r\n"
                                      "6.5,0.875,6.5,\r\n"
                                      ",,8,3\r\n");
    EXPECT_EQ(ChartCsvText({}), "\r\n");
    test::TempFolder dir;
    WriteChartCsv(dir.file("c.csv"), curves());
    EXPECT_EQ(test::ReadBytes(dir.file("c.csv")), ChartCsvText(curves()));
}

// One member of the workbook's zip, read with unzip.
std::string member(const std::string& zip, const char* name) {
    return test::CommandOutput("unzip -p '" + zip + "' " + name);
}

TEST(ChartExportTest, WorkbookCellsReadBack) {
    test::TempFolder dir;
    const std::string path = dir.file("curves.xlsx");
    WriteChartWorkbook(path, curves());
    const std::string sheet = member(path, "xl/worksheets/sheet1.xml");
    const std::string strings = member(path, "xl/sharedStrings.xml");
    ASSERT_FALSE(sheet.empty());
    // The cell's text: a shared string's text or the number.
    auto cell = [&](const std::string& ref) -> std::string {
        std::smatch m;
        const std::regex c("<c r=\"" + ref + "\"( [^>]*)?><v>([^<]*)</v></c>");
        if (!std::regex_search(sheet, m, c)) return "(empty)";
        if (m[1].str().find("t=\"s\"") == std::string::npos) return m[2].str();
        std::vector<std::string> all;
        const std::regex si("<t>([^<]*)</t>");
        for (auto it = std::sregex_iterator(strings.begin(), strings.end(), si);
             it != std::sregex_iterator(); ++it)
            all.push_back((*it)[1].str());
        return all.at(std::stoul(m[2].str()));
    };
    const std::pair<const char*, const char*> expected[] = {
        {"A1", "X-coord"}, {"B1", "Development Loading"},
        {"C1", "X-coord"}, {"D1", "Headgate, R"},
        {"A2", "5"},       {"B2", "1.25"},
        {"C3", "6.5"},     {"B3", "0.875"},
        {"D3", "(empty)"}, {"A4", "(empty)"},
        {"D4", "3"}};
    for (const auto& [ref, text] : expected) EXPECT_EQ(cell(ref), text) << ref;
}

TEST(ChartExportTest, WorkbookThatCannotBeWritten) {
    test::TempFolder dir;
    std::filesystem::create_directory(dir.file("taken.xlsx"));
    struct Case {
        std::string path;
        int number;
    };
    const Case cases[] = {{dir.file("missing/curves.xlsx"), err::PathNotFound},
                          {dir.file("taken.xlsx"), err::PathFileAccessError}};
    for (const Case& c : cases)
        EXPECT_EQ(test::ThrownBy([&] { WriteChartWorkbook(c.path, curves()); }).number, c.number)
            << c.path;
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("taken.xlsx")));
}

} // namespace
} // namespace kora
