#include "core/settings/settingsfile.h"

#include "core/settings/inifile.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"

#include <gtest/gtest.h>

#include "core/settings/recentfiles.h"
#include <filesystem>

namespace kora {
namespace {

using test::ReadBytes;
using test::ScriptedMessenger;
using test::TempFolder;

const std::vector<std::string> Fonts = {"DejaVu Sans", "Courier New", "Arial"};

// The file a first start writes, kept in golden/settings/fresh.ini with the data folder as
// "<data>".
std::string freshFile(const std::string& dataPath) {
    std::string text = ReadBytes(std::string(KORA_GOLDEN_DIR) + "/settings/fresh.ini");
    const auto at = text.find("<data>");
    return at == std::string::npos ? text : text.replace(at, 6, dataPath);
}

Settings defaultsFor(const TempFolder& dir) {
    Settings s;
    s.DataPath = dir.folder();
    return s;
}

Settings readAll(const std::string& ini, const TempFolder& dir) {
    Settings s;
    RecentFiles r;
    ReadSettings(s, r, ini, settingsPart::All, Fonts, dir.folder());
    return s;
}

TEST(SettingsFileTest, FirstStartWritesEverySectionAndOtherVersionsAreReplaced) {
    TempFolder dir;
    const std::string ini = dir.file("KORA.INI");
    ScriptedMessenger m;
    ASSERT_TRUE(EnsureSettingsFile(ini, defaultsFor(dir), RecentFiles{}, m));
    EXPECT_EQ(ReadBytes(ini), freshFile(dir.folder()));
    EXPECT_EQ(m.history, std::vector<std::string>{"Saving default settings to file: " + ini});

    // A file of the current version is left alone.
    ASSERT_TRUE(WriteIniValue("Settings", "DefaultUnits", "1", ini));
    ASSERT_TRUE(EnsureSettingsFile(ini, defaultsFor(dir), RecentFiles{}, m));
    const Settings s = readAll(ini, dir);
    EXPECT_EQ(s.DefaultUnits, 1);
    EXPECT_EQ(s.MaxDisplaySize, 4096); // the initial 2048 reads back as 4096
    EXPECT_EQ(s.DataPath, dir.folder());

    const std::string old = dir.write("old.ini", "[Version]\r\nINIFileVersion=040101\r\n"
                                                 "[Settings]\r\nDefaultUnits=1\r\n");
    const std::string junk = dir.write("junk.ini", std::string("\x00\xff\xfe\x01garbage", 11));
    for (const std::string& other : {old, junk}) {
        ASSERT_TRUE(EnsureSettingsFile(other, defaultsFor(dir), RecentFiles{}, m)) << other;
        EXPECT_EQ(ReadBytes(other), freshFile(dir.folder())) << other;
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

TEST(SettingsFileTest, ValuesAreCorrectedOnReading) {
    struct Case {
        const char* section;
        const char* key;
        const char* stored; // nullptr: the key is missing
        bool (*check)(const Settings&);
    };
    using S = const Settings&;
    const Case cases[] = {
        // Every key missing: the defaults of a file that has only its version.
        {"Settings", "X", nullptr,
         [](S s) {
             return s.FileExtension == "KOR" && s.CopyExampleFiles == 1 && s.KeepFileNames == 0 &&
                    s.DisplayFontName == "Arial" && s.BrowseFontName == "Arial" &&
                    s.ShowInputScreenOnLoad == 1 && s.AskOfficeInstall == 1 &&
                    s.OutputStrUnits == 0;
         }},
        {"Settings", "DisplayFontSize", "30", [](S s) { return s.DisplayFontSize == 7; }},
        {"Graph", "GraphStyle", "0", [](S s) { return s.GraphStyle == 1; }},
        {"Settings", "DisplayFontBold", "1", [](S s) { return s.DisplayFontBold == -1; }},
        {"Settings", "ShowDisclaim", "2", [](S s) { return s.ShowDisclaim == 0; }},
        {"Settings", "KeepFileNames", "1.7", [](S s) { return s.KeepFileNames == 0; }},
        {"Settings", "MaxDisplaySize", "99999999999999999999",
         [](S s) { return s.MaxDisplaySize == 4096; }},
        {"Settings", "MaxDisplaySize", "8192 chars", [](S s) { return s.MaxDisplaySize == 8192; }},
        {"Settings", "FileExtension", "0", [](S s) { return s.FileExtension == "KOR"; }},
        {"Settings", "DataPath", "/no/such/folder/",
         [](S s) {
             return s.DataPath.ends_with("/") && s.DataPath.find("/no/such") == std::string::npos;
         }},
        {"Settings", "DataPath", " /tmp ", [](S s) { return s.DataPath == "/tmp/"; }}};
    for (const Case& c : cases) {
        TempFolder dir;
        IniFile file;
        file.writeValue("Version", "INIFileVersion", "050817");
        if (c.stored) file.writeValue(c.section, c.key, c.stored);
        file.save(dir.file("KORA.INI"));
        EXPECT_TRUE(c.check(readAll(dir.file("KORA.INI"), dir)))
            << c.key << "=" << (c.stored ? c.stored : "(missing)");
    }
    EXPECT_EQ(DefaultFontName({"DejaVu Sans", "Terminal", "Courier New"}), "Courier New");
    EXPECT_EQ(DefaultFontName({"DejaVu Math TeX Gyre", "DejaVu Sans"}), "Arial");
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
    EXPECT_EQ(back.LastFile[3], "");
    // Four entries fill the list; nine are more than it holds: the list is emptied.
    ASSERT_TRUE(WriteIniValue("FileMenu", "MaxLastFiles", "4", ini));
    ReadSettings(s, back, ini, settingsPart::FileMenu, Fonts, dir.folder());
    EXPECT_EQ(back.RecentCount, 4);
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
    const std::string sections[] = {"Settings", "TextBrowse", "Graph", "KORAOptions"};
    const std::string keys[] = {"DefaultUnits", "BrowseUseNotepad", "GridStyle", "PlotXcutDims"};
    const int parts[] = {2, 4, 5, 6};
    ScriptedMessenger m;
    for (int part = 0; part < 4; ++part) {
        const std::string ini = dir.file(sections[part] + ".ini");
        ASSERT_TRUE(SaveSettings(s, RecentFiles{}, ini, parts[part], m));
        const IniFile file(ini);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(file.hasKey(sections[k], keys[k]), k == part) << ini << " " << keys[k];
    }
    ASSERT_TRUE(SaveSettings(s, RecentFiles{}, dir.file("all.ini"), settingsPart::All, m));
    const Settings back = readAll(dir.file("all.ini"), dir);
    EXPECT_EQ(
        (std::vector<float>{float(back.DefaultUnits), float(back.BrowseUseNotepad),
                            float(back.GridStyle), float(back.PlotXcutDims), back.DisplayFontSize}),
        (std::vector<float>{1, 1, 2, 0, 10.5f}));
    EXPECT_EQ(back.XAxisTitle[2], "Panel");
}

using Paths = std::vector<std::string>;

Paths longPaths(const RecentFiles& r) {
    return {r.LastFileLong.begin(), r.LastFileLong.begin() + r.RecentCount};
}

TEST(RecentFilesTest, NewPathsGoToTheFrontKnownOnesAreSwappedWithTheFirst) {
    RecentFiles r;
    Settings s;
    for (const char* p : {"/d/a.kor", "/d/b.kor", "/d/c.kor", "/d/e.kor", "/d/f.kor"})
        EXPECT_TRUE(UpdateRecentFiles(r, p, s));
    EXPECT_EQ(r.LastFile, (std::array<std::string, 4>{"f.kor", "e.kor", "c.kor", "b.kor"}));
    EXPECT_TRUE(RemoveRecentFile(r, 2)); // no gap left
    EXPECT_FALSE(RemoveRecentFile(r, 4));
    EXPECT_EQ(r.LastFile, (std::array<std::string, 4>{"f.kor", "c.kor", "b.kor", ""}));
    EXPECT_FALSE(UpdateRecentFiles(r, "/d/b.kor", s)); // nothing needs writing
    EXPECT_EQ(longPaths(r), (Paths{"/d/b.kor", "/d/c.kor", "/d/f.kor"}));
    EXPECT_EQ(r.LastFile[2], "f.kor");

    // Short names match by file name and take the new path.
    s.ShortRecentFiles = 1;
    EXPECT_FALSE(UpdateRecentFiles(r, "/other/c.kor", s));
    EXPECT_EQ(longPaths(r), (Paths{"/other/c.kor", "/d/b.kor", "/d/f.kor"}));
    EXPECT_EQ(RecentCaption(r, 2, s), "b.kor");
    s.ShortRecentFiles = 0;
    EXPECT_EQ(RecentCaption(r, 2, s), "/d/b.kor");
    s.KeepFileNames = 0;
    EXPECT_FALSE(UpdateRecentFiles(r, "/d/new.kor", s));
    EXPECT_EQ(r.RecentCount, 3);
}

const char* Sample = "[Version]\r\nINIFileVersion=050817\r\n\r\n"
                     "[Settings]\r\nDefaultUnits=0\r\n  Spaced Key  =  spaced value  \r\n"
                     "Quoted=\"a, b\"\r\n\r\n[Graph]\nGraphTitle=KORA\n";

TEST(IniFileTest, ReadsValuesLikeTheProfileFunctions) {
    const IniFile ini = IniFile::fromText(Sample);
    EXPECT_EQ(ini.readString("Version", "INIFileVersion"), "050817");
    EXPECT_EQ(ini.readString("settings", "DEFAULTUNITS"), "0");
    EXPECT_EQ(ini.readString("Settings", "Spaced Key"), "spaced value");
    EXPECT_EQ(ini.readString("Settings", "Quoted"), "a, b");
    EXPECT_EQ(ini.readString("Graph", "GraphTitle"), "KORA");
    EXPECT_EQ(ini.readString("Nowhere", "DefaultUnits"), "");
    EXPECT_EQ(ini.readString("Graph", "DefaultUnits"), ""); // keys belong to their section
    EXPECT_TRUE(ini.hasKey("Settings", "Quoted"));
    EXPECT_FALSE(ini.hasKey("Settings", "Missing"));

    // Values are cut at 254 characters, not bytes.
    EXPECT_EQ(IniFile::fromText("[S]\r\nK=" + std::string(300, 'v')).readString("S", "K"),
              std::string(254, 'v'));
    std::string accents;
    for (int i = 0; i < 300; ++i) accents += "\u00e9";
    EXPECT_EQ(IniFile::fromText("[S]\r\nK=" + accents + "\r\n").readString("S", "K"),
              accents.substr(0, 2 * 254));

    const IniFile junk = IniFile::fromText(
        std::string("\x00\xff[\x01=\x02\r\n=\r\n[]\r\n=x\r\n[Settings\r\nK=v", 33));
    EXPECT_EQ(junk.readString("Settings", "K"), "");
    EXPECT_EQ(junk.readString("", ""), "x");
}

TEST(IniFileTest, WritesInPlaceAppendsKeysAndSections) {
    IniFile ini = IniFile::fromText(Sample);
    ini.writeValue("Settings", "DefaultUnits", "1");
    ini.writeValue("Settings", "NewKey", "new");
    ini.writeValue("FileMenu", "MaxLastFiles", "2");
    ini.writeValue("Graph", "GraphTitle", "two\r\nlines");
    EXPECT_EQ(ini.text(),
              "[Version]\r\nINIFileVersion=050817\r\n\r\n"
              "[Settings]\r\nDefaultUnits=1\r\n  Spaced Key  =  spaced value  \r\n"
              "Quoted=\"a, b\"\r\nNewKey=new\r\n\r\n[Graph]\r\nGraphTitle=two  lines\r\n"
              "[FileMenu]\r\nMaxLastFiles=2\r\n");

    // Blanks at an edge and quotes are written so that the value reads back as written.
    IniFile one;
    for (const char* v : {" lead", "trail\t", "'quoted'", "\"a, b\"", "\"", "'x\"", "plain"}) {
        one.writeValue("S", "K", v);
        EXPECT_EQ(IniFile::fromText(one.text()).readString("S", "K"), v) << one.text();
    }
    EXPECT_EQ(one.text(), "[S]\r\nK=plain\r\n");

    test::TempFolder dir;
    const std::string path = dir.file("KORA.INI");
    EXPECT_EQ(ReadIniString("S", "K", path, "dflt"), "dflt");
    EXPECT_TRUE(WriteIniValue("S", "K", "v", path));
    EXPECT_TRUE(WriteIniValue("S", "L", "", path));
    EXPECT_EQ(test::ReadBytes(path), "[S]\r\nK=v\r\nL=\r\n");
    EXPECT_EQ(ReadIniString("S", "K", path, "dflt"), "v");
    EXPECT_EQ(ReadIniString("S", "L", path, "dflt"), "dflt");
    EXPECT_FALSE(WriteIniValue("S", "K", "v", dir.folder())); // a folder cannot be written
}

} // namespace
} // namespace kora
