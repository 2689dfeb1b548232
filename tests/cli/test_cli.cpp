#include "tempfolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using kora::test::Split;

const std::string examples = KORA_EXAMPLES_DIR;
const std::string standardExample = examples + "/Example_3Entry_Standard.KOR";
const std::string advancedExample = examples + "/Example_4Entry_Advanced_Metric.KOR";
const std::string sizingExample = examples + "/Example_YAY_Sizing_CMRR.KOR";

std::string readFile(const fs::path& p) {
    return kora::test::ReadBytes(p.string());
}

void writeFile(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

std::string quoted(const std::string& arg) {
    std::string q = "'";
    for (char c : arg) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
protected:
    // A folder of this run's own, so that concurrent runs never share one.
    void SetUp() override {
        ASSERT_FALSE(folder.path().empty());
        dir = folder.path();
        fs::create_directories(dir / "work");
    }

    // Runs kora-cli with the arguments in the folder `work` below the test folder, after the
    // shell command `shell` when one is given.
    Result run(std::initializer_list<std::string> args, const std::string& shell = {}) {
        std::string cmd;
        auto word = [&cmd](const char* before, const std::string& text) {
            cmd += before;
            cmd += quoted(text);
        };
        word("cd ", (dir / "work").string());
        if (!shell.empty()) cmd += " && " + shell;
        word(" && ", KORA_CLI_PATH);
        for (const auto& a : args) word(" ", a);
        word(" >", (dir / "out").string());
        word(" 2>", (dir / "err").string());
        cmd += " </dev/null";
        const int raw = std::system(cmd.c_str());
        Result r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = readFile(dir / "out");
        r.err = readFile(dir / "err");
        return r;
    }

    kora::test::TempFolder folder;
    fs::path dir;
};

bool onlyCrLfLineEnds(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return false;
    }
    return !text.empty() && text.ends_with("\r\n");
}

// The text with the first line that reads `line` replaced by `by`.
std::string withLine(std::string text, const std::string& line, const std::string& by) {
    text.replace(text.find("\r\n" + line + "\r\n") + 2, line.size(), by);
    return text;
}

TEST_F(CliTest, ReportAllPagesArePagesZeroToFourJoined) {
    const Result all = run({"report", standardExample});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(all.err, "");
    EXPECT_TRUE(onlyCrLfLineEnds(all.out));
    std::string joined;
    for (const char* page : {"0", "1", "2", "3", "4"}) {
        const Result one = run({"report", standardExample, "--page", page});
        ASSERT_EQ(one.status, 0) << page << one.err;
        EXPECT_FALSE(one.out.empty()) << page;
        joined += one.out;
    }
    EXPECT_EQ(all.out, joined);
    EXPECT_EQ(run({"report", standardExample, "--mode", "standard"}).out, all.out);

    EXPECT_TRUE(all.out.starts_with("KORA module build: ")) << all.out.substr(0, 80);

    // The input listing shows the project path as given on the command line, relative or not.
    fs::copy_file(standardExample, dir / "work" / "p.KOR");
    const Result relative = run({"report", "p.KOR", "--page", "0"});
    ASSERT_EQ(relative.status, 0) << relative.err;
    const auto lines = Split(relative.out, "\r\n");
    ASSERT_GT(lines.size(), 3u);
    EXPECT_EQ(lines[1], "Project File: p.KOR");
    EXPECT_EQ(lines[3], "Input Units:  (ft) (psi)");
}

TEST_F(CliTest, ReportPageOneOfEachCalculation) {
    struct Case {
        std::string project, mode, heading;
    };
    const Case cases[] = {
        {standardExample, "standard", "[KORA STABILITY FACTORS - STANDARD GEOMETRY]"},
        {advancedExample, "advanced", "[KORA STABILITY FACTORS - ADVANCED GEOMETRY]"},
        {advancedExample, "standard", "[KORA STABILITY FACTORS - STANDARD GEOMETRY]"},
        {sizingExample, "sizing", "[KORA PILLAR SIZING RESULTS]"},
    };
    for (const auto& c : cases) {
        const Result page1 = run({"report", c.project, "--mode", c.mode, "--page", "1"});
        ASSERT_EQ(page1.status, 0) << c.mode << page1.err;
        EXPECT_TRUE(page1.out.starts_with(c.heading + "\r\n")) << page1.out;
        EXPECT_TRUE(onlyCrLfLineEnds(page1.out));
    }
}

