#include "core/base/numberformat.h"
#include "core/engine/capacityreport.h"
#include "testprojects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kora {
namespace {

using test::EngineRun;
using test::Occurrences;
using test::WorkedExample;

std::vector<std::string> lines(const std::string& s) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (auto pos = s.find("\r\n"); pos != std::string::npos; pos = s.find("\r\n", start)) {
        out.push_back(s.substr(start, pos - start));
        start = pos + 2;
    }
    return out;
}

// The text after the dots of the first row that consists of `label` and dots up to the value.
std::string rowValue(const std::string& page, const std::string& label) {
    for (const std::string& row : lines(page)) {
        if (row.rfind(label, 0) != 0 || row.size() <= label.size() || row[label.size()] != '.')
            continue;
        const auto value = row.find_first_not_of('.', label.size());
        EXPECT_EQ(value, 65u) << row;
        return value == std::string::npos ? std::string() : row.substr(value);
    }
    return "(no row " + label + ")";
}

bool contains(const std::string& s, const std::string& what) {
    return s.find(what) != std::string::npos;
}

TEST(CapacityReportTest, CapacityInTonsPerFoot) {
    EngineRun r;
    r.options.OutputStrGradUnits = 1;
    ASSERT_TRUE(r.run(OutputCommand::Standard, WorkedExample()));
    // 29,196,288 lb/ft of gate entry is 14,598 tons/ft.
    EXPECT_EQ(
        rowValue(r.report.OutBuf[2], "  Pillar Load Bearing Capacity (tons) / (ft) of gate entry"),
        "1.46E+04");
    EXPECT_FLOAT_EQ(r.w.CapacityOut[1], 14598.144f);
    EXPECT_FLOAT_EQ(r.w.TotalCapacityOut, 29196.288f);
    EXPECT_TRUE(contains(r.report.OutBuf[3],
                         "[DESIGN LOADINGS ON PILLAR SYSTEM (tons) / (ft) of gate entry]\r\n\r\n"
                         "    Development Loading................................16,200\r\n"));
}

TEST(CapacityReportTest, ThreeEntryAnalysisHasTwoBlocksAndTwoColumns) {
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Standard, WorkedExample()));
    const std::string& s = r.report.OutBuf[2];
    EXPECT_EQ(Occurrences(s, "PILLAR #"), 2u);
    EXPECT_EQ(Occurrences(s, "  Unit Pillar Strength (psi)"), 2u);
    EXPECT_EQ(Occurrences(s, "  Unit Pillar Strength (R) (psi)"), 2u);
    EXPECT_EQ(Occurrences(s, "(Revised Pillar Strengh)"), 0u);
    EXPECT_TRUE(
        contains(r.report.OutBuf[4], "\r\n   CONDITION                #1           #2\r\n"));
    // Development load per plan area: 100 x 32,400,000 x 100 / (200 x 80 x 80) psf.
    EXPECT_EQ(r.w.UnitLoad[1][1], 253125.0f);
    EXPECT_TRUE(
        contains(r.report.OutBuf[4], "\r\nDevelopment               1758         1758\r\n"));
}

TEST(CapacityReportTest, SizingPrintsClassicThenRevisedBlocks) {
    ProjectRecord p = WorkedExample();
    p.ConfigMode = 2;
    p.YieldPillarWidth = 10;
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Sizing, p));
    const std::string& s = r.report.OutBuf[2];
    EXPECT_EQ(
        s.rfind("[PILLAR LOAD BEARING CAPACITY FOR TAILGATE LOADING]\r\n\r\nPILLAR #1\r\n", 0), 0u);
    std::vector<std::size_t> heads;
    for (const char* h :
         {"PILLAR #1\r\n", "PILLAR #2\r\n", "PILLAR #3\r\n",
          "PILLAR #1 (Revised Pillar Strengh)\r\n", "PILLAR #2 (Revised Pillar Strengh)\r\n",
          "PILLAR #3 (Revised Pillar Strengh)\r\n"}) {
        heads.push_back(s.find(h));
        ASSERT_NE(heads.back(), std::string::npos) << h;
    }
    for (std::size_t i = 1; i < heads.size(); ++i) EXPECT_LT(heads[i - 1], heads[i]);
    // Classic blocks carry no (R) rows; (R) blocks no Classic strength.
    EXPECT_GT(s.find("(R)"), heads[3]);
    EXPECT_EQ(Occurrences(s, "  Unit Pillar Strength (psi)"), 3u);
    EXPECT_EQ(Occurrences(s, "  Unit Pillar Strength (R) (psi)"), 3u);
    // The (R) blocks show the (R) pass's pillars with their own width/height ratio.
    const std::string ratio = "  Width/Height Ratio............................................." +
                              Format(double(r.w.PillarWidthAlt[2]) / r.w.WkHeight, "##0.00") +
                              "\r\n";
    EXPECT_GT(s.find(ratio), heads[4]);
    EXPECT_TRUE(contains(r.report.OutBuf[4],
                         "   CONDITION                #1           #2           #3\r\n"));
}

