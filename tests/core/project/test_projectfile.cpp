#include "core/project/projectfile.h"

#include "core/base/textfile.h"
#include "core/model/unitsystems.h"
#include "golden.h"
#include "scriptedmessenger.h"
#include "thrown.h"

#include "core/project/description.h"
#include <gtest/gtest.h>

namespace kora {
namespace {

using test::ScriptedMessenger;
using test::TempFolder;

const std::string NewEnglishFile = "KORA_500\r\n 0 \r\n\r\n##StartDesc##\r\n\r\n##EndDesc##\r\n"
                                   "0\r\n0\r\n0\r\n0\r\n0\r\n 2 \r\n 0 \r\n"
                                   "900\r\n21\r\n162\r\n1.3\r\n1.3\r\n1.3\r\n35\r\n"
                                   " 0 \r\n 0 \r\n0\r\n 0 \r\n0\r\n0\r\n";

ProjectRecord newProject(int units = English) {
    ProjectRecord p;
    ReportBuffer out;
    Settings s;
    s.DefaultUnits = static_cast<std::int16_t>(units);
    ScriptedMessenger m;
    FileNew(p, out, s, m, true, true);
    return p;
}

// A project in which every field has a value of its own, so that a field written or read in the
// wrong place shows as different bytes.
ProjectRecord fullProject(int units, int entries) {
    ProjectRecord p = newProject(units);
    p.ProjectTitle = "Panel 7, Tailgate";
    p.ProjectDescription = "First line\r\n  indented, with commas, kept";
    p.EntryHeight = 7.5f;
    p.DepthOfCover = 1250;
    p.PanelWidth = 1100.25f;
    p.EntryWidth = 18;
    p.CrosscutSpacing = 120.5f;
    p.NumEntries = static_cast<std::int16_t>(entries);
    for (int i = 1; i <= 5; ++i) {
        p.CenterDistance[i] = 60.5f + float(i);
        p.XcutAngle[i] = 85.0f - float(i);
        p.XcutSpacing[i] = 110.25f + float(i);
    }
    p.CoalStrength = units == Metric ? 6.205303f : 950;
    p.AbutmentAngle = 22.5f;
    p.UnitWeight = units == Metric ? 25.4465f : 160;
    p.HeadgateSF = 1.25f;
    p.BleederSF = 1.5f;
    p.TailgateSF = 0.75f;
    p.CMRRValue = 45;
    p.UseCMRR = 1;
    p.ConfigMode = 2;
    p.YieldPillarWidth = 0.5f;
    p.AdvGeometry = 1;
    return p;
}

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// A new project, and every field of a Metric project of four entries (golden/project/
// full_metric_4.KOR: reals in the general form, integers and centre distances in the native form
// " .5 "); one entry writes no column, and a stored 0 reads as one entry.
TEST(ProjectFileTest, WrittenByteForByte) {
    EXPECT_EQ(ProjectFileText(newProject()), NewEnglishFile);
    ProjectRecord p = fullProject(Metric, 4);
    p.CenterDistance[2] = 0.5f;
    test::ExpectGolden("project/full_metric_4.KOR", ProjectFileText(p));

    p = newProject();
    p.NumEntries = 1;
    const std::string one = ProjectFileText(p);
    const std::string two = replaced(NewEnglishFile, " 2 \r\n 0 \r\n", " 1 \r\n");
    EXPECT_EQ(one, two.substr(0, two.size() - 6)); // without column 1's angle and spacing
    ProjectRecord q = newProject();
    ScriptedMessenger m;
    ASSERT_TRUE(ReadProjectText(q, replaced(one, " 1 \r\n", " 0 \r\n"), m));
    EXPECT_EQ(q.NumEntries, 1);
    EXPECT_FLOAT_EQ(q.CoalStrength, 900);

    // Line breaks in the title cannot shift the lines after it.
    p.ProjectTitle = "two\r\nlines";
    ASSERT_TRUE(ReadProjectText(q, ProjectFileText(p), m));
    EXPECT_EQ(q.ProjectTitle, "two  lines");
}

TEST(ProjectFileTest, FileNewResetsInputsFlagsAndReport) {
    ProjectRecord p = fullProject(English, 4);
    p.ProjectPath = "/data/x.kor";
    p.ProjectSaved = false;
    p.ProjectEmpty = false;
    p.DescriptionSet = true;
    ReportBuffer out;
    for (auto& page : out.OutBuf) page = "text";
    Settings s;
    s.DefaultUnits = Metric;
    ScriptedMessenger m;
    FileNew(p, out, s, m, false, false);
    // Every input of a new project, in the units kept; the CMRR switch is kept too.
    EXPECT_EQ(ProjectFileText(p), replaced(NewEnglishFile, "35\r\n 0 ", "35\r\n 1 "));
    EXPECT_EQ(p.ProjectPath, "/data/x.kor");
    EXPECT_TRUE(p.ProjectSaved && p.ProjectEmpty && !p.DescriptionSet);
    EXPECT_EQ(out.OutBuf, (std::array<std::string, 5>{"text", "", "", "", ""}));
    EXPECT_EQ(m.history, std::vector<std::string>{
                             "File initialized. Use Edit-Project Parameters to enter data"});

    FileNew(p, out, s, m, true, true);
    EXPECT_EQ(p.UnitSystem, Metric);
    EXPECT_EQ(p.ProjectPath, "Untitled");
    EXPECT_FLOAT_EQ(p.CoalStrength, float(900 / 145.0377));
}

TEST(ProjectFileTest, EveryFieldComesBack) {
    struct Case {
        int units, entries;
        const char* title = nullptr;       // nullptr: fullProject's
        const char* description = nullptr; // "~" stands for 57 characters of "a"
    };
    // clang-format off
    const Case cases[] = {
        {English, 2}, {English, 3}, {English, 5}, {English, 6}, {Metric, 2}, {Metric, 4},
        {Metric, 6},
        // Characters of several bytes where lines are cut.
        {English, 3, "Flöz Ü – 北", "~éé\u00e9bc"}, {Metric, 2, "é", "~ab𝄞𝄞 x\r\nü€"},
        // Pieces of blanks, a line like the end marker.
        {English, 2, nullptr, "~abc                                                        " "            z\n##EndDesc##\n ##EndDesc##"}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.units << " " << c.entries << " " << c.title);
        TempFolder dir;
        ProjectRecord p = fullProject(c.units, c.entries);
        if (c.title) p.ProjectTitle = c.title;
        if (c.description)
            p.ProjectDescription = replaced(c.description, "~", std::string(57, 'a'));
        p.ProjectPath = dir.file("round.kor");
        ScriptedMessenger m;
        ASSERT_TRUE(FileSave(p, m));

        ProjectRecord q = newProject(1 - c.units);
        q.ProjectPath = p.ProjectPath;
        ReportBuffer out;
        ASSERT_TRUE(FileOpen(q, out, Settings{}, m));
        EXPECT_TRUE(q.ProjectSaved && q.DescriptionSet && !q.ProjectEmpty);
        EXPECT_EQ(q.ProjectTitle, p.ProjectTitle);
        EXPECT_EQ(q.ProjectDescription, p.ProjectDescription + "\r\n");
        // Columns beyond the entries are not stored and keep the values of a new project.
        for (int i = c.entries; i <= 5; ++i)
            EXPECT_EQ(q.CenterDistance[i] + q.XcutAngle[i] + q.XcutSpacing[i], 0) << i;
        // Saving what was read gives the same bytes again, and they are valid UTF-8.
        const std::string saved = test::ReadBytes(p.ProjectPath);
        EXPECT_EQ(ProjectFileText(q), saved);
        EXPECT_EQ(DecodeText(saved), saved);
    }
}

TEST(ProjectFileTest, ReaderCorrectsCodesAndAcceptsListForms) {
    struct Case {
        const char* from;
        const char* to;
        std::int16_t ProjectRecord::*field;
        std::int16_t expected;
    };
    // clang-format off
    const Case cases[] = {
        {"KORA_500\r\n 0 ", "KORA_500\r\n 7 ", &ProjectRecord::UnitSystem, 0},
        {"35\r\n 1 \r\n 0 \r\n", "35\r\n 1 \r\n 9 \r\n", &ProjectRecord::ConfigMode, 0},
        {"35\r\n 1 \r\n 0 \r\n", "35\r\n 1 \r\n 2.5 \r\n", &ProjectRecord::ConfigMode, 2},
        {"35\r\n 1 \r\n", "35\r\n 2 \r\n", &ProjectRecord::UseCMRR, 0},
        {" 0 \r\n0\r\n0\r\n", " 2 \r\n0\r\n0\r\n", &ProjectRecord::AdvGeometry, 0}};
    // clang-format on
    ProjectRecord base = newProject();
    base.UseCMRR = 1;
    for (const Case& c : cases) {
        ProjectRecord q = newProject(Metric);
        ScriptedMessenger m;
        ASSERT_TRUE(ReadProjectText(q, replaced(ProjectFileText(base), c.from, c.to), m)) << c.to;
        EXPECT_EQ(q.*c.field, c.expected) << c.to;
    }

    // A byte order mark, no start marker, LF line ends, a comma after a number, blank lines
    // before numbers.
    const std::string text =
        "\xEF\xBB\xBFKORA_500\n 1 \nTitle, with comma\n  first, line\n\n##EndDesc##\n"
        "7,\n1000\n\n1200\n20\n100\n 3 \n 60 \n 70 \n10\n21\n25\n1.3\n1.4\n1.5\n"
        "40\n 0 \n 1 \n3\n 0 \n90\n100\n80\n110\n";
    ProjectRecord p = newProject();
    ScriptedMessenger m;
    ASSERT_TRUE(ReadProjectText(p, text, m));
    EXPECT_EQ(p.UnitSystem, Metric);
    EXPECT_EQ(p.ProjectTitle, "Title, with comma");
    EXPECT_EQ(p.ProjectDescription, "  first, line\r\n");
    EXPECT_EQ((std::vector<float>{p.EntryHeight, p.DepthOfCover, p.PanelWidth, p.CenterDistance[2],
                                  p.XcutAngle[2], p.XcutSpacing[2]}),
              (std::vector<float>{7, 1000, 1200, 70, 80, 110}));
    EXPECT_EQ(p.NumEntries, 3);

    // Latin-1 bytes and a stray lead byte are decoded, UTF-8 is kept.
    ASSERT_TRUE(ReadProjectText(
        p, replaced(NewEnglishFile, "\r\n\r\n##Start", "\r\nCaf\xE9 \xC3\xA9t\xC3\r\n##Start"), m));
    EXPECT_EQ(p.ProjectTitle, "Caf\xC3\xA9 \xC3\xA9t\xC3\x83");
}

TEST(ProjectFileTest, WrongTagIsRefused) {
    TempFolder dir;
    ProjectRecord p = fullProject(English, 4);
    p.ProjectPath = dir.write("other.kor", "KORA_400\r\n 0 \r\n");
    ReportBuffer out;
    ScriptedMessenger m;
    EXPECT_FALSE(FileOpen(p, out, Settings{}, m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{"Invalid file format"});
    EXPECT_EQ(m.history.back(), "Message: Invalid file format");
    EXPECT_EQ(p.ProjectPath, dir.file("other.kor"));
    EXPECT_TRUE(p.ProjectEmpty);
    p.UseCMRR = 0; // FileNew keeps it
    EXPECT_EQ(ProjectFileText(p), NewEnglishFile);
}

TEST(ProjectFileTest, DamagedFilesEndInTheClassicErrorWithAConsistentProject) {
    struct Case {
        const char* name;
        std::string content;
        int number;
        std::string description;
        int line; // where reading stopped; 0: the file could not be read at all
    };
    const auto with = [](std::string_view from, std::string_view to) {
        return replaced(NewEnglishFile, from, to);
    };
    const std::string eof = "Input past end of file", type = "Type mismatch";
    // clang-format off
    const Case cases[] = {
        {"Empty", "", 62, eof, 1}, {"TagOnly", "KORA_500\r\n", 62, eof, 2},
        {"NoEndMarker", "KORA_500\r\n 0 \r\nT\r\n##StartDesc##\r\nsome text\r\n", 62, eof, 6},
        {"Truncated", NewEnglishFile.substr(0, NewEnglishFile.find("900")), 62, eof, 14},
        {"TextForNumber", with("##EndDesc##\r\n0\r\n", "##EndDesc##\r\nabc\r\n"), 13, type, 7},
        {"NumberWithJunk", with("900\r\n", "900x\r\n"), 13, type, 14},
        {"UnitsNotNumber", with(" 0 \r\n\r\n", "zero\r\n\r\n"), 13, type, 2},
        {"SevenEntries", with(" 2 \r\n", " 7 \r\n"), 9, "Subscript out of range", 12},
        {"NegativeEntries", with(" 2 \r\n", "-3 \r\n"), 9, "Subscript out of range", 12},
        {"HugeEntries", with(" 2 \r\n", " 99999 \r\n"), 6, "Overflow", 12},
        {"HugeReal", with("900\r\n", "1E+39\r\n"), 6, "Overflow", 14},
        {"HugeExponent", with("900\r\n", "1e4294967296\r\n"), 6, "Overflow", 14},
        {"BinaryJunk", std::string("KORA_500\r\n 0 \r\n\x01\xff\r\n##EndDesc##\r\n\x00\x02\xfe\r\n", 37), 13, type, 5},
        {"HugeLine", "KORA_500\r\n 0 \r\n" + std::string(2'000'000, 'x') + "\r\n##StartDesc##\r\n", 62, eof, 5},
        {"Directory", "", 75, "Path/File access error", 0},
        {"Missing", "", 53, "File not found", 0}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        ProjectRecord p = fullProject(English, 6);
        p.ProjectPath = dir.file("damaged.kor");
        if (c.name == std::string("Directory"))
            std::filesystem::create_directory(p.ProjectPath);
        else if (c.name != std::string("Missing"))
            dir.write("damaged.kor", c.content);
        ReportBuffer out;
        ScriptedMessenger m;
        const test::Thrown e = test::ThrownBy([&] { FileOpen(p, out, Settings{}, m); });
        EXPECT_EQ(e.number, c.number);
        EXPECT_EQ(e.description, c.description);
        EXPECT_EQ(e.where, c.line == 0 ? std::string()
                                       : "Reading stopped at line " + std::to_string(c.line) +
                                             " of " + p.ProjectPath);
        EXPECT_EQ(m.history.back(), "Opening: " + p.ProjectPath);
        EXPECT_GE(p.NumEntries, 1);
        EXPECT_LE(p.NumEntries, 6);
        EXPECT_TRUE(p.ProjectEmpty);
        EXPECT_FALSE(p.DescriptionSet);
        EXPECT_NO_THROW(ProjectFileText(p));
    }

    TempFolder dir; // a file beyond the reading limit is refused before it is read
    const std::string big = dir.write("big.kor", std::string(100, 'x'));
    EXPECT_EQ(test::ThrownBy([&] { ReadTextFile(big, 99); }).number, 7);
    EXPECT_EQ(ReadTextFile(big, 100).size(), 100u);
}

TEST(ProjectFileTest, FileNamesAndCaption) {
    struct Case {
        const char* path;
        bool strip;
        const char* expected;
        bool message;
    };
    // clang-format off
    const Case cases[] = {
        {"/home/u/MyTERVA/pan.el.kor", true, "pan", false},
        {"C:\\data\\Gate.KOR", true, "Gate", false},
        {"mixed/dir\\name.kor", false, "name.kor", false},
        {"/home/u/", false, "/home/u/", true}, {"C:\\data\\", true, "C:\\data\\", true}};
    // clang-format on
    for (const Case& c : cases) {
        ScriptedMessenger m;
        EXPECT_EQ(ExtractFileName(c.path, c.strip, m), c.expected);
        EXPECT_EQ(m.texts(),
                  c.message ? std::vector<std::string>{"Error in filename: " + std::string(c.path)}
                            : std::vector<std::string>{});
    }

    EXPECT_EQ(CaptionText("KORA", "Untitled", true), "KORA: Untitled");
    EXPECT_EQ(CaptionText("KORA", "Untitled", false), "KORA: Untitled*");
    // Paths longer than 50 characters (not bytes) keep their first 10 and last 37.
    const auto letters = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += "\xC3\xA9";
        return s;
    };
    EXPECT_EQ(CaptionText("K", letters(51), true), "K: " + letters(10) + "..." + letters(37));
    EXPECT_EQ(CaptionText("K", letters(50), true), "K: " + letters(50));
}

TEST(NormalizeDescriptionTest, DropsBlankLinesAndWrapsAtSixty) {
    const std::string a59(59, 'a'), x60(60, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"first\r\n\r\n   \r\nsecond\r\n", "first\r\nsecond"},
        {"unix\nlines\n\nhere", "unix\r\nlines\r\nhere"},
        {"  leading blanks, and commas, stay", "  leading blanks, and commas, stay"},
        // Character 60 is a blank: the first piece is 60 characters with the blank at its end.
        {"aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff ggggggggg",
         "aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee fffffffff \r\nggggggggg"},
        // Otherwise the cut follows the last blank between 40 and 59.
        {"aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee ffffffffff",
         "aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee \r\nffffffffff"},
        // A blank only before 40, or none: the word is cut at 60.
        {std::string(29, 'a') + " " + std::string(40, 'b'),
         std::string(29, 'a') + " " + std::string(30, 'b') + "\r\n" + std::string(10, 'b')},
        {x60 + "12345", x60 + "\r\n12345"},
        {x60 + "y", x60 + "\r\ny"}, // 61 characters are one too many
        // Lengths are characters: "é" is the 60th, and no character is cut.
        {a59 + "\u00e9bc", a59 + "\u00e9\r\nbc"},
        {a59 + "\u20ac", a59 + "\u20ac"},
        {a59.substr(0, 45) + " \U0001D11E" + std::string(13, 'x'),
         a59.substr(0, 45) + " \U0001D11E" + std::string(13, 'x')},
        // A piece of blanks is dropped; a line reading as the end marker is shifted.
        {x60 + std::string(61, ' ') + "y", x60 + "\r\n y"},
        {"##EndDesc##\r\nx", " ##EndDesc##\r\nx"}};
    for (const auto& [input, expected] : cases) EXPECT_EQ(NormalizeDescription(input), expected);
}

} // namespace
} // namespace kora
