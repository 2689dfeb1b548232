#include "core/project/projectfile.h"

#include "core/base/textfile.h"
#include "core/model/unitsystems.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"

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

// A project that uses every field, in the given unit system and with n entries.
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

TEST(ProjectFileTest, NewEnglishProjectIsWrittenByteForByte) {
    EXPECT_EQ(ProjectFileText(newProject()), NewEnglishFile);
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
    EXPECT_EQ(p.UnitSystem, English);
    EXPECT_EQ(p.ProjectPath, "/data/x.kor");
    EXPECT_TRUE(p.ProjectSaved && p.ProjectEmpty && !p.DescriptionSet);
    EXPECT_EQ(out.OutBuf[0], "text");
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(out.OutBuf[static_cast<std::size_t>(i)], "");
    EXPECT_EQ(p.UseCMRR, 1); // kept
    EXPECT_EQ(p.NumEntries, 2);
    EXPECT_EQ(p.ProjectTitle, "");
    EXPECT_EQ(m.history, std::vector<std::string>{
                             "File initialized. Use Edit-Project Parameters to enter data"});

    FileNew(p, out, s, m, true, true);
    EXPECT_EQ(p.UnitSystem, Metric);
    EXPECT_EQ(p.ProjectPath, "Untitled");
    EXPECT_FLOAT_EQ(p.CoalStrength, float(900 / 145.0377));
}

TEST(ProjectFileTest, OneEntryWritesNoColumnsAndZeroReadsAsOne) {
    ProjectRecord p = newProject();
    p.NumEntries = 1;
    std::string text = ProjectFileText(p);
    EXPECT_NE(text.find("0\r\n 1 \r\n900\r\n"), std::string::npos);
    EXPECT_TRUE(text.ends_with(" 0 \r\n0\r\n 0 \r\n"));

    const auto pos = text.find(" 1 \r\n");
    text.replace(pos, 5, " 0 \r\n");
    ProjectRecord q = newProject();
    ScriptedMessenger m;
    ASSERT_TRUE(ReadProjectText(q, text, m));
    EXPECT_EQ(q.NumEntries, 1);
    EXPECT_FLOAT_EQ(q.CoalStrength, 900);
}

TEST(ProjectFileTest, ValueForms) {
    ProjectRecord p = newProject();
    p.NumEntries = 3;
    p.CenterDistance[1] = 72.5f;
    p.CenterDistance[2] = 0.5f;
    p.EntryHeight = 6.205303f;
    p.DepthOfCover = 0.5f;
    p.UnitSystem = Metric;
    const std::string t = ProjectFileText(p);
    EXPECT_TRUE(t.starts_with("KORA_500\r\n 1 \r\n"));
    EXPECT_NE(t.find("##EndDesc##\r\n6.205303\r\n0.5\r\n"), std::string::npos);
    EXPECT_NE(t.find(" 3 \r\n 72.5 \r\n .5 \r\n"), std::string::npos);
}

TEST(ProjectFileTest, DescriptionIsNormalisedOnSaveAndReadBack) {
    ProjectRecord p = newProject();
    const std::string longLine =
        "aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee ffffffffff gg";
    p.ProjectDescription = "  leading, blanks, and commas\r\n\r\n   \r\n" + longLine;
    const std::string t = ProjectFileText(p);
    EXPECT_NE(t.find("##StartDesc##\r\n  leading, blanks, and commas\r\n"
                     "aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee \r\n"
                     "ffffffffff gg\r\n##EndDesc##\r\n"),
              std::string::npos);

    ProjectRecord q = newProject();
    ScriptedMessenger m;
    ASSERT_TRUE(ReadProjectText(q, t, m));
    EXPECT_EQ(q.ProjectDescription, "  leading, blanks, and commas\r\n"
                                    "aaaaaaaaaa bbbbbbbbbb cccccccccc dddddddddd eeeeeeeeee \r\n"
                                    "ffffffffff gg\r\n");
}