TEST(CapacityReportTest, SharesOfTheSideAbutmentLoad) {
    ProjectRecord p = WorkedExample();
    p.NumEntries = 6;
    const float centres[] = {50, 60, 70, 45, 55};
    for (int i = 1; i <= 5; ++i) p.CenterDistance[i] = centres[i - 1];
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Standard, p));
    EXPECT_EQ(r.w.IncShare[1], r.w.CumShare[1]);
    double sum = 0;
    for (int j = 1; j <= 5; ++j) {
        EXPECT_GT(r.w.IncShare[j], 0.0f);
        sum += r.w.IncShare[j];
    }
    EXPECT_NEAR(sum, r.w.CumShare[5], 1e-6);
    // The whole system's cumulative share is its share of the side abutment load.
    EXPECT_EQ(r.w.CumShare[5], r.w.AbutFraction);
}

TEST(CapacityReportTest, AdvancedAbutmentLoadIsNotDividedByTheShare) {
    ProjectRecord p = WorkedExample();
    EngineRun standard, advanced;
    ASSERT_TRUE(standard.run(OutputCommand::Standard, p));
    p.AdvGeometry = 1;
    for (int i = 1; i <= 2; ++i) {
        p.XcutAngle[i] = 90;
        p.XcutSpacing[i] = 100;
    }
    ASSERT_TRUE(advanced.run(OutputCommand::Advanced, p));
    ASSERT_LT(standard.w.AbutFraction, 1.0f);
    for (int k = 2; k <= 5; ++k) {
        const double std = standard.w.UnitLoad[k][1] - standard.w.UnitLoad[1][1];
        const double adv = advanced.w.UnitLoad[k][1] - advanced.w.UnitLoad[1][1];
        EXPECT_NEAR(adv, std * standard.w.AbutFraction, 0.1) << k;
    }
}

TEST(CapacityReportTest, DesignLoadsAlignedToTheWidestValue) {
    ProjectRecord p = WorkedExample();
    p.NumEntries = 2;
    p.CenterDistance[1] = 60;
    p.DepthOfCover = 80;
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Standard, p));
    const auto rows = lines(r.report.OutBuf[3]);
    ASSERT_EQ(rows.size(), 10u);
    // 60 x 80 x 162 lb/ft under the development loading; the isolated loading has 7 digits.
    EXPECT_EQ(rows[2], "    Development Loading................................  777,600");
    for (int k = 3; k <= 6; ++k)
        EXPECT_EQ(rows[static_cast<std::size_t>(k)].size(), rows[2].size());
    EXPECT_EQ(rows[6].substr(0, 58), "    Isolated Loading...................................1,1");
}

struct OptionCase {
    const char* name;
    bool metric;
    std::int16_t strUnits, gradUnits;
    const char* stressLabel;
    const char* loadLabel;
    double stressFactor; // output per psf
    double loadFactor;   // output per lb/ft
};

class OutputUnitsTest : public ::testing::TestWithParam<OptionCase> {};

TEST_P(OutputUnitsTest, LabelsAndCopies) {
    const OptionCase& c = GetParam();
    ProjectRecord p = WorkedExample();
    if (c.metric) p = test::MetricFromFeet(p);
    EngineRun r;
    r.options.OutputStrUnits = c.strUnits;
    r.options.OutputStrGradUnits = c.gradUnits;
    ASSERT_TRUE(r.run(OutputCommand::Standard, p));
    const std::string length = c.metric ? " (m)" : " (ft)";
    const std::string& s2 = r.report.OutBuf[2];
    EXPECT_TRUE(contains(s2, "\r\n  Unit Pillar Strength" + std::string(c.stressLabel) + "...."));
    EXPECT_TRUE(contains(s2, "\r\n  Pillar Load Bearing Capacity (R)" + std::string(c.loadLabel) +
                                 " /" + length + " of gate entry..."));
    EXPECT_TRUE(contains(s2, "\r\n  Total Load" + std::string(c.loadLabel) + " /" + length));
    EXPECT_EQ(r.report.OutBuf[3].rfind("[DESIGN LOADINGS ON PILLAR SYSTEM" +
                                           std::string(c.loadLabel) + " /" + length +
                                           " of gate entry]\r\n",
                                       0),
              0u);
    EXPECT_EQ(r.report.OutBuf[4].rfind(
                  "[INDIVIDUAL PILLAR LOADING" + std::string(c.stressLabel) + "]\r\n", 0),
              0u);
    for (int j = 1; j <= 2; ++j) {
        EXPECT_FLOAT_EQ(r.w.UnitStrengthOut[j], float(r.w.UnitStrength[j] * c.stressFactor));
        EXPECT_FLOAT_EQ(r.w.UnitStrengthROut[j], float(r.w.UnitStrengthR[j] * c.stressFactor));
        EXPECT_FLOAT_EQ(r.w.CapacityOut[j], float(r.w.Capacity[j] * c.loadFactor));
        EXPECT_FLOAT_EQ(r.w.CapacityROut[j], float(r.w.CapacityR[j] * c.loadFactor));
        for (int k = 1; k <= 3; ++k)
            EXPECT_FLOAT_EQ(r.w.UnitLoadOut[k][j], float(r.w.UnitLoad[k][j] * c.stressFactor));
    }
    EXPECT_FLOAT_EQ(r.w.TotalCapacityOut, float(r.w.TotalCapacity * c.loadFactor));
    EXPECT_FLOAT_EQ(r.w.TotalCapacityROut, float(r.w.TotalCapacityR * c.loadFactor));
    if (c.metric) {
        EXPECT_EQ(rowValue(s2, "  for Pillar Width (m)"), "24.4"); // 80 ft
    }
}

