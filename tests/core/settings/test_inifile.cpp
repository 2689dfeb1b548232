#include "core/settings/inifile.h"

#include "tempfolder.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

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