TEST(ProjectFileTest, TitleLineBreaksCannotShiftTheFile) {
    ProjectRecord p = newProject();
    p.ProjectTitle = "two\r\nlines";
    ProjectRecord q = newProject();
    ScriptedMessenger m;
    ASSERT_TRUE(ReadProjectText(q, ProjectFileText(p), m));
    EXPECT_EQ(q.ProjectTitle, "two  lines");
}

struct RoundTripCase {
    int units;
    int entries;
    const char* title = nullptr;       // nullptr: fullProject's
    const char* description = nullptr; // "~" stands for 57 characters of "a"
};

class ProjectRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ProjectRoundTrip, EveryFieldComesBack) {
    const auto [units, entries, title, description] = GetParam();
    TempFolder dir;
    ProjectRecord p = fullProject(units, entries);
    if (title != nullptr) p.ProjectTitle = title;
    if (description != nullptr) {
        p.ProjectDescription = description;
        for (auto at = p.ProjectDescription.find('~'); at != std::string::npos;
             at = p.ProjectDescription.find('~'))
            p.ProjectDescription.replace(at, 1, std::string(57, 'a'));
    }
    p.ProjectPath = dir.file("round.kor");
    ScriptedMessenger m;
    ASSERT_TRUE(FileSave(p, m));
    EXPECT_TRUE(p.ProjectSaved);

    ProjectRecord q = newProject(1 - units);
    q.ProjectPath = p.ProjectPath;
    ReportBuffer out;
    Settings s;
    ASSERT_TRUE(FileOpen(q, out, s, m));
    EXPECT_TRUE(q.ProjectSaved && q.DescriptionSet && !q.ProjectEmpty);

    EXPECT_EQ(q.ProjectDescription, p.ProjectDescription + "\r\n");
    for (int i = entries; i <= 5; ++i) {
        // Columns beyond the entries are not stored and keep the values of a new project.
        EXPECT_EQ(q.CenterDistance[i], 0) << i;
        EXPECT_EQ(q.XcutAngle[i], 0) << i;
        EXPECT_EQ(q.XcutSpacing[i], 0) << i;
    }
    // Every field has its own value in fullProject, so a field read into the wrong place or
    // changed on the way shows as different bytes.
    // Saving what was read gives the same bytes again, and they are valid UTF-8.
    const std::string saved = test::ReadBytes(p.ProjectPath);
    EXPECT_EQ(ProjectFileText(q), saved);
    EXPECT_EQ(DecodeText(saved), saved);
    EXPECT_EQ(q.ProjectTitle, p.ProjectTitle);
}

INSTANTIATE_TEST_SUITE_P(UnitsAndEntries, ProjectRoundTrip,
                         ::testing::Values(RoundTripCase{English, 2}, RoundTripCase{English, 3},
                                           RoundTripCase{English, 4}, RoundTripCase{English, 5},
                                           RoundTripCase{English, 6}, RoundTripCase{Metric, 2},
                                           RoundTripCase{Metric, 4}, RoundTripCase{Metric, 6},
                                           // Characters of several bytes where lines are cut.
                                           RoundTripCase{English, 3, "Flöz Ü – 北", "~éé\u00e9bc"},
                                           RoundTripCase{Metric, 2, "é", "~ab𝄞𝄞 x\r\nü€"},
                                           // Pieces of blanks, a line like the end marker.
                                           RoundTripCase{English, 2, nullptr,
                                                         "~abc                                 "
                                                         "                                   z\n"
                                                         "##EndDesc##\n ##EndDesc##"}));

struct CorrectionCase {
    const char* name;
    const char* from;
    const char* to;
    std::int16_t ProjectRecord::*field;
    std::int16_t expected;
};

