#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/settings.h"
#include "core/model/workingset.h"
#include "core/report/buildstring.h"
#include "core/report/inputlisting.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

// A 3-entry English design as the parameters dialog leaves it.
ProjectRecord threeEntryProject() {
    ProjectRecord p;
    p.ProjectPath = "/home/eng/kora/Tailgate 3.KOR";
    p.ProjectTitle = "Tailgate 3";
    p.ProjectDescription = "Three-entry gate\r\n\r\n   \r\nsecond line";
    p.EntryHeight = 7.5f;
    p.DepthOfCover = 1000;
    p.PanelWidth = 1050;
    p.EntryWidth = 20;
    p.CrosscutSpacing = 110;
    p.NumEntries = 3;
    p.CenterDistance[1] = 80;
    p.CenterDistance[2] = 120.5f;
    p.XcutAngle[1] = 60;
    p.XcutAngle[2] = 75;
    p.XcutSpacing[1] = 100;
    p.XcutSpacing[2] = 0.5f;
    p.HeadgateSF = 1.3f;
    p.TailgateSF = 1.5f;
    p.BleederSF = 1.25f;
    p.CMRRValue = 45;
    p.YieldPillarWidth = 12.5f;
    p.ProjectEmpty = false;
    return p;
}

// Page 0 as the calculation (`mode` true) or the Print command writes it; page 1 is left alone.
std::string listing(bool mode, const ProjectRecord& p, const WorkingSet& w,
                    const Settings& s = Settings{}) {
    ReportBuffer b;
    b.OutBuf[0] = "old text";
    b.OutBuf[1] = "page one";
    LoadOutBuf0(mode, p, w, s, b);
    EXPECT_EQ(b.OutBuf[1], "page one");
    return b.OutBuf[0];
}

const std::string Header = "KORA module build: " + BuildString() +
                           "\r\nProject File: /home/eng/kora/Tailgate 3.KOR\r\n\r\n"
                           "Input Units:  (ft) (psi)\r\n\r\n";
const std::string TitleAndGeometry =
    "[PROJECT TITLE]\r\nTailgate 3\r\n\r\n"
    "[PROJECT DESCRIPTION]\r\nThree-entry gate\r\nsecond line\r\n\r\n"
    "[GEOMETRY PARAMETERS]\r\n"
    "Entry Height......................................7.5 (ft)\r\n"
    "Depth of Cover....................................1000 (ft)\r\n"
    "Panel Width.......................................1050 (ft)\r\n"
    "Entry Width.......................................20 (ft)\r\n"
    "Number of Entries.................................3\r\n"
    "Center to Center Distance #1......................80 (ft)\r\n"
    "Center to Center Distance #2......................120.5 (ft)\r\n";
const std::string Crosscut = "Crosscut Spacing..................................110 (ft)\r\n";
const std::string Advanced = "\r\n[ADVANCED GEOMETRY PARAMETERS]\r\n"
                             "Angle for Pillar Column#1.........................60 (deg)\r\n"
                             "Crosscut Spacing for Pillar Column#1..............100 (ft)\r\n"
                             "Angle for Pillar Column#2.........................75 (deg)\r\n"
                             "Crosscut Spacing for Pillar Column#2..............0.5 (ft)\r\n";
const std::string Defaults = "\r\n[DEFAULT PARAMETERS]\r\n"
                             "In Situ Coal Strength.............................900 (psi)\r\n"
                             "Abutment Angle....................................21 (deg)\r\n"
                             "Unit Weight of Overburden.........................162 (pcf)\r\n\r\n";

TEST(InputListingTest, CrosscutAndAdvancedBlockByModeAndFlags) {
    struct Case {
        bool mode;
        std::int16_t advGeometry, advCalc;
        std::string middle;
    };
    // clang-format off
    const Case cases[] = {
        // A calculation lists what it used: the advanced block replaces the crosscut spacing
        // only when the advanced calculation ran, whatever the project defines.
        {true, 0, 0, Crosscut}, {true, 1, 0, Crosscut}, {true, 1, 1, Advanced},
        {true, 0, 1, Advanced},
        // The Print command lists the crosscut spacing and adds the block when defined.
        {false, 0, 1, Crosscut}, {false, 1, 0, Crosscut + Advanced}};
    // clang-format on
    ProjectRecord p = threeEntryProject();
    WorkingSet w;
    for (const Case& c : cases) {
        p.AdvGeometry = c.advGeometry;
        w.AdvCalc = c.advCalc;
        EXPECT_EQ(listing(c.mode, p, w), Header + TitleAndGeometry + c.middle + Defaults)
            << "mode " << c.mode << " AdvGeometry " << c.advGeometry << " AdvCalc " << c.advCalc;
    }
}

