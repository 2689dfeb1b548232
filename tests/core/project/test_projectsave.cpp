#include "core/project/projectfile.h"

#include "core/model/unitsystems.h"
#include "core/project/unitconversion.h"
#include "scriptedmessenger.h"
#include "tempfolder.h"
#include "thrown.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <filesystem>

namespace kora {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

std::vector<std::string> entries(const test::TempFolder& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

ProjectRecord changedProject(const std::string& path) {
    ProjectRecord p;
    p.ProjectPath = path;
    p.ProjectSaved = false;
    p.ProjectTitle = "Changed";
    p.ProjectDescription = "one\r\n\r\n  \r\ntwo, long enough to make the file larger than before";
    return p;
}

int saveError(ProjectRecord& p) {
    test::ScriptedMessenger m;
    return test::ThrownBy([&] { FileSave(p, m); }).number;
}

TEST(ProjectSaveTest, ReplacesTheFileKeepsItsModeAndFollowsLinks) {
    test::TempFolder dir;
    const std::string path = dir.write("gate.kor", "old contents");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, mode);
    ProjectRecord p = changedProject(path);
    test::ScriptedMessenger m;
    ASSERT_TRUE(FileSave(p, m));
    EXPECT_TRUE(p.ProjectSaved);
    EXPECT_EQ(p.ProjectDescription, "one\r\ntwo, long enough to make the file larger than before");
    EXPECT_EQ(m.history, std::vector<std::string>{"Saving: " + path});
    EXPECT_EQ(ReadBytes(path), ProjectFileText(p));
    EXPECT_EQ(fs::status(path).permissions(), mode);

    const std::string link = dir.file("link.kor");
    fs::create_symlink(path, link);
    ProjectRecord viaLink = changedProject(link);
    viaLink.ProjectTitle = "Through the link";
    ASSERT_TRUE(FileSave(viaLink, m));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(path), ProjectFileText(viaLink));
    EXPECT_EQ(entries(dir), (std::vector<std::string>{"gate.kor", "link.kor"})); // no temporary
    // A link to no file yet creates the file it names and stays a link.
    const std::string dangling = dir.file("dangling.kor");
    fs::create_symlink("new.kor", dangling);
    viaLink.ProjectPath = dangling;
    ASSERT_TRUE(FileSave(viaLink, m));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadBytes(dir.file("new.kor")), ProjectFileText(viaLink));
}

TEST(ProjectSaveTest, FailuresRaiseTheClassicErrorAndKeepTheProjectUnsaved) {
    test::TempFolder dir;
    ProjectRecord missing = changedProject(dir.file("no/such/folder/x.kor"));
    missing.ProjectSaved = true;
    EXPECT_EQ(saveError(missing), 76);
    EXPECT_FALSE(missing.ProjectSaved);

    fs::create_directory(dir.file("folder.kor"));
    ProjectRecord folder = changedProject(dir.file("folder.kor"));
    EXPECT_EQ(saveError(folder), 75);
    EXPECT_FALSE(folder.ProjectSaved);
    EXPECT_TRUE(fs::is_directory(dir.file("folder.kor")));

    ProjectRecord seven = changedProject(dir.write("seven.kor", "previous"));
    seven.NumEntries = 7;
    EXPECT_EQ(saveError(seven), 9);
    EXPECT_EQ(ReadBytes(dir.file("seven.kor")), "previous");

    // A read-only file (mode 444) in a writable folder is refused as a read-only folder is.
    ProjectRecord locked = changedProject(dir.write("locked.kor", "locked"));
    fs::permissions(locked.ProjectPath,
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(saveError(locked), 70);
    EXPECT_EQ(ReadBytes(locked.ProjectPath), "locked");
    EXPECT_EQ(entries(dir), (std::vector<std::string>{"folder.kor", "locked.kor", "seven.kor"}));
}

TEST(Round2Test, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(Round2(0.125), 0.12);
    EXPECT_EQ(Round2(-0.125), -0.12);
    EXPECT_EQ(Round2(2.675), 2.67); // 2.675 is stored just below the tie
    EXPECT_EQ(Round2(6.20530300), 6.21);
}

TEST(ConvertProjectUnitsTest, ThereAndBackRoundsToHundredths) {
    ProjectRecord p;
    p.ProjectPath = "/home/u/MyTERVA/gate.kor";
    p.ProjectSaved = true;
    p.NumEntries = 3;
    for (int i = 1; i <= 5; ++i) {
        p.CenterDistance[i] = 100;
        p.XcutSpacing[i] = 50;
        p.XcutAngle[i] = 75;
    }
    p.EntryHeight = 10;
    p.DepthOfCover = 20;
    p.PanelWidth = 30;
    p.EntryWidth = 40;
    p.CrosscutSpacing = 50;
    p.YieldPillarWidth = 1000;
    ASSERT_TRUE(ConvertProjectUnits(p, Metric));
    EXPECT_EQ(p.UnitSystem, Metric);
    EXPECT_FALSE(p.ProjectSaved);
    EXPECT_EQ(p.ProjectPath, "/home/u/MyTERVA/Metric_gate.kor");
    EXPECT_EQ(
        (std::vector<float>{p.EntryHeight, p.DepthOfCover, p.PanelWidth, p.EntryWidth,
                            p.CrosscutSpacing, p.YieldPillarWidth, p.CoalStrength, p.UnitWeight}),
        (std::vector<float>{3.05f, 6.10f, 9.14f, 12.19f, 15.24f, 304.8f, 6.21f, 25.45f}));
    // Only the columns in use change; angles, CMRR and factors have no unit.
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(p.CenterDistance[i], i <= 2 ? 30.48f : 100) << i;
        EXPECT_EQ(p.XcutSpacing[i], i <= 2 ? 15.24f : 50) << i;
        EXPECT_EQ(p.XcutAngle[i], 75) << i;
    }
    EXPECT_EQ(p.AbutmentAngle, 21);

    ASSERT_TRUE(ConvertProjectUnits(p, English));
    EXPECT_EQ(p.CoalStrength, 900.68f);
    EXPECT_EQ(p.UnitWeight, 162.02f);
    EXPECT_EQ(p.YieldPillarWidth, 1000.0f);
    EXPECT_EQ(p.ProjectPath, "/home/u/MyTERVA/English_Metric_gate.kor");
}

TEST(ConvertProjectUnitsTest, AValueBeyondTheSingleRangeChangesNothing) {
    ProjectRecord p;
    p.ProjectPath = "gate.kor";
    p.EntryHeight = 10;
    p.PanelWidth = FLT_MAX / 2;
    const test::Thrown e = test::ThrownBy([&] { ConvertProjectUnits(p, English); });
    EXPECT_EQ(e.number, 6);
    EXPECT_EQ(e.description, "Overflow");
    EXPECT_EQ(p.EntryHeight, 10);
    EXPECT_EQ(p.ProjectPath, "gate.kor");
    EXPECT_EQ(p.UnitSystem, English);
    EXPECT_TRUE(ConvertProjectUnits(p, Metric)); // the other direction makes it smaller
}

} // namespace
} // namespace kora