TEST_F(CliTest, ReportOptionsComeFromTheSettingsFile) {
    const fs::path ini = dir / "KORA.INI";
    writeFile(ini, "[Version]\r\nINIFileVersion=050817\r\n"
                   "[KORAOptions]\r\nOutputStrGradUnits=1\r\nPrintModuleHeader=0\r\n"
                   "PrintPlotReminder=0\r\n");
    const Result plain = run({"report", standardExample, "--page", "2"});
    const Result tons = run({"report", standardExample, "--page", "2", "--settings", ini.string()});
    ASSERT_EQ(tons.status, 0) << tons.err;
    EXPECT_EQ(plain.out.find("(tons)"), std::string::npos);
    EXPECT_NE(tons.out.find("(tons)"), std::string::npos);
    EXPECT_NE(plain.out.find("View Plots"), std::string::npos);
    EXPECT_EQ(tons.out.find("View Plots"), std::string::npos);
    const Result listing =
        run({"report", standardExample, "--page", "0", "--settings", ini.string()});
    EXPECT_TRUE(listing.out.starts_with("[PROJECT TITLE]\r\n")) << listing.out;
}

TEST_F(CliTest, RefusedProjectsExitTwoWithTheirMessages) {
    const std::string overflow = "Error occurred: Overflow (6). Procedure Terminated\n";
    writeFile(dir / "notkora.KOR", "KORA_400\r\n 0 \r\n");
    std::string zeroHeight = readFile(standardExample);
    zeroHeight.replace(zeroHeight.find("\r\n7.5\r\n"), 7, "\r\n0\r\n");
    writeFile(dir / "zero.KOR", zeroHeight);
    std::string badCentre = zeroHeight;
    badCentre.replace(badCentre.find("\r\n0\r\n"), 5, "\r\n7.5\r\n");
    badCentre.replace(badCentre.find("\r\n 110 \r\n"), 9, "\r\n-5\r\n");
    writeFile(dir / "centre.KOR", badCentre);
    writeFile(dir / "overflow.KOR", withLine(readFile(standardExample), "900", "3E+38"));
    std::string wide = withLine(readFile(standardExample), "18", "250");
    for (const char* centre : {" 90 ", " 110 "}) wide = withLine(wide, centre, " 600 ");
    writeFile(dir / "wide.KOR", wide);
    // A description of Latin-1 letters reads fine but would be saved as 18 MiB of UTF-8.
    std::string latin1;
    for (int i = 0; i < 160'000; ++i) latin1 += std::string(58, '\xe9') + "\r\n";
    writeFile(dir / "huge.KOR",
              withLine(readFile(standardExample), "##EndDesc##", latin1 + "##EndDesc##"));

    struct Case {
        std::initializer_list<std::string> args;
        std::string err;
    };
    const std::string notKora = (dir / "notkora.KOR").string();
    const Case cases[] = {
        {{"report", notKora}, "Invalid file format\n"},
        {{"graph", notKora, "--index", "0"}, "Invalid file format\n"},
        {{"study", "solid", notKora}, "Invalid file format\n"},
        {{"resave", notKora, "--output", (dir / "x.KOR").string()}, "Invalid file format\n"},
        {{"report", (dir / "zero.KOR").string()}, "Invalid entry height\n"},
        {{"graph", (dir / "zero.KOR").string(), "--index", "2"}, "Invalid entry height\n"},
        {{"study", "partial", (dir / "centre.KOR").string()},
         "Invalid center-to-center distance #2\n"},
        {{"report", standardExample, "--mode", "advanced"}, "Advanced geometry not defined\n"},
        {{"convert", standardExample, "--to", "english", "--output", (dir / "x.KOR").string()},
         "The project is already in English units\n"},
        {{"report", (dir / "overflow.KOR").string()}, overflow},
        {{"graph", (dir / "overflow.KOR").string(), "--index", "1"}, overflow},
        {{"study", "solid", (dir / "overflow.KOR").string()}, overflow},
        {{"study", "partial", (dir / "wide.KOR").string()},
         "Partial study not written: no centre distance from 60 to 500 ft is more than twice the "
         "entry width (250 ft)\n"},
        {{"resave", (dir / "huge.KOR").string(), "--output", (dir / "x.KOR").string()},
         "The project file would be larger than 16 MiB and could not be opened again: shorten "
         "the description\n"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, 2) << *c.args.begin() << " " << c.err;
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(fs::exists(dir / "x.KOR"));
    EXPECT_FALSE(fs::exists(dir / "work" / "SF-width-Partial.txt"));
    EXPECT_FALSE(fs::exists(dir / "work" / "SF-width-Solid.txt"));
}

TEST_F(CliTest, UsageAndFileErrorsExitOne) {
    struct Case {
        std::initializer_list<std::string> args;
        std::string errStart; // beginning of the message on stderr
    };
    const std::string missing = (dir / "missing.KOR").string();
    const Case cases[] = {
        {{}, "A subcommand is required"},
        {{"print", standardExample}, "Unknown command: print\n"},
        {{"report"}, "PROJECT is required"},
        {{"report", standardExample, "--page", "5"}, "--page"},
        {{"report", standardExample, "--mode", "fast"}, "--mode"},
        {{"graph", standardExample}, "--index is required"},
        {{"graph", standardExample, "--index", "4"}, "--index"},
        {{"study", "half", standardExample}, "KIND"},
        {{"convert", standardExample, "--to", "metric"}, "--output is required"},
        {{"report", standardExample, "--settings", (dir / "none.INI").string()},
         "Settings file not found: "},
        {{"report", missing}, "Error occurred: File not found (53)"},
        {{"study", "solid", standardExample, "--output-dir", (dir / "nowhere").string()},
         "Error occurred: Path not found (76)"},
        {{"resave", standardExample, "--output", (dir / "nowhere" / "x.KOR").string()},
         "Error occurred: "},
        {{"units", "1"}, "UNIT is required"},
        {{"units", "1", "furlong"}, "Unknown unit: furlong\nUnits: \"in\" \"ft\""},
        {{"units", "12abc", "ft"}, "Not a number: 12abc\n"},
        {{"report", standardExample, "--format", "xml"}, "--format"},
        {{"graph", standardExample, "--index", "0", "--format", "xml"}, "--format"},
        {{"report", standardExample, "--paper", "a4"}, "--paper requires --pdf"},
        {{"report", standardExample, "--pdf", "x.pdf", "--paper", "legal"}, "--paper"},
        {{"report", standardExample, "--pdf", "x.pdf", "--format", "json"}, "excludes"},
        {{"report", standardExample, "--pdf", (dir / "nowhere" / "x.pdf").string()},
         "Error occurred: Path not found (76)"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, 1) << c.errStart;
        EXPECT_NE(r.err.find(c.errStart), std::string::npos)
            << "expected " << c.errStart << ", got " << r.err;
        EXPECT_EQ(r.out, "") << c.errStart;
    }
}

// Under a file-size limit a save fails as on a full disk: no process killed by SIGXFSZ, no
// temporary file beside the project, the previous file as it was.
TEST_F(CliTest, AFileSizeLimitEndsInDiskFull) {
    std::string description;
    for (int i = 0; i < 100; ++i) description += std::string(60, 'd') + "\r\n";
    writeFile(dir / "work" / "big.KOR",
              withLine(readFile(standardExample), "##EndDesc##", description + "##EndDesc##"));
    writeFile(dir / "work" / "out.KOR", "previous");
    writeFile(dir / "work" / "SF-width-Solid.txt", "previous");
    for (const Result& r : {run({"resave", "big.KOR", "--output", "out.KOR"}, "ulimit -f 4"),
                            run({"study", "solid", "big.KOR"}, "ulimit -f 4")}) {
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "Error occurred: Disk full (61)\n");
    }
    EXPECT_EQ(readFile(dir / "work" / "out.KOR"), "previous");
    EXPECT_EQ(readFile(dir / "work" / "SF-width-Solid.txt"), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "work"), fs::directory_iterator()), 3);
}