TEST(InputListingTest, SizingBlockAfterASizingRun) {
    const std::string head = "[PILLAR SIZING PARAMETERS]\r\n"
                             "Pillar Configuration Mode.........................";
    const std::string factors = "Headgate Stability Factor.........................1.3\r\n"
                                "Tailgate Stability Factor.........................1.5\r\n"
                                "Bleeder  Stability Factor.........................1.25\r\n";
    const std::string cmrr = "Calculating Stability Factors from CMRR Values\r\n"
                             "CMRR Value:.......................................45\r\n";
    const std::string yield = "Yield Pillar Width................................12.5 (ft)\r\n";
    struct Case {
        std::int16_t configMode, useCMRR;
        std::string block;
    };
    // clang-format off
    const Case cases[] = {
        {0, 0, head + "Equal Sized Pillars\r\n" + factors},
        {2, 1, head + "Yield Abutment Yield\r\n" + cmrr + yield},
        {1, 0, head + "Yield Abutment\r\n" + factors + yield}, {3, 1, head + "2 Entry\r\n" + cmrr}};
    // clang-format on
    ProjectRecord p = threeEntryProject();
    WorkingSet w;
    w.SizingRun = true;
    for (const Case& c : cases) {
        p.ConfigMode = c.configMode;
        p.UseCMRR = c.useCMRR;
        EXPECT_EQ(listing(true, p, w),
                  Header + TitleAndGeometry + Crosscut + Defaults + c.block + "\r\n")
            << "ConfigMode " << c.configMode;
    }
}

TEST(InputListingTest, MetricOneEntryWithoutHeaderOrDescription) {
    ProjectRecord p;
    p.UnitSystem = 1;
    SetDefaultInputs(p);
    p.NumEntries = 1;
    p.CenterDistance[1] = 30; // not listed: no pillar column
    p.EntryHeight = 2.5f;
    p.DepthOfCover = 300;
    p.PanelWidth = 250;
    p.EntryWidth = 6;
    p.CrosscutSpacing = 30.48f;
    Settings s;
    s.PrintModuleHeader = 0;
    EXPECT_EQ(listing(false, p, WorkingSet{}, s),
              "[PROJECT TITLE]\r\n\r\n\r\n[PROJECT DESCRIPTION]\r\n\r\n\r\n"
              "[GEOMETRY PARAMETERS]\r\n"
              "Entry Height......................................2.5 (m)\r\n"
              "Depth of Cover....................................300 (m)\r\n"
              "Panel Width.......................................250 (m)\r\n"
              "Entry Width.......................................6 (m)\r\n"
              "Number of Entries.................................1\r\n"
              "Crosscut Spacing..................................30.48 (m)\r\n\r\n"
              "[DEFAULT PARAMETERS]\r\n"
              "In Situ Coal Strength.............................6.205283 (MPa)\r\n"
              "Abutment Angle....................................21 (deg)\r\n"
              "Unit Weight of Overburden.........................25.44648 (kN/m3)\r\n\r\n");
}

TEST(InputListingTest, ProjectFileLineWrapsAtSeventy) {
    const std::pair<std::string, std::string> cases[] = {
        // Too long, and the path's first blank lies beyond 70: broken after "Project File:",
        // the path then broken at its own blank.
        {"/home/engineering_department/longwall_projects/district_seven/gate roads/HG-7.KOR",
         "Project File:\r\n/home/engineering_department/longwall_projects/district_seven/gate\r\n"
         "roads/HG-7.KOR\r\n"},
        // 70 characters in all still fit on one line.
        {std::string(56, 'p'), "Project File: " + std::string(56, 'p') + "\r\n"}};
    ProjectRecord p = threeEntryProject();
    for (const auto& [path, lines] : cases) {
        p.ProjectPath = path;
        const std::string page = listing(true, p, WorkingSet{});
        const std::string expected = lines + "\r\nInput Units:  (ft) (psi)\r\n";
        const auto start = page.find("Project File:");
        ASSERT_NE(start, std::string::npos);
        EXPECT_EQ(page.substr(start, expected.size()), expected) << path;
    }
}

} // namespace
} // namespace kora
