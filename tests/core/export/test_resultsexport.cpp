#include "core/base/numberformat.h"
#include "core/commands/filecommands.h"
#include "core/commands/korastate.h"
#include "core/commands/outputcommand.h"
#include "core/export/resultsexport.h"
#include "scriptedmessenger.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace kora {
namespace {

using nlohmann::json;
using Numbers = std::vector<std::string>;

constexpr const char* Conditions[] = {"development", "headgate", "bleeder", "tailgate", "isolated"};

// The numbers a report text prints, in order: every word that starts with a digit once the dot
// leaders ("Loading.......") are taken for blanks; from `from` up to "[NOTES]" or `end`.
Numbers numbersOf(std::string text, const char* from = "", const char* end = "\x01") {
    text = text.substr(text.find(from));
    text = text.substr(0, std::min(text.find("[NOTES]"), text.find(end)));
    std::string words;
    for (std::size_t i = 0; i < text.size(); ++i)
        words +=
            text[i] == '.' && ((i > 0 && text[i - 1] == '.') || text[i + 1] == '.') ? ' ' : text[i];
    Numbers numbers;
    std::istringstream in(words);
    for (std::string w; in >> w;)
        if (w[0] >= '0' && w[0] <= '9') numbers.push_back(w);
    return numbers;
}

TEST(ResultsExportTest, ReportJsonHoldsTheNumbersTheReportPrints) {
    struct Case {
        const char* example;
        OutputCommand command;
        int strUnits, gradUnits, useCMRR; // report options (psf, tons) and the sizing input
    };
    const Case cases[] = {
        {"Example_3Entry_Standard.KOR", OutputCommand::Standard, 0, 0, 0},
        {"Example_3Entry_Standard.KOR", OutputCommand::Standard, 1, 1, 0},
        {"Example_4Entry_Advanced_Metric.KOR", OutputCommand::Advanced, 0, 0, 0},
        {"Example_YAY_Sizing_CMRR.KOR", OutputCommand::Sizing, 0, 0, 1},
        {"Example_YAY_Sizing_CMRR.KOR", OutputCommand::Sizing, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.example << " " << int(c.command) << c.strUnits);
        KoraState s;
        test::ScriptedMessenger m;
        s.project.ProjectPath = std::string(KORA_EXAMPLES_DIR) + "/" + c.example;
        ASSERT_TRUE(FileOpen(s, m));
        s.settings.OutputStrUnits = std::int16_t(c.strUnits);
        s.settings.OutputStrGradUnits = std::int16_t(c.gradUnits);
        s.project.UseCMRR = std::int16_t(c.useCMRR);
        ASSERT_TRUE(RunOutputCommand(c.command, s, m));
        EXPECT_TRUE(m.boxes.empty());
        EXPECT_EQ(s.report.OutBuf[1].find("[WARNINGS]"), std::string::npos); // no warning
        const json j =
            json::parse(ReportJson(c.command, s.project, s.work, ReportOptions::from(s.settings)));
        const auto& page = s.report.OutBuf;
        Numbers expected;
        auto add = [&](const json& v, const char* pattern = nullptr) {
            expected.push_back(pattern ? Format(v.get<double>(), pattern)
                                       : FormatGeneral(v.get<float>()));
        };
        auto take = [&] { return std::exchange(expected, {}); };

        // Units as the pages name them.
        const json& u = j["units"];
        const std::string length = u["length"], perLength = u["loadPerLength"];
        const std::size_t slash = perLength.find('/');
        const std::string load = std::string("(")
                                     .append(perLength, 0, slash)
                                     .append(") / (")
                                     .append(perLength, slash + 1)
                                     .append(")");
        EXPECT_NE(page[0].find("Input Units:  (" + length + ") (" + u.value("stress", "") + ")"),
                  std::string::npos);
        EXPECT_NE(page[2].find("Strength (" + u.value("pillarStress", "") + ")"),
                  std::string::npos);
        EXPECT_NE(page[3].find(load), std::string::npos) << load;

        // Page 0 from the geometry on.
        const json& in = j["inputs"];
        for (const char* key : {"entryHeight", "depthOfCover", "panelWidth", "entryWidth"})
            add(in[key]);
        add(in["numberOfEntries"], "0");
        for (const json& d : in["centerDistances"]) add(d);
        for (const json& a : in.value("advancedGeometry", json::array())) {
            add(a["angle"]);
            add(a["crosscutSpacing"]);
        }
        if (!in.contains("advancedGeometry")) add(in["crosscutSpacing"]);
        for (const char* key : {"coalStrength", "abutmentAngle", "unitWeight"}) add(in[key]);
        const json sizingIn = in.value("sizing", json::object());
        if (sizingIn.contains("cmrr")) add(sizingIn["cmrr"]);
        for (const char* k : {"headgate", "tailgate", "bleeder"})
            if (sizingIn.contains("requiredStabilityFactors"))
                add(sizingIn["requiredStabilityFactors"][k]);
        if (sizingIn.contains("yieldPillarWidth")) add(sizingIn["yieldPillarWidth"]);
        EXPECT_EQ(numbersOf(page[0], "[GEOMETRY"), take());

        // Page 1: the factors, or the sized pillars and which passes adjusted the crosscuts.
        std::size_t adjusted = 0;
        if (j.contains("sizing")) {
            if (sizingIn.contains("yieldPillarWidth")) add(sizingIn["yieldPillarWidth"]);
            for (const char* model : {"classic", "revised"}) {
                for (const json& k : j["sizing"][model]["cases"]) {
                    add(k["stabilityFactor"], "#.00");
                    add(k["length"], "0.0");
                    add(k["width"], "0.0");
                }
                adjusted += j["sizing"][model]["crosscutAdjusted"].get<bool>();
            }
        } else {
            for (const char* k : Conditions)
                for (const char* model : {"classic", "revised"})
                    add(j["stabilityFactors"][model][k], "##0.00");
        }
        EXPECT_EQ(numbersOf(page[1], "[KORA", "[WARNINGS]"), take());
        for (std::size_t at = page[1].find("ADJUSTED"); at != std::string::npos;
             at = page[1].find("ADJUSTED", at + 1))
            --adjusted; // one note per adjusting pass
        EXPECT_EQ(adjusted, 0u);

        // Pages 2 to 4: pillar blocks (after sizing the (R) pass's own pillars follow), totals,
        // design loads, pillar loading.
        const bool sizing = j.contains("sizing");
        auto block = [&](const json& b, bool geometry) {
            if (geometry) {
                add(b["width"], "##0.0");
                add(b["length"], "##0.0");
                add(b["ratio"], "##0.00");
            }
            add(b["strength"], "##0");
            add(b["capacity"], "0.00E+00");
        };
        for (const json& pillar : j["pillars"]) {
            block(pillar["classic"], true);
            if (!sizing) block(pillar["revised"], false);
        }
        for (const json& pillar : j["pillars"])
            if (sizing) block(pillar["revised"], true);
        add(j["totalCapacity"]["classic"], "0.00E+00");
        add(j["totalCapacity"]["revised"], "0.00E+00");
        EXPECT_EQ(numbersOf(page[2]), take());
        for (const char* k : Conditions) add(j["designLoads"][k], "#,000");
        EXPECT_EQ(numbersOf(page[3]), take());
        for (const char* k : {"development", "headgate", "bleeder"})
            for (const json& pillar : j["pillars"]) add(pillar["loading"][k], "0");
        for (const char* model : {"classic", "revised"})
            for (const json& pillar : j["pillars"]) add(pillar[model]["strength"], "0");
        EXPECT_EQ(numbersOf(page[4]), take());
    }
}

} // namespace
} // namespace kora
