#include "core/commands/korastate.h"
#include "core/commands/outputcommand.h"
#include "testprojects.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

// The worked example with angled crosscuts and a yield pillar, after an earlier report.
struct Fixture {
    KoraState state;
    ProjectRecord& p = state.project;
    ReportBuffer& b = state.report;
    test::ScriptedMessenger m;

    Fixture() {
        p = test::WithAngles(test::WorkedExample(), {70, 80}, {100, 120});
        p.ProjectPath = "gate.KOR";
        p.ConfigMode = 1;
        p.YieldPillarWidth = 25;
        b.OutBuf.fill("previous");
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
        std::string heading, listingPart, notInListing, history;
    };
    const Case cases[] = {{0, "[KORA STABILITY FACTORS - STANDARD GEOMETRY]",
                           "\r\nCrosscut Spacing..................................100 (ft)\r\n",
                           "[ADVANCED GEOMETRY PARAMETERS]", "KORA stability factors calculated"},
                          {1, "[KORA STABILITY FACTORS - ADVANCED GEOMETRY]",
                           "\r\n[ADVANCED GEOMETRY PARAMETERS]\r\n", "\r\nCrosscut Spacing.....",
                           "KORA stability factors calculated"},
                          {3, "[KORA PILLAR SIZING RESULTS]",
                           "\r\n[PILLAR SIZING PARAMETERS]\r\nPillar Configuration Mode"
                           ".........................Yield Abutment\r\n",
                           "[ADVANCED GEOMETRY PARAMETERS]", "KORA pillar sizing calculated"}};
    for (const Case& c : cases) {
        Fixture f;
        ASSERT_TRUE(f.run(c.index)) << c.index;
        EXPECT_TRUE(f.m.boxes.empty());
        EXPECT_EQ(f.b.LastPage, 4);
        EXPECT_TRUE(f.b.OutBuf[1].starts_with(c.heading + "\r\n")) << f.b.OutBuf[1];
        EXPECT_TRUE(f.b.OutBuf[0].starts_with("KORA module build: "));
        EXPECT_TRUE(has(f.b.OutBuf[0], "\r\nProject File: gate.KOR\r\n\r\n"));
        EXPECT_TRUE(has(f.b.OutBuf[0], c.listingPart)) << c.index << "\n" << f.b.OutBuf[0];
        EXPECT_FALSE(has(f.b.OutBuf[0], c.notInListing)) << c.index;
        for (int page = 2; page <= 4; ++page) EXPECT_NE(f.b.OutBuf[page], "previous") << page;
        EXPECT_EQ(f.m.history,
                  (std::vector<std::string>{c.history, "Additional output calculated"}));
        // The plan's geometry copy was refreshed from the project.
        EXPECT_EQ(f.state.plan.PlanEntries, 3);
        EXPECT_EQ(f.state.plan.PlanXcutSpacing, 100);
        EXPECT_EQ(f.state.plan.DrawXcutAngle[2], 80);
    }
}

TEST(OutputCommandTest, RefusalsLeaveTheReport) {
    struct Case {
        void (*change)(ProjectRecord&);
        int index;
        std::vector<std::string> messages;
    };
    using P = ProjectRecord&;
    const Case cases[] = {
        {[](P p) { p.ProjectEmpty = true; }, 0, {"Current file is empty"}},
        {[](P p) { p.AdvGeometry = 0; }, 1, {"Advanced geometry not defined"}},
        {[](P p) { p.DepthOfCover = 0; }, 3, {"Invalid depth of cover"}},
        {[](P p) { p.XcutAngle[2] = 45; }, 1, {"Invalid advanced geometry xcut angles #2"}},
        {[](P) {}, 2, {}}}; // no calculation has that number
    for (const Case& c : cases) {
        Fixture f;
        c.change(f.p);
        EXPECT_FALSE(f.run(c.index)) << c.index;
        EXPECT_EQ(f.m.texts(), c.messages) << c.index;
        for (const auto& page : f.b.OutBuf) EXPECT_EQ(page, "previous") << c.index;
    }
}

} // namespace
} // namespace kora
