#include "core/settings/settingsfile.h"

#include "core/settings/inifile.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kora {
namespace {

using test::ReadBytes;
using test::ScriptedMessenger;
using test::TempFolder;

const std::vector<std::string> Fonts = {"DejaVu Sans", "Courier New", "Arial"};

std::string freshFile(const std::string& dataPath) {
    return "[Version]\r\nINIFileVersion=050817\r\n"
           "[Settings]\r\nDefaultUnits=0\r\nDisplayHistoryWin=0\r\nMaxDisplaySize=2048\r\n"
           "DisplayFontName=Arial\r\nDisplayFontSize=10\r\nDisplayFontBold=0\r\n"
           "DisplayFontItalic=0\r\nKeepFileNames=1\r\nShowDisclaim=1\r\nMaxMainMenu=0\r\n"
           "EnableMainMenuToolbar=1\r\nShortRecentFiles=0\r\nLoadLastInputFile=0\r\n"
           "RemindAnnualUpdates=1\r\nCopyExampleFiles=1\r\nDataPath=" +
           dataPath +
           "\r\n"
           "FileExtension=KOR\r\nExternalEditor=Notepad.exe\r\n"
           "[FileMenu]\r\nMaxLastFiles=0\r\n"
           "[TextBrowse]\r\nBrowseFontName=Arial\r\nBrowseFontSize=10\r\nBrowseFontBold=0\r\n"
           "BrowseFontItalic=0\r\nBrowseDefaultFilter=\r\nBrowseUseNotepad=0\r\n"
           "[Graph]\r\nGraphSetParams=0\r\nGridStyle=0\r\nGraphStyle=3\r\nCurveLegend=1\r\n"
           "SymbolSize=5\r\nGraphUnits=0\r\nGraphTitle=KORA\r\nXAxisTitle0=\r\nXAxisTitle1=\r\n"
           "XAxisTitle2=\r\nXAxisTitle3=\r\nYAxisTitle0=\r\n"
           "[KORAOptions]\r\nOutputStrUnits=0\r\nOutputStrGradUnits=0\r\nShowInputScreenOnLoad="
           "1\r\n"
           "ShowInputScreenOnStart=1\r\nIssueWarningCancel=1\r\nViewChildWindow=1\r\n"
           "PrintModuleHeader=1\r\nPlotEntryDims=1\r\nPlotXcutDims=1\r\nPrintPlotReminder=1\r\n"
           "AskOfficeInstall=1\r\n";
}

Settings defaultsFor(const TempFolder& dir) {
    Settings s;
    s.DataPath = dir.folder();
    return s;
}

Settings readAll(const std::string& ini, const TempFolder& dir, RecentFiles* recent = nullptr) {
    Settings s;
    RecentFiles r;
    ReadSettings(s, recent ? *recent : r, ini, settingsPart::All, Fonts, dir.folder());
    return s;
}

TEST(SettingsFileTest, FirstStartWritesEverySectionWithDefaults) {
    TempFolder dir;
    const std::string ini = dir.file("KORA.INI");
    ScriptedMessenger m;
    ASSERT_TRUE(EnsureSettingsFile(ini, defaultsFor(dir), RecentFiles{}, m));
    EXPECT_EQ(ReadBytes(ini), freshFile(dir.folder()));
    EXPECT_EQ(m.history, std::vector<std::string>{"Saving default settings to file: " + ini});

    // A file of the current version is left alone.
    ASSERT_TRUE(WriteIniValue("Settings", "DefaultUnits", "1", ini));
    ASSERT_TRUE(EnsureSettingsFile(ini, defaultsFor(dir), RecentFiles{}, m));
    EXPECT_EQ(ReadIniString("Settings", "DefaultUnits", ini), "1");

    const Settings s = readAll(ini, dir);
    EXPECT_EQ(s.MaxDisplaySize, 4096); // the initial 2048 reads back as 4096
    EXPECT_EQ(s.DefaultUnits, 1);
    EXPECT_EQ(s.DataPath, dir.folder());
    EXPECT_EQ(s.GraphStyle, 3);
    EXPECT_EQ(s.DisplayFontSize, 10);
    EXPECT_EQ(s.ExternalEditor, "Notepad.exe");
}

TEST(SettingsFileTest, OtherVersionsAndJunkAreReplaced) {
    TempFolder dir;
    ScriptedMessenger m;
    const std::string old = dir.write("old.ini", "[Version]\r\nINIFileVersion=040101\r\n"
                                                 "[Settings]\r\nDefaultUnits=1\r\n");
    const std::string junk = dir.write("junk.ini", std::string("\x00\xff\xfe\x01garbage", 11));
    for (const std::string& ini : {old, junk}) {
        ASSERT_TRUE(EnsureSettingsFile(ini, defaultsFor(dir), RecentFiles{}, m)) << ini;
        EXPECT_EQ(ReadBytes(ini), freshFile(dir.folder())) << ini;
    }
}

TEST(SettingsFileTest, AnUnwritableFileNeverStopsTheProgram) {
    TempFolder dir;
    ScriptedMessenger m;
    std::filesystem::create_directory(dir.file("KORA.INI"));
    std::string problem;
    EXPECT_FALSE(
        EnsureSettingsFile(dir.file("KORA.INI"), defaultsFor(dir), RecentFiles{}, m, &problem));
    EXPECT_EQ(problem, "Path/File access error (75)");
    EXPECT_FALSE(SaveSettings(Settings{}, RecentFiles{}, dir.file("KORA.INI"), 2, m));
    const Settings s = readAll(dir.file("KORA.INI"), dir);
    EXPECT_EQ(s.MaxDisplaySize, 4096);
    EXPECT_EQ(s.CopyExampleFiles, 1);
}

struct SettingCase {
    const char* name;
    const char* section;
    const char* key;
    const char* stored; // nullptr: the key is missing
    std::function<bool(const Settings&)> check;
};

class SettingsReadCorrections : public ::testing::TestWithParam<SettingCase> {};

TEST_P(SettingsReadCorrections, ValuesAreCorrectedOnReading) {
    const auto& c = GetParam();
    TempFolder dir;
    const std::string ini = dir.file("KORA.INI");
    IniFile file;
    file.writeValue("Version", "INIFileVersion", "050817");
    if (c.stored) file.writeValue(c.section, c.key, c.stored);
    file.save(ini);
    EXPECT_TRUE(c.check(readAll(ini, dir)));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SettingsReadCorrections,
    ::testing::Values(
        SettingCase{"FontSize30", "Settings", "DisplayFontSize", "30",
                    [](const Settings& s) { return s.DisplayFontSize == 7; }},
        SettingCase{"FontSizeFraction", "TextBrowse", "BrowseFontSize", "10.5",
                    [](const Settings& s) { return s.BrowseFontSize == 10.5f; }},
        SettingCase{"GraphStyle0", "Graph", "GraphStyle", "0",
                    [](const Settings& s) { return s.GraphStyle == 1; }},
        SettingCase{"SymbolSize", "Graph", "SymbolSize", "20",
                    [](const Settings& s) { return s.SymbolSize == 20; }},
        SettingCase{"BoldOne", "Settings", "DisplayFontBold", "1",
                    [](const Settings& s) { return s.DisplayFontBold == -1; }},
        SettingCase{"BoldMinusOne", "TextBrowse", "BrowseFontBold", "-1",
                    [](const Settings& s) { return s.BrowseFontBold == -1; }},
        SettingCase{"FlagTwo", "Settings", "ShowDisclaim", "2",
                    [](const Settings& s) { return s.ShowDisclaim == 0; }},
        SettingCase{"FlagRoundsUp", "Settings", "KeepFileNames", "1.7",
                    [](const Settings& s) { return s.KeepFileNames == 0; }},
        SettingCase{"Absurd", "Settings", "MaxDisplaySize", "99999999999999999999",
                    [](const Settings& s) { return s.MaxDisplaySize == 4096; }},
        SettingCase{"LeadingNumber", "Settings", "MaxDisplaySize", "8192 chars",
                    [](const Settings& s) { return s.MaxDisplaySize == 8192; }},
        SettingCase{"ExtensionZero", "Settings", "FileExtension", "0",
                    [](const Settings& s) { return s.FileExtension == "KOR"; }},
        SettingCase{"ExtensionMissing", "Settings", "FileExtension", nullptr,
                    [](const Settings& s) { return s.FileExtension == "KOR"; }},
        SettingCase{"ExtensionKept", "Settings", "FileExtension", "kpr",
                    [](const Settings& s) { return s.FileExtension == "kpr"; }},
        SettingCase{
            "CopyExamplesMissing", "Settings", "CopyExampleFiles", nullptr,
            [](const Settings& s) { return s.CopyExampleFiles == 1 && s.KeepFileNames == 0; }},
        SettingCase{"OptionsMissing", "KORAOptions", "X", nullptr,
                    [](const Settings& s) {
                        return s.ShowInputScreenOnLoad == 1 && s.AskOfficeInstall == 1 &&
                               s.OutputStrUnits == 0;
                    }},
        SettingCase{"OptionZero", "KORAOptions", "PrintModuleHeader", "0",
                    [](const Settings& s) { return s.PrintModuleHeader == 0; }},
        SettingCase{"FontMissing", "Settings", "DisplayFontName", nullptr,
                    [](const Settings& s) {
                        return s.DisplayFontName == "Arial" && s.BrowseFontName == "Arial";
                    }},
        SettingCase{"FontKept", "Settings", "DisplayFontName", "Nimbus Sans",
                    [](const Settings& s) { return s.DisplayFontName == "Nimbus Sans"; }},
        SettingCase{"DataPathMissingFolder", "Settings", "DataPath", "/no/such/folder/",
                    [](const Settings& s) {
                        return s.DataPath.ends_with("/") &&
                               s.DataPath.find("/no/such") == std::string::npos;
                    }},
        SettingCase{
            "DataPathZero", "Settings", "DataPath", "0",
            [](const Settings& s) { return s.DataPath.find("kora-test-") != std::string::npos; }},
        SettingCase{"DataPathGetsSeparator", "Settings", "DataPath", " /tmp ",
                    [](const Settings& s) { return s.DataPath == "/tmp/"; }},
        SettingCase{"TitleKept", "Graph", "GraphTitle", "Gate 7, headgate",
                    [](const Settings& s) { return s.GraphTitle == "Gate 7, headgate"; }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SettingsFileTest, FontChoice) {
    EXPECT_EQ(DefaultFontName({"DejaVu Sans", "Terminal", "Courier New"}), "Courier New");
    EXPECT_EQ(DefaultFontName({"DejaVu Math TeX Gyre", "Liberation Mono"}), "Liberation Mono");
    EXPECT_EQ(DefaultFontName({"DejaVu Math TeX Gyre", "DejaVu Sans"}), "Arial");
    EXPECT_EQ(DefaultFontName({}), "Arial");
}

TEST(SettingsFileTest, RecentFilesAndSectionWrites) {
    TempFolder dir;
    const std::string ini = dir.file("KORA.INI");
    ScriptedMessenger m;
    ASSERT_TRUE(EnsureSettingsFile(ini, defaultsFor(dir), RecentFiles{}, m));

    RecentFiles r;
    Settings s;
    UpdateRecentFiles(r, "/d/a.kor", s);
    UpdateRecentFiles(r, "/d/b.kor", s);
    Settings changed = defaultsFor(dir);
    changed.DefaultUnits = 1; // saving the recent files must not write it
    ASSERT_TRUE(SaveSettings(changed, r, ini, settingsPart::FileMenu, m));
    EXPECT_EQ(m.history.back(), "Saving default settings to file: " + ini);
    std::string expected = freshFile(dir.folder());
    expected.replace(
        expected.find("MaxLastFiles=0\r\n"), 16,
        "MaxLastFiles=2\r\nLastFile1=b.kor\r\nLastFileMode1=1\r\nLastFileLong1=/d/b.kor\r\n"
        "LastFile2=a.kor\r\nLastFileMode2=1\r\nLastFileLong2=/d/a.kor\r\n");
    EXPECT_EQ(ReadBytes(ini), expected);

    RecentFiles back;
    back.LastFile[3] = "stale";
    ReadSettings(s, back, ini, settingsPart::FileMenu, Fonts, dir.folder());
    EXPECT_EQ(back.RecentCount, 2);
    EXPECT_EQ(back.LastFileLong[0], "/d/b.kor");
    EXPECT_EQ(back.LastFile[1], "a.kor");
    EXPECT_EQ(back.LastFileMode[1], 1);
    EXPECT_EQ(back.LastFile[3], "");

    // Nine entries are more than the list holds: the list is emptied.
    ASSERT_TRUE(WriteIniValue("FileMenu", "MaxLastFiles", "9", ini));
    ReadSettings(s, back, ini, settingsPart::FileMenu, Fonts, dir.folder());
    EXPECT_EQ(back.RecentCount, 0);
    EXPECT_EQ(back.LastFileLong[0], "");
}

TEST(SettingsFileTest, EachPartWritesOnlyItsSection) {
    TempFolder dir;
    Settings s = defaultsFor(dir);
    s.DefaultUnits = 1;
    s.BrowseUseNotepad = 1;
    s.GridStyle = 2;
    s.XAxisTitle[2] = "Panel";
    s.PlotXcutDims = 0;
    s.DisplayFontSize = 10.5f;
    const std::vector<std::string> sections = {"Settings", "TextBrowse", "Graph", "KORAOptions"};
    const std::vector<std::string> keys = {"DefaultUnits", "BrowseUseNotepad", "GridStyle",
                                           "PlotXcutDims"};
    ScriptedMessenger m;
    for (int part = 0; part < 4; ++part) {
        const std::string ini = dir.file(sections[std::size_t(part)] + ".ini");
        ASSERT_TRUE(
            SaveSettings(s, RecentFiles{}, ini, std::vector{2, 4, 5, 6}[std::size_t(part)], m));
        const IniFile file(ini);
        for (std::size_t k = 0; k < keys.size(); ++k)
            EXPECT_EQ(file.hasKey(sections[k], keys[k]), int(k) == part) << ini << " " << keys[k];
    }
    const std::string all = dir.file("all.ini");
    ASSERT_TRUE(SaveSettings(s, RecentFiles{}, all, settingsPart::All, m));
    const Settings back = readAll(all, dir);
    EXPECT_EQ(back.DefaultUnits, 1);
    EXPECT_EQ(back.BrowseUseNotepad, 1);
    EXPECT_EQ(back.GridStyle, 2);
    EXPECT_EQ(back.XAxisTitle[2], "Panel");
    EXPECT_EQ(back.PlotXcutDims, 0);
    EXPECT_EQ(back.DisplayFontSize, 10.5f);
}

TEST(ClampToLowTest, RangeAndRounding) {
    EXPECT_EQ(ClampToLow(5, 3, 20), 5);
    EXPECT_EQ(ClampToLow(2, 3, 20), 3);
    EXPECT_EQ(ClampToLow(21, 3, 20), 3);
    EXPECT_EQ(ClampToLow(2.5, 0, 3), 2);
    EXPECT_EQ(ClampToLow(1e300, -1, 0), -1);
}

} // namespace
} // namespace kora