TEST_F(CliTest, HelpListsTheCommands) {
    const Result r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* command : {"report", "graph", "study", "convert", "resave", "units"})
        EXPECT_NE(r.out.find(command), std::string::npos) << command;
    const Result sub = run({"report", "--help"});
    EXPECT_EQ(sub.status, 0);
    EXPECT_NE(sub.out.find("--page"), std::string::npos);
}

TEST_F(CliTest, UnitsPrintOneLinePerUnit) {
    struct Case {
        std::initializer_list<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"units", "1", "ft"}, "12 in\n1 ft\n30.48 cm\n0.3048 m\n"},
        {{"units", "1", "tonsF"},
         "2000 lbsF\n1 tonsF (short)\n8.89644097878644 kN\n0.00889644097878644 MN\n2 kips\n"},
        {{"units", "-2.5E3", "PSI/ft"},
         "-208.333333333333 psi/in\n-2500 psi/ft\n-56551486.9832677 Pa/m\n-56.5514869832677 "
         "MPa/m\n"},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(CliTest, GraphPrintsOnePointPerLine) {
    struct Case {
        std::string index;
        std::string firstX, secondX; // half the project value, then one tenth more
        bool isolated;
    };
    // The standard example: entry height 7.5 ft, crosscuts 120 ft.
    const Case cases[] = {{"0", "3.75", "4.5", true}, {"3", "60", "72", false}};
    for (const auto& c : cases) {
        const Result r = run({"graph", standardExample, "--index", c.index});
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out.find('\r'), std::string::npos);
        const auto lines = Split(r.out, "\n");
        EXPECT_GE(lines.size(), 10u);
        EXPECT_LE(lines.size(), 11u);
        for (const auto& line : lines) {
            const auto f = Split(line, "\t");
            ASSERT_EQ(f.size(), 11u) << line;
            EXPECT_EQ(f[5] != "0", c.isolated) << line;
            EXPECT_EQ(f[10] != "0", c.isolated) << line;
            EXPECT_NE(f[1], "0");
        }
        EXPECT_EQ(Split(lines[0], "\t")[0], c.firstX);
        EXPECT_EQ(Split(lines[1], "\t")[0], c.secondX);
    }
}

