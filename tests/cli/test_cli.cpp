#include "golden.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
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
    Result run(const std::vector<std::string>& args, const std::string& shell = {}) {
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

// The text with the first line that reads `line` replaced by `by`.
std::string withLine(std::string text, const std::string& line, const std::string& by) {
    text.replace(text.find("\r\n" + line + "\r\n") + 2, line.size(), by);
    return text;
}

// Every command of the table in turn: its words ("@std", "@adv" and "@siz" for the examples,
// "@dir" for the test folder), exit status, standard output and standard error, kept in
// golden/transcript.txt with the folders and the build written as <examples>, <dir> and <build>.
// Refused projects exit 2, usage and file errors 1; nothing is written on a failure.
TEST_F(CliTest, Transcript) {
    const std::string standard = readFile(standardExample);
    fs::copy_file(standardExample, dir / "work" / "p.KOR");
    writeFile(dir / "KORA.INI",
              "[Version]\r\nINIFileVersion=050817\r\n[KORAOptions]\r\n"
              "OutputStrGradUnits=1\r\nPrintModuleHeader=0\r\nPrintPlotReminder=0\r\n");
    writeFile(dir / "notkora.KOR", "KORA_400\r\n 0 \r\n");
    writeFile(dir / "zero.KOR", withLine(standard, "7.5", "0"));
    writeFile(dir / "centre.KOR", withLine(standard, " 110 ", "-5"));
    writeFile(dir / "overflow.KOR", withLine(standard, "900", "3E+38"));
    writeFile(dir / "work" / "wide.KOR", withLine(standard, "18", "35"));
    std::string wide = withLine(standard, "18", "250");
    for (const char* centre : {" 90 ", " 110 "}) wide = withLine(wide, centre, " 600 ");
    writeFile(dir / "toowide.KOR", wide);
    // A description of Latin-1 letters reads fine but would be saved as 18 MiB of UTF-8.
    std::string latin1;
    for (int i = 0; i < 160'000; ++i) latin1 += std::string(58, '\xe9') + "\r\n";
    writeFile(dir / "huge.KOR", withLine(standard, "##EndDesc##", latin1 + "##EndDesc##"));

    const std::vector<std::vector<std::string>> commands = {
        {"--version"},
        {"report", "p.KOR", "--page", "0"},
        {"report", "@std", "--page", "2"},
        {"report", "@std", "--page", "2", "--settings", "@dir/KORA.INI"},
        {"report", "@std", "--page", "0", "--settings", "@dir/KORA.INI"},
        {"report", "@adv", "--mode", "advanced", "--page", "1"},
        {"report", "@siz", "--mode", "sizing", "--format", "json"},
        {"units", "1", "ft"},
        {"units", "-2.5E3", "PSI/ft"},
        {"graph", "@std", "--index", "0"},
        {"graph", "@std", "--index", "3"},
        {"graph", "@adv", "--index", "1", "--format", "csv"},
        {"graph", "@adv", "--index", "1", "--format", "json"},
        {"study", "solid", "@std"},
        {"study", "partial", "@std", "--output-dir", "@dir"},
        {"study", "partial", "wide.KOR"},
        {"report", "@dir/notkora.KOR"},
        {"resave", "@dir/notkora.KOR", "--output", "@dir/x.KOR"},
        {"graph", "@dir/zero.KOR", "--index", "2"},
        {"study", "partial", "@dir/centre.KOR"},
        {"report", "@std", "--mode", "advanced"},
        {"convert", "@std", "--to", "english", "--output", "@dir/x.KOR"},
        {"study", "solid", "@dir/overflow.KOR"},
        {"study", "partial", "@dir/toowide.KOR"},
        {"resave", "@dir/huge.KOR", "--output", "@dir/x.KOR"},
        {},
        {"print", "@std"},
        {"report"},
        {"report", "@std", "--page", "5"},
        {"graph", "@std"},
        {"study", "half", "@std"},
        {"convert", "@std", "--to", "metric"},
        {"report", "@std", "--settings", "@dir/none.INI"},
        {"report", "@dir/missing.KOR"},
        {"study", "solid", "@std", "--output-dir", "@dir/nowhere"},
        {"resave", "@std", "--output", "@dir/nowhere/x.KOR"},
        {"units", "1", "furlong"},
        {"units", "12abc", "ft"},
        {"report", "@std", "--format", "xml"},
        {"report", "@std", "--paper", "a4"},
        {"report", "@std", "--pdf", "x.pdf", "--paper", "legal"},
        {"report", "@std", "--pdf", "x.pdf", "--format", "json"},
        {"report", "@std", "--pdf", "@dir/nowhere/x.pdf"},
        {"resave", "@std", "--output", "@dir/std.KOR"},
        {"resave", "@adv", "--output", "@dir/adv.KOR"},
        {"resave", "@siz", "--output", "@dir/siz.KOR"},
        {"convert", "@std", "--to", "metric", "--output", "@dir/metric.KOR"},
        {"report", "@dir/metric.KOR", "--page", "0"},
        {"convert", "@dir/metric.KOR", "--to", "english", "--output", "@dir/back.KOR"},
        {"report", "@dir/back.KOR", "--page", "1"},
        {"report", "@std", "--pdf", "@dir/page1.pdf", "--paper", "Letter", "--page", "1"},
    };
    const std::string build = Split(run({"--version"}).out, "\n").at(0);
    const auto placeholders = [&](std::string text) {
        for (const auto& [what, by] :
             {std::pair{build, "<build>"}, {examples, "<examples>"}, {dir.string(), "<dir>"}})
            for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at))
                text.replace(at, what.size(), by);
        return text;
    };
    std::string transcript;
    for (const auto& words : commands) {
        std::vector<std::string> args;
        transcript += "$";
        for (const std::string& w : words) {
            transcript += " " + w;
            const std::string tag = w.substr(0, 4);
            args.push_back(tag == "@std"   ? standardExample
                           : tag == "@adv" ? advancedExample
                           : tag == "@siz" ? sizingExample
                           : tag == "@dir" ? dir.string() + w.substr(4)
                                           : w);
        }
        const Result r = run(args);
        transcript += "\nexit " + std::to_string(r.status) + "\n--- stdout\n" +
                      placeholders(r.out) + "--- stderr\n" + placeholders(r.err);
    }
    kora::test::ExpectGolden("transcript.txt", transcript);
    EXPECT_FALSE(fs::exists(dir / "x.KOR"));
    // The studies written, untouched by the refused ones.
    for (const auto& [file, lines] : {std::pair{dir / "work" / "SF-width-Solid.txt", 693u},
                                      {dir / "SF-width-Partial.txt", 221u * 2u * 13u},
                                      {dir / "work" / "SF-width-Partial.txt", 215u * 2u * 13u}})
        EXPECT_EQ(Split(readFile(file), "\r\n").size(), lines) << file;
    // Resaving keeps the examples byte for byte; converting writes the other units (7.5 and
    // 850 ft in metres).
    for (const auto& [example, copy] : {std::pair{standardExample, "std.KOR"},
                                        {advancedExample, "adv.KOR"},
                                        {sizingExample, "siz.KOR"}})
        EXPECT_EQ(readFile(dir / copy), readFile(example)) << copy;
    EXPECT_NE(readFile(dir / "metric.KOR").find("KORA_500\r\n 1 \r\n"), std::string::npos);
    EXPECT_NE(readFile(dir / "metric.KOR").find("##EndDesc##\r\n2.29\r\n259.08\r\n"),
              std::string::npos);
    // --paper and --page reach the PDF.
    const std::string info =
        kora::test::CommandOutput("pdfinfo " + quoted((dir / "page1.pdf").string()));
    EXPECT_NE(info.find("Pages:           1\n"), std::string::npos);
    EXPECT_NE(info.find("Page size:       612 x 792"), std::string::npos);
    // The whole report is its pages 0 to 4 joined.
    std::string joined;
    for (const char* page : {"0", "1", "2", "3", "4"})
        joined += run({"report", standardExample, "--page", page}).out;
    EXPECT_EQ(run({"report", standardExample}).out, joined);
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

} // namespace