constexpr double KPaPerPsf = 6894.757293 / 144 / 1000;
constexpr double KNmPerLbft = 0.01459389924341607;

INSTANTIATE_TEST_SUITE_P(
    Cases, OutputUnitsTest,
    ::testing::Values(OptionCase{"PsiLbs", false, 0, 0, " (psi)", " (lbs)", 1.0 / 144, 1},
                      OptionCase{"PsfLbs", false, 1, 0, " (psf)", " (lbs)", 1, 1},
                      OptionCase{"PsiTons", false, 0, 1, " (psi)", " (tons)", 1.0 / 144, 0.0005},
                      OptionCase{"PsfTons", false, 1, 1, " (psf)", " (tons)", 1, 0.0005},
                      OptionCase{"MetricIgnoresOptions", true, 1, 1, " (kPa)", " (kN)", KPaPerPsf,
                                 KNmPerLbft}),
    test::CaseName());

TEST(CapacityReportTest, OtherOptionValuesKeepTheCopies) {
    EngineRun r;
    r.options.OutputStrUnits = 2;
    r.options.OutputStrGradUnits = 2;
    for (int j = 1; j <= 2; ++j) {
        r.w.UnitStrengthOut[j] = 111;
        r.w.CapacityOut[j] = 222;
        r.w.UnitLoadOut[1][j] = 333;
    }
    r.w.TotalCapacityOut = 444;
    ASSERT_TRUE(r.run(OutputCommand::Standard, WorkedExample()));
    EXPECT_EQ(r.w.UnitStrengthOut[1], 111.0f);
    EXPECT_EQ(r.w.CapacityOut[2], 222.0f);
    EXPECT_EQ(r.w.UnitLoadOut[1][2], 333.0f);
    EXPECT_EQ(r.w.TotalCapacityOut, 444.0f);
    EXPECT_EQ(r.w.UnitLoad[1][1], 253125.0f); // the loads themselves are still computed
    // No stress unit is claimed for the kept copies; loads stay in lbs.
    EXPECT_EQ(rowValue(r.report.OutBuf[2], "  Unit Pillar Strength"), "111");
    EXPECT_EQ(rowValue(r.report.OutBuf[2], "  Total Load (lbs) / (ft) of gate entry"), "4.44E+02");
    EXPECT_EQ(r.report.OutBuf[4].rfind("[INDIVIDUAL PILLAR LOADING]\r\n", 0), 0u);
    EXPECT_TRUE(contains(r.report.OutBuf[3],
                         "    Development Loading................................32,400,000\r\n"));
}

TEST(CapacityReportTest, PlotReminderOnlyWhenAskedFor) {
    const std::string reminder =
        "\r\n\r\nTo view the distribution of Unit Pillar Loading\r\n"
        "select 'View Plots->Settings->Unit Pillar Loading'\r\n"
        "To view the distribution of Load Bearing Capacity\r\n"
        "select 'View Plots->Settings->Load Bearing Capacity'\r\n\r\n\r\n\r\n";
    for (std::int16_t option : {0, 1, 2}) {
        EngineRun r;
        r.options.PrintPlotReminder = option;
        ASSERT_TRUE(r.run(OutputCommand::Standard, WorkedExample()));
        const std::string& s = r.report.OutBuf[2];
        EXPECT_EQ(s.size() >= reminder.size() &&
                      s.compare(s.size() - reminder.size(), reminder.size(), reminder) == 0,
                  option == 1);
        EXPECT_EQ(s.substr(s.size() - 10),
                  option == 1 ? "y'\r\n\r\n\r\n\r\n" : "07\r\n\r\n\r\n\r\n");
    }
}

TEST(CapacityReportTest, OtherKindsAppendToThePreviousPage) {
    EngineRun r;
    ASSERT_TRUE(r.run(OutputCommand::Standard, WorkedExample()));
    const std::string first = r.report.OutBuf[2];
    ReportLoadCapacity(3, WorkedExample(), r.w, r.report, r.options, r.messenger);
    EXPECT_EQ(r.report.OutBuf[2], first + first.substr(first.find("PILLAR #1")));
    EXPECT_EQ(r.messenger.history.back(), "Additional output calculated");
}

} // namespace
} // namespace kora