TEST_F(CliTest, StudiesWriteTheirFileAndPrintItsPath) {
    const Result solid = run({"study", "solid", standardExample});
    ASSERT_EQ(solid.status, 0) << solid.err;
    EXPECT_EQ(solid.out, "SF-width-Solid.txt\n");
    const std::string text = readFile(dir / "work" / "SF-width-Solid.txt");
    EXPECT_EQ(Split(text, "\r\n").size(), 693u);

    const Result partial = run({"study", "partial", standardExample, "--output-dir", dir.string()});
    ASSERT_EQ(partial.status, 0) << partial.err;
    EXPECT_EQ(partial.out, (dir / "SF-width-Partial.txt").string() + "\n");
    const auto lines = Split(readFile(dir / "SF-width-Partial.txt"), "\r\n");
    EXPECT_EQ(lines.size(), 221u * 2u * 13u); // 3 entries
    // C = 60 ft with 18 ft entries: crosscuts at 42 x 18 / 12 = 63 ft.
    EXPECT_TRUE(lines[0].starts_with(" 200 \t 42 \t")) << lines[0];
    EXPECT_EQ(Split(lines[0], "\t")[4], " 63 ");

    // Centre distances without a crosscut spacing are skipped, and the note says so.
    writeFile(dir / "work" / "wide.KOR", withLine(readFile(standardExample), "18", "35"));
    const Result wide = run({"study", "partial", "wide.KOR"});
    ASSERT_EQ(wide.status, 0) << wide.err;
    EXPECT_TRUE(wide.err.starts_with("Partial study: 6 of 221 centre distances")) << wide.err;
}