class ReadCorrections : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(ReadCorrections, OutOfRangeCodesBecomeZero) {
    const auto& c = GetParam();
    ProjectRecord base = newProject();
    base.UseCMRR = 1;
    std::string text = ProjectFileText(base);
    const auto pos = text.find(c.from);
    ASSERT_NE(pos, std::string::npos);
    text.replace(pos, std::string(c.from).size(), c.to);
    ProjectRecord q = newProject(Metric);
    ScriptedMessenger m;
    ASSERT_TRUE(ReadProjectText(q, text, m));
    EXPECT_EQ(q.*c.field, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ReadCorrections,
    ::testing::Values(CorrectionCase{"UnitSystem7", "KORA_500\r\n 0 ", "KORA_500\r\n 7 ",
                                     &ProjectRecord::UnitSystem, 0},
                      CorrectionCase{"UnitSystemMinus", "KORA_500\r\n 0 ", "KORA_500\r\n-1 ",
                                     &ProjectRecord::UnitSystem, 0},
                      CorrectionCase{"UnitSystem1", "KORA_500\r\n 0 ", "KORA_500\r\n 1 ",
                                     &ProjectRecord::UnitSystem, 1},
                      CorrectionCase{"ConfigMode9", "35\r\n 1 \r\n 0 \r\n", "35\r\n 1 \r\n 9 \r\n",
                                     &ProjectRecord::ConfigMode, 0},
                      CorrectionCase{"ConfigMode3", "35\r\n 1 \r\n 0 \r\n", "35\r\n 1 \r\n 3 \r\n",
                                     &ProjectRecord::ConfigMode, 3},
                      CorrectionCase{"UseCMRR2", "35\r\n 1 \r\n", "35\r\n 2 \r\n",
                                     &ProjectRecord::UseCMRR, 0},
                      CorrectionCase{"AdvGeometry2", " 0 \r\n0\r\n0\r\n", " 2 \r\n0\r\n0\r\n",
                                     &ProjectRecord::AdvGeometry, 0},
                      CorrectionCase{"AdvGeometryMinus", " 0 \r\n0\r\n0\r\n", "-1 \r\n0\r\n0\r\n",
                                     &ProjectRecord::AdvGeometry, 0},
                      CorrectionCase{"AdvGeometry1", " 0 \r\n0\r\n0\r\n", " 1 \r\n0\r\n0\r\n",
                                     &ProjectRecord::AdvGeometry, 1},
                      CorrectionCase{"IntegerRoundsToEven", "35\r\n 1 \r\n 0 \r\n",
                                     "35\r\n 1 \r\n 2.5 \r\n", &ProjectRecord::ConfigMode, 2}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ProjectFileTest, ReaderAcceptsListForms) {
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
    EXPECT_EQ(p.EntryHeight, 7);
    EXPECT_EQ(p.DepthOfCover, 1000);
    EXPECT_EQ(p.PanelWidth, 1200);
    EXPECT_EQ(p.NumEntries, 3);
    EXPECT_EQ(p.CenterDistance[2], 70);
    EXPECT_EQ(p.XcutAngle[2], 80);
    EXPECT_EQ(p.XcutSpacing[2], 110);
}

TEST(ProjectFileTest, Latin1BytesAreKeptAsCharacters) {
    ProjectRecord p = newProject();
    std::string text = NewEnglishFile;
    text.replace(text.find("\r\n\r\n##Start"), 4, "\r\nCaf\xE9 \xC3\xA9t\xC3\r\n");
    ScriptedMessenger m;
    ASSERT_TRUE(ReadProjectText(p, text, m));
    // The Latin-1 é and the stray lead byte are decoded, the UTF-8 é is kept.
    EXPECT_EQ(p.ProjectTitle, "Caf\xC3\xA9 \xC3\xA9t\xC3\x83");
}

TEST(ProjectFileTest, WrongTagIsRefused) {
    TempFolder dir;
    ProjectRecord p = fullProject(English, 4);
    p.ProjectPath = dir.write("other.kor", "KORA_400\r\n 0 \r\n");
    ReportBuffer out;
    Settings s;
    ScriptedMessenger m;
    EXPECT_FALSE(FileOpen(p, out, s, m));
    ASSERT_EQ(m.texts(), std::vector<std::string>{"Invalid file format"});
    EXPECT_EQ(m.history.back(), "Message: Invalid file format");
    EXPECT_EQ(p.ProjectPath, dir.file("other.kor"));
    EXPECT_TRUE(p.ProjectEmpty);
    EXPECT_EQ(p.UseCMRR, 1); // FileNew keeps it
    p.UseCMRR = 0;
    EXPECT_EQ(ProjectFileText(p), NewEnglishFile);
}

TEST(ProjectFileTest, OpenLogsAndSetsFlags) {
    TempFolder dir;
    ProjectRecord p;
    p.ProjectPath = dir.write("new.kor", NewEnglishFile);
    ReportBuffer out;
    Settings s;
    ScriptedMessenger m;
    ASSERT_TRUE(FileOpen(p, out, s, m));
    EXPECT_EQ(m.history, (std::vector<std::string>{
                             "File initialized. Use Edit-Project Parameters to enter data",
                             "Opening: " + p.ProjectPath}));
    EXPECT_TRUE(p.ProjectSaved && p.DescriptionSet && !p.ProjectEmpty);
    EXPECT_EQ(p.ProjectDescription, "");
}

struct DamageCase {
    const char* name;
    std::string content;
    int number;
    const char* description;
    int line; // where reading stopped; 0: the file could not be read at all
};

std::string withLine(std::string_view from, std::string_view to) {
    std::string t = NewEnglishFile;
    t.replace(t.find(from), from.size(), to);
    return t;
}

class DamagedFile : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFile, EndsInTheClassicErrorWithAConsistentProject) {
    const auto& c = GetParam();
    TempFolder dir;
    ProjectRecord p = fullProject(English, 6);
    if (std::string(c.name) == "Directory") {
        p.ProjectPath = dir.file("folder.kor");
        std::filesystem::create_directory(p.ProjectPath);
    } else {
        p.ProjectPath = dir.write("damaged.kor", c.content);
    }
    ReportBuffer out;
    Settings s;
    ScriptedMessenger m;
    try {
        FileOpen(p, out, s, m);
        FAIL() << "no error";
    } catch (const KoraError& e) {
        EXPECT_EQ(e.number(), c.number);
        EXPECT_EQ(e.description(), c.description);
        EXPECT_EQ(e.where(), c.line == 0 ? std::string()
                                         : "Reading stopped at line " + std::to_string(c.line) +
                                               " of " + p.ProjectPath);
    }
    EXPECT_GE(p.NumEntries, 1);
    EXPECT_LE(p.NumEntries, 6);
    EXPECT_TRUE(p.ProjectEmpty);
    EXPECT_FALSE(p.DescriptionSet);
    EXPECT_NO_THROW(ProjectFileText(p));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(
        DamageCase{"Empty", "", 62, "Input past end of file", 1},
        DamageCase{"TagOnly", "KORA_500\r\n", 62, "Input past end of file", 2},
        DamageCase{"NoEndMarker", "KORA_500\r\n 0 \r\nT\r\n##StartDesc##\r\nsome text\r\n", 62,
                   "Input past end of file", 6},
        DamageCase{"Truncated", NewEnglishFile.substr(0, NewEnglishFile.find("900")), 62,
                   "Input past end of file", 14},
        DamageCase{"TextForNumber", withLine("##EndDesc##\r\n0\r\n", "##EndDesc##\r\nabc\r\n"), 13,
                   "Type mismatch", 7},
        DamageCase{"NumberWithJunk", withLine("900\r\n", "900x\r\n"), 13, "Type mismatch", 14},
        DamageCase{"UnitsNotNumber", withLine(" 0 \r\n\r\n", "zero\r\n\r\n"), 13, "Type mismatch",
                   2},
        DamageCase{"SevenEntries", withLine(" 2 \r\n", " 7 \r\n"), 9, "Subscript out of range", 12},
        DamageCase{"NegativeEntries", withLine(" 2 \r\n", "-3 \r\n"), 9, "Subscript out of range",
                   12},
        DamageCase{"HugeEntries", withLine(" 2 \r\n", " 99999 \r\n"), 6, "Overflow", 12},
        DamageCase{"HugeReal", withLine("900\r\n", "1E+39\r\n"), 6, "Overflow", 14},
        DamageCase{"HugeExponent", withLine("900\r\n", "1e4294967296\r\n"), 6, "Overflow", 14},
        DamageCase{
            "BinaryJunk",
            std::string("KORA_500\r\n 0 \r\n\x01\xff\r\n##EndDesc##\r\n\x00\x02\xfe\r\n", 37), 13,
            "Type mismatch", 5},
        DamageCase{"HugeLine",
                   "KORA_500\r\n 0 \r\n" + std::string(2'000'000, 'x') + "\r\n##StartDesc##\r\n",
                   62, "Input past end of file", 5},
        DamageCase{"Directory", "", 75, "Path/File access error", 0}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(ProjectFileTest, MissingFileIsFileNotFound) {
    TempFolder dir;
    ProjectRecord p;
    p.ProjectPath = dir.file("none.kor");
    ReportBuffer out;
    Settings s;
    ScriptedMessenger m;
    try {
        FileOpen(p, out, s, m);
        FAIL();
    } catch (const KoraError& e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_EQ(e.description(), "File not found");
    }
    EXPECT_EQ(m.history.back(), "Opening: " + p.ProjectPath);
    EXPECT_TRUE(p.ProjectEmpty);
}

TEST(ProjectFileTest, OversizedFileIsRefused) {
    TempFolder dir;
    const std::string path = dir.write("big.kor", std::string(100, 'x'));
    try {
        ReadTextFile(path, 99);
        FAIL();
    } catch (const KoraError& e) {
        EXPECT_EQ(e.number(), 7);
    }
    EXPECT_EQ(ReadTextFile(path, 100).size(), 100u);
}

struct FileNameCase {
    const char* path;
    bool strip;
    const char* expected;
    bool message;
};

class ExtractFileNameTest : public ::testing::TestWithParam<FileNameCase> {};

TEST_P(ExtractFileNameTest, TakesThePartAfterTheLastSeparator) {
    const auto& c = GetParam();
    ScriptedMessenger m;
    EXPECT_EQ(ExtractFileName(c.path, c.strip, m), c.expected);
    if (c.message)
        EXPECT_EQ(m.texts(), std::vector<std::string>{std::string("Error in filename: ") + c.path});
    else
        EXPECT_TRUE(m.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ExtractFileNameTest,
    ::testing::Values(FileNameCase{"/home/u/MyTERVA/pan.el.kor", false, "pan.el.kor", false},
                      FileNameCase{"/home/u/MyTERVA/pan.el.kor", true, "pan", false},
                      FileNameCase{"C:\\data\\Gate.KOR", true, "Gate", false},
                      FileNameCase{"mixed/dir\\name.kor", false, "name.kor", false},
                      FileNameCase{"/home/u/.hidden.kor", true, ".hidden.kor", false},
                      FileNameCase{"plain", true, "plain", false},
                      FileNameCase{"", false, "", false},
                      FileNameCase{"/home/u/", false, "/home/u/", true},
                      FileNameCase{"C:\\data\\", true, "C:\\data\\", true}));

TEST(CaptionTextTest, ShortensLongPathsAndMarksUnsaved) {
    EXPECT_EQ(CaptionText("KORA", "Untitled", true), "KORA: Untitled");
    EXPECT_EQ(CaptionText("KORA", "Untitled", false), "KORA: Untitled*");
    const std::string fifty(50, 'a');
    EXPECT_EQ(CaptionText("KORA", fifty, true), "KORA: " + fifty);
    const std::string sixty = "/home/user/Documents/MyTERVA/projects/gate/entry-7.kor";
    const std::string path60 = sixty + std::string(60 - sixty.size(), 'z');
    ASSERT_EQ(path60.size(), 60u);
    EXPECT_EQ(CaptionText("KORA", path60, false),
              "KORA: " + path60.substr(0, 10) + "..." + path60.substr(23) + "*");
    // Characters, not bytes, are counted: a path of 51 two-byte letters is shortened whole.
    const auto letters = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i) s += "\xC3\xA9";
        return s;
    };
    EXPECT_EQ(CaptionText("K", letters(51), true), "K: " + letters(10) + "..." + letters(37));
    EXPECT_EQ(CaptionText("K", letters(50), true), "K: " + letters(50));
}

} // namespace
} // namespace kora
