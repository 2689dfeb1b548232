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

// Every line ends in CR LF, the last one too, and no line holds a bare CR or LF.
bool onlyCrLfLineEnds(const std::string& text) {
    for (const auto& line : Split(text, "\r\n"))
        if (line.find_first_of("\r\n") != std::string::npos) return false;
    return text.ends_with("\r\n");
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
    EXPECT_TRUE(run({"report", advancedExample, "--mode", "advanced", "--page", "1"})
                    .out.starts_with("[KORA STABILITY FACTORS - ADVANCED GEOMETRY]\r\n"));

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

// Refused projects exit 2 with their message; usage and file errors exit 1.
TEST_F(CliTest, RefusalsAndErrorsExitWithTheirMessages) {
    const std::string standard = readFile(standardExample);
    writeFile(dir / "notkora.KOR", "KORA_400\r\n 0 \r\n");
    writeFile(dir / "zero.KOR", withLine(standard, "7.5", "0"));
    writeFile(dir / "centre.KOR", withLine(standard, " 110 ", "-5"));
    writeFile(dir / "overflow.KOR", withLine(standard, "900", "3E+38"));
    std::string wide = withLine(standard, "18", "250");
    for (const char* centre : {" 90 ", " 110 "}) wide = withLine(wide, centre, " 600 ");
    writeFile(dir / "wide.KOR", wide);
    // A description of Latin-1 letters reads fine but would be saved as 18 MiB of UTF-8.
    std::string latin1;
    for (int i = 0; i < 160'000; ++i) latin1 += std::string(58, '\xe9') + "\r\n";
    writeFile(dir / "huge.KOR", withLine(standard, "##EndDesc##", latin1 + "##EndDesc##"));

    struct Case {
        std::initializer_list<std::string> args;
        std::string err; // exit 2: all of stderr; exit 1: a part of it
        int status = 2;
    };
    const auto in = [this](const char* name) { return (dir / name).string(); };
    const std::string x = in("x.KOR"), nowhere = in("nowhere");
    const Case cases[] = {
        {{"report", in("notkora.KOR")}, "Invalid file format\n"},
        {{"resave", in("notkora.KOR"), "--output", x}, "Invalid file format\n"},
        {{"graph", in("zero.KOR"), "--index", "2"}, "Invalid entry height\n"},
        {{"study", "partial", in("centre.KOR")}, "Invalid center-to-center distance #2\n"},
        {{"report", standardExample, "--mode", "advanced"}, "Advanced geometry not defined\n"},
        {{"convert", standardExample, "--to", "english", "--output", x},
         "The project is already in English units\n"},
        {{"study", "solid", in("overflow.KOR")},
         "Error occurred: Overflow (6). Procedure Terminated\n"},
        {{"study", "partial", in("wide.KOR")},
         "Partial study not written: no centre distance from 60 to 500 ft is more than twice the "
         "entry width (250 ft)\n"},
        {{"resave", in("huge.KOR"), "--output", x},
         "The project file would be larger than 16 MiB and could not be opened again: shorten "
         "the description\n"},
        {{}, "A subcommand is required", 1},
        {{"print", standardExample}, "Unknown command: print\n", 1},
        {{"report"}, "PROJECT is required", 1},
        {{"report", standardExample, "--page", "5"}, "--page", 1},
        {{"graph", standardExample}, "--index is required", 1},
        {{"study", "half", standardExample}, "KIND", 1},
        {{"convert", standardExample, "--to", "metric"}, "--output is required", 1},
        {{"report", standardExample, "--settings", in("none.INI")}, "Settings file not found: ", 1},
        {{"report", in("missing.KOR")}, "Error occurred: File not found (53)", 1},
        {{"study", "solid", standardExample, "--output-dir", nowhere},
         "Error occurred: Path not found (76)",
         1},
        {{"resave", standardExample, "--output", nowhere + "/x.KOR"}, "Error occurred: ", 1},
        {{"units", "1", "furlong"}, "Unknown unit: furlong\nUnits: \"in\" \"ft\"", 1},
        {{"units", "12abc", "ft"}, "Not a number: 12abc\n", 1},
        {{"report", standardExample, "--format", "xml"}, "--format", 1},
        {{"report", standardExample, "--paper", "a4"}, "--paper requires --pdf", 1},
        {{"report", standardExample, "--pdf", "x.pdf", "--paper", "legal"}, "--paper", 1},
        {{"report", standardExample, "--pdf", "x.pdf", "--format", "json"}, "excludes", 1},
        {{"report", standardExample, "--pdf", nowhere + "/x.pdf"},
         "Error occurred: Path not found (76)",
         1},
    };
    for (const auto& c : cases) {
        const Result r = run(c.args);
        EXPECT_EQ(r.status, c.status) << c.err;
        EXPECT_TRUE(c.status == 2 ? r.err == c.err : r.err.find(c.err) != std::string::npos)
            << "expected " << c.err << ", got " << r.err;
        EXPECT_EQ(r.out, "") << c.err;
    }
    EXPECT_FALSE(fs::exists(dir / "x.KOR"));
    EXPECT_FALSE(fs::exists(dir / "work" / "SF-width-Partial.txt"));
    EXPECT_FALSE(fs::exists(dir / "work" / "SF-width-Solid.txt"));
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

// x and the ten factors per line, from half the project value in tenths (the standard example:
// entry height 7.5 ft, crosscuts 120 ft); isolated loading only in the height sweep. Units: one
// line per unit.
TEST_F(CliTest, GraphAndUnitsPrintOneLinePerValue) {
    EXPECT_EQ(run({"units", "1", "ft"}).out, "12 in\n1 ft\n30.48 cm\n0.3048 m\n");
    EXPECT_EQ(run({"units", "-2.5E3", "PSI/ft"}).out,
              "-208.333333333333 psi/in\n-2500 psi/ft\n-56551486.9832677 Pa/m\n"
              "-56.5514869832677 MPa/m\n");
    for (const auto& [index, firstX] : {std::pair{"0", "3.75 4.5"}, {"3", "60 72"}}) {
        const Result r = run({"graph", standardExample, "--index", index});
        ASSERT_EQ(r.status, 0) << r.err;
        const auto lines = Split(r.out, "\n");
        ASSERT_GE(lines.size(), 10u);
        EXPECT_LE(lines.size(), 11u);
        for (const auto& line : lines) {
            const auto f = Split(line, "\t");
            ASSERT_EQ(f.size(), 11u) << line;
            EXPECT_EQ(f[5] != "0" && f[10] != "0", index == std::string("0")) << line;
        }
        EXPECT_EQ(Split(lines[0], "\t")[0] + " " + Split(lines[1], "\t")[0], firstX);
    }
}

TEST_F(CliTest, StudiesWriteTheirFileAndPrintItsPath) {
    const Result solid = run({"study", "solid", standardExample});
    ASSERT_EQ(solid.status, 0) << solid.err;
    EXPECT_EQ(solid.out, "SF-width-Solid.txt\n");
    EXPECT_TRUE(fs::exists(dir / "work" / "SF-width-Solid.txt"));
    const Result partial = run({"study", "partial", standardExample, "--output-dir", dir.string()});
    ASSERT_EQ(partial.status, 0) << partial.err;
    EXPECT_EQ(partial.out, (dir / "SF-width-Partial.txt").string() + "\n");
    EXPECT_EQ(Split(readFile(dir / "SF-width-Partial.txt"), "\r\n").size(), 221u * 2u * 13u);
    // Centre distances without a crosscut spacing are skipped, and stderr says so.
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

// The converted project is written in the other units (7.5 and 850 ft in metres) and calculates.
TEST_F(CliTest, ConvertWritesTheOtherUnitSystem) {
    const std::string metric = (dir / "metric.KOR").string(), back = (dir / "back.KOR").string();
    const Result r = run({"convert", standardExample, "--to", "metric", "--output", metric});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string text = readFile(metric);
    EXPECT_TRUE(text.starts_with("KORA_500\r\n 1 \r\n"));
    EXPECT_NE(text.find("##EndDesc##\r\n2.29\r\n259.08\r\n"), std::string::npos);
    EXPECT_EQ(run({"report", metric, "--page", "1"}).status, 0);
    ASSERT_EQ(run({"convert", metric, "--to", "english", "--output", back}).status, 0);
    EXPECT_TRUE(readFile(back).starts_with("KORA_500\r\n 0 \r\n"));
}

TEST_F(CliTest, VersionJsonCsvAndPdfExports) {
    const std::string listing = run({"report", standardExample, "--page", "0"}).out;
    const std::string build = Split(Split(listing, "\r\n")[0], ": ")[1];
    EXPECT_EQ(run({"--version"}).out, build + "\n");

    const Result json = run({"report", sizingExample, "--mode", "sizing", "--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out).at("build"), build);
    EXPECT_EQ(nlohmann::json::parse(json.out).at("calculation"), "sizing");

    // The CSV sweep holds the text sweep's numbers under a heading; JSON has a point per line.
    const auto text = Split(run({"graph", advancedExample, "--index", "1"}).out, "\n");
    std::string csv = run({"graph", advancedExample, "--index", "1", "--format", "csv"}).out;
    std::replace(csv.begin(), csv.end(), ',', '\t');
    std::vector<std::string> expected = {
        "Depth of Cover (m)\tDevelopment\tHeadgate\tBleeder\tTailgate\tIsolated\tDevelopment "
        "(R)\tHeadgate (R)\tBleeder (R)\tTailgate (R)\tIsolated (R)"};
    expected.insert(expected.end(), text.begin(), text.end());
    EXPECT_EQ(Split(csv, "\n"), expected);
    const auto sweep = nlohmann::json::parse(
        run({"graph", advancedExample, "--index", "1", "--format", "json"}).out);
    ASSERT_EQ(sweep.at("points").size(), text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto f = Split(text[i], "\t");
        const auto& point = sweep["points"][i];
        for (const auto& [k, v] : {std::pair{0, point["x"]},
                                   {2, point["classic"]["headgate"]},
                                   {9, point["revised"]["tailgate"]}}) // 7 digits in the text
            EXPECT_NEAR(std::stod(f[std::size_t(k)]), v.get<double>(),
                        5e-7 * std::abs(v.get<double>()))
                << text[i];
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
