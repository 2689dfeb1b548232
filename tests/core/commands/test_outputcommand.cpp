#include "core/commands/korastate.h"
#include "core/commands/outputcommand.h"
#include "scriptedmessenger.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kora {
namespace {

ProjectRecord project() {
    ProjectRecord p;
    p.ProjectPath = "gate.KOR";
    p.ProjectTitle = "Gate";
    p.EntryHeight = 8;
    p.DepthOfCover = 900;
    p.PanelWidth = 1100;
    p.EntryWidth = 20;
    p.CrosscutSpacing = 110;
    p.NumEntries = 3;
    p.CenterDistance[1] = 90;
    p.CenterDistance[2] = 100;
    p.AdvGeometry = 1;
    p.XcutAngle[1] = 70;
    p.XcutAngle[2] = 80;
    p.XcutSpacing[1] = 100;
    p.XcutSpacing[2] = 120;
    p.ConfigMode = 1;
    p.YieldPillarWidth = 25;
    p.ProjectEmpty = false;
    return p;
}

struct Fixture {
    KoraState state;
    ProjectRecord& p = state.project;
    PlanGeometry& plan = state.plan;
    ReportBuffer& b = state.report;
    test::ScriptedMessenger m;

    Fixture() {
        p = project();
        for (auto& page : b.OutBuf) page = "previous";
        b.LastPage = 2;
    }
    bool run(int index) { return RunOutputCommand(static_cast<OutputCommand>(index), state, m); }
};

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(OutputCommandTest, EachCalculationFillsAllPages) {
    struct Case {
        int index;
        std::string heading;
        std::string listingPart;
        std::string notInListing;
    };
    const Case cases[] = {
        {0, "[KORA STABILITY FACTORS - STANDARD GEOMETRY]",
         "\r\nCrosscut Spacing..................................110 (ft)\r\n",
         "[ADVANCED GEOMETRY PARAMETERS]"},
        {1, "[KORA STABILITY FACTORS - ADVANCED GEOMETRY]",
         "\r\n[ADVANCED GEOMETRY PARAMETERS]\r\n", "\r\nCrosscut Spacing....."},
        {3, "[KORA PILLAR SIZING RESULTS]",
         "\r\n[PILLAR SIZING PARAMETERS]\r\nPillar Configuration Mode"
         ".........................Yield Abutment\r\n",
         "[ADVANCED GEOMETRY PARAMETERS]"},
    };
    for (const auto& c : cases) {
        Fixture f;
        ASSERT_TRUE(f.run(c.index)) << c.index;
        EXPECT_TRUE(f.m.boxes.empty());
        EXPECT_EQ(f.b.LastPage, 4);
        EXPECT_EQ(f.b.OutBuf[1].rfind(c.heading + "\r\n", 0), 0u) << f.b.OutBuf[1];
        EXPECT_EQ(f.b.OutBuf[0].rfind("KORA module build: ", 0), 0u);
        EXPECT_TRUE(has(f.b.OutBuf[0], "\r\nProject File: gate.KOR\r\n\r\n"));
        EXPECT_TRUE(has(f.b.OutBuf[0], c.listingPart)) << c.index << "\n" << f.b.OutBuf[0];
        EXPECT_FALSE(has(f.b.OutBuf[0], c.notInListing)) << c.index;
        for (int page = 2; page <= 4; ++page)
            EXPECT_NE(f.b.OutBuf[static_cast<std::size_t>(page)], "previous") << page;
        // The plan's geometry copy was refreshed from the project.
        EXPECT_EQ(f.plan.PlanEntries, 3);
        EXPECT_EQ(f.plan.PlanXcutSpacing, 110);
    }
}

TEST(OutputCommandTest, RefusalsLeaveTheReport) {
    struct Case {
        const char* name;
        void (*change)(ProjectRecord&);
        int index;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"empty", [](ProjectRecord& p) { p.ProjectEmpty = true; }, 0, {"Current file is empty"}},
        {"no advanced geometry",
         [](ProjectRecord& p) { p.AdvGeometry = 0; },
         1,
         {"Advanced geometry not defined"}},
        {"input check",
         [](ProjectRecord& p) { p.DepthOfCover = 0; },
         3,
         {"Invalid depth of cover"}},
        {"advanced check",
         [](ProjectRecord& p) { p.XcutAngle[2] = 45; },
         1,
         {"Invalid advanced geometry xcut angles #2"}},
        {"no calculation", [](ProjectRecord&) {}, 2, {}},
    };
    for (const auto& c : cases) {
        Fixture f;
        c.change(f.p);
        EXPECT_FALSE(f.run(c.index)) << c.name;
        EXPECT_EQ(f.m.texts(), c.messages) << c.name;
        for (const auto& page : f.b.OutBuf) EXPECT_EQ(page, "previous") << c.name;
    }
}

} // namespace
} // namespace kora