TEST_F(CliTest, ResaveKeepsTheExamplesByteForByte) {
    for (const auto& example : {standardExample, advancedExample, sizingExample}) {
        const fs::path out = dir / "resaved.KOR";
        const Result r = run({"resave", example, "--output", out.string()});
        ASSERT_EQ(r.status, 0) << example << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(readFile(out), readFile(example)) << example;
    }
}

TEST_F(CliTest, ConvertWritesTheOtherUnitSystem) {
    const fs::path metric = dir / "metric.KOR";
    const Result r =
        run({"convert", standardExample, "--to", "metric", "--output", metric.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto lines = Split(readFile(metric), "\r\n");
    ASSERT_GT(lines.size(), 20u);
    EXPECT_EQ(lines[0], "KORA_500");
    EXPECT_EQ(lines[1], " 1 ");
    const auto end = std::find(lines.begin(), lines.end(), "##EndDesc##") - lines.begin();
    EXPECT_EQ(lines[static_cast<std::size_t>(end) + 1], "2.29");    // 7.5 ft
    EXPECT_EQ(lines[static_cast<std::size_t>(end) + 2], "259.08");  // 850 ft
    EXPECT_EQ(lines[static_cast<std::size_t>(end) + 7], " 27.43 "); // centre distance 90 ft

    const fs::path back = dir / "back.KOR";
    const Result b =
        run({"convert", metric.string(), "--to", "english", "--output", back.string()});
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(Split(readFile(back), "\r\n")[1], " 0 ");
    // The converted project calculates.
    EXPECT_EQ(run({"report", metric.string(), "--page", "1"}).status, 0);
}

TEST_F(CliTest, VersionJsonCsvAndPdfExports) {
    const std::string listing = run({"report", standardExample, "--page", "0"}).out;
    const std::string build = Split(Split(listing, "\r\n")[0], ": ")[1];
    EXPECT_EQ(run({"--version"}).out, build + "\n");

    const Result json = run({"report", sizingExample, "--mode", "sizing", "--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out).at("build"), build);

    // The CSV and JSON sweeps hold the numbers of the text sweep.
    const auto text = Split(run({"graph", advancedExample, "--index", "1"}).out, "\n");
    const auto csv =
        Split(run({"graph", advancedExample, "--index", "1", "--format", "csv"}).out, "\n");
    ASSERT_EQ(csv.size(), text.size() + 1);
    EXPECT_EQ(csv[0], "Depth of Cover (m),Development,Headgate,Bleeder,Tailgate,Isolated,"
                      "Development (R),Headgate (R),Bleeder (R),Tailgate (R),Isolated (R)");
    const auto sweep = nlohmann::json::parse(
        run({"graph", advancedExample, "--index", "1", "--format", "json"}).out);
    ASSERT_EQ(sweep.at("points").size(), text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::string tabs = csv[i + 1];
        std::replace(tabs.begin(), tabs.end(), ',', '\t');
        EXPECT_EQ(tabs, text[i]);
        const auto& point = sweep["points"][i];
        const auto fields = Split(text[i], "\t");
        // The text has 7 significant digits.
        for (const auto& [field, value] : {std::pair{0, point["x"]},
                                           {2, point["classic"]["headgate"]},
                                           {9, point["revised"]["tailgate"]}}) {
            const double v = value.get<double>();
            EXPECT_NEAR(std::stod(fields[std::size_t(field)]), v, 5e-7 * std::abs(v)) << text[i];
        }
    }

    // --paper and --page reach the PDF.
    const std::string pdf = (dir / "page1.pdf").string(), info = (dir / "info").string();
    const Result r =
        run({"report", standardExample, "--pdf", pdf, "--paper", "Letter", "--page", "1"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    ASSERT_EQ(std::system(("pdfinfo " + quoted(pdf) + " >" + quoted(info)).c_str()), 0);
    EXPECT_NE(readFile(info).find("Pages:           1\n"), std::string::npos);
    EXPECT_NE(readFile(info).find("Page size:       612 x 792"), std::string::npos);
}

} // namespace
