#include "core/base/numberformat.h"
#include "core/commands/filecommands.h"
#include "core/commands/korastate.h"
#include "core/commands/outputcommand.h"
#include "core/export/resultsexport.h"
#include "scriptedmessenger.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace kora {
namespace {

using nlohmann::json;

constexpr const char* Conditions[] = {"development", "headgate", "bleeder", "tailgate", "isolated"};

// The numbers a report page prints, in order: every word that starts with a digit once the dot
// leaders ("Loading.......") are taken for blanks.
std::vector<std::string> numbersOf(std::string page) {
    for (std::size_t at; (at = page.find("..")) != std::string::npos;) {
        const std::size_t end = page.find_first_not_of('.', at);
        page.replace(at, end - at, " ");
    }
    std::vector<std::string> numbers;
    std::istringstream words(page);
    for (std::string w; words >> w;)
        if (w[0] >= '0' && w[0] <= '9') numbers.push_back(w);
    return numbers;
}

std::string section(const std::string& page, const std::string& from,
                    std::initializer_list<const char*> ends = {}) {
    std::string s = page.substr(page.find(from));
    for (const char* end : ends) s = s.substr(0, s.find(end));
    return s;
}

// What the report prints of the JSON's values, page by page, in the report's order.
struct Expected {
    std::vector<std::string> numbers;
    void add(const json& v, const char* pattern) {
        numbers.push_back(*pattern == '\0' ? FormatGeneral(v.get<float>())
                                           : Format(v.get<double>(), pattern));
    }
};

TEST(ResultsExportTest, ReportJsonHoldsTheReportsNumbers) {
    struct Case {
        const char* example;
        OutputCommand command;
        const char* calculation;
        std::function<void(KoraState&)> change;
    };
    const Case cases[] = {
        {"Example_3Entry_Standard.KOR", OutputCommand::Standard, "standard", nullptr},
        {"Example_3Entry_Standard.KOR", OutputCommand::Standard, "standard",
         [](KoraState& s) {
             s.settings.OutputStrUnits = 1;     // psf
             s.settings.OutputStrGradUnits = 1; // tons
         }},
        {"Example_4Entry_Advanced_Metric.KOR", OutputCommand::Advanced, "advanced", nullptr},
        {"Example_4Entry_Advanced_Metric.KOR", OutputCommand::Standard, "standard", nullptr},
        {"Example_YAY_Sizing_CMRR.KOR", OutputCommand::Sizing, "sizing", nullptr},
        {"Example_YAY_Sizing_CMRR.KOR", OutputCommand::Sizing, "sizing",
         [](KoraState& s) {
             s.project.UseCMRR = 0;
             s.project.ConfigMode = 0;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.example) + " " + c.calculation);
        KoraState s;
        test::ScriptedMessenger m;
        s.project.ProjectPath = std::string(KORA_EXAMPLES_DIR) + "/" + c.example;
        ASSERT_TRUE(FileOpen(s, m));
        if (c.change) c.change(s);
        ASSERT_TRUE(RunOutputCommand(c.command, s, m));
        const json j =
            json::parse(ReportJson(c.command, s.project, s.work, ReportOptions::from(s.settings)));
        const auto& page = s.report.OutBuf;
        EXPECT_EQ(j["calculation"], c.calculation);
        EXPECT_EQ(j["project"], s.project.ProjectPath);

        const json& u = j["units"];
        const std::string length = u["length"];
        EXPECT_NE(
            page[0].find("Input Units:  (" + length + ") (" + u["stress"].get<std::string>() + ")"),
            std::string::npos);
        EXPECT_NE(
            page[2].find("Unit Pillar Strength (" + u["pillarStress"].get<std::string>() + ")"),
            std::string::npos);
        const std::string load = u["loadPerLength"];
        EXPECT_EQ(load.substr(load.find('/') + 1), length);
        EXPECT_NE(page[3].find("(" + load.substr(0, load.find('/')) + ") / (" + length + ")"),
                  std::string::npos);

        const json& in = j["inputs"];
        Expected p0;
        for (const char* key : {"entryHeight", "depthOfCover", "panelWidth", "entryWidth"})
            p0.add(in[key], "");
        p0.add(in["numberOfEntries"], "0");
        for (const json& d : in["centerDistances"]) p0.add(d, "");
        if (in.contains("advancedGeometry")) {
            for (const json& a : in["advancedGeometry"]) {
                p0.add(a["angle"], "");
                p0.add(a["crosscutSpacing"], "");
            }
        } else {
            p0.add(in["crosscutSpacing"], "");
        }
        for (const char* key : {"coalStrength", "abutmentAngle", "unitWeight"}) p0.add(in[key], "");
        if (in.contains("sizing")) {
            const json& sz = in["sizing"];
            if (sz.contains("cmrr"))
                p0.add(sz["cmrr"], "");
            else
                for (const char* k : {"headgate", "tailgate", "bleeder"})
                    p0.add(sz["requiredStabilityFactors"][k], "");
            if (sz.contains("yieldPillarWidth")) p0.add(sz["yieldPillarWidth"], "");
        }
        EXPECT_EQ(numbersOf(section(page[0], "[GEOMETRY PARAMETERS]")), p0.numbers);

        Expected p1;
        std::size_t adjusted = 0;
        if (j.contains("sizing")) {
            if (in["sizing"].contains("yieldPillarWidth"))
                p1.add(in["sizing"]["yieldPillarWidth"], "");
            for (const char* model : {"classic", "revised"}) {
                for (const json& k : j["sizing"][model]["cases"]) {
                    p1.add(k["stabilityFactor"], "#.00");
                    p1.add(k["length"], "0.0");
                    p1.add(k["width"], "0.0");
                }
                adjusted += j["sizing"][model]["crosscutAdjusted"].get<bool>();
            }
        } else {
            for (const char* k : Conditions) {
                p1.add(j["stabilityFactors"]["classic"][k], "##0.00");
                p1.add(j["stabilityFactors"]["revised"][k], "##0.00");
            }
        }
        EXPECT_EQ(numbersOf(section(page[1], "[KORA", {"[NOTES]", "[WARNINGS]"})), p1.numbers);
        std::size_t notes = 0;
        for (std::size_t at = 0;
             (at = page[1].find("SPACING HAS BEEN ADJUSTED", at)) != std::string::npos; ++at)
            ++notes;
        EXPECT_EQ(notes, adjusted);

        Expected p2;
        const bool sizing = j.contains("sizing");
        auto block = [&](const json& b, bool geometry) {
            if (geometry) {
                p2.add(b["width"], "##0.0");
                p2.add(b["length"], "##0.0");
                p2.add(b["ratio"], "##0.00");
            }
            p2.add(b["strength"], "##0");
            p2.add(b["capacity"], "0.00E+00");
        };
        for (const json& pillar : j["pillars"]) {
            block(pillar["classic"], true);
            if (!sizing) block(pillar["revised"], false);
        }
        if (sizing)
            for (const json& pillar : j["pillars"]) block(pillar["revised"], true);
        p2.add(j["totalCapacity"]["classic"], "0.00E+00");
        p2.add(j["totalCapacity"]["revised"], "0.00E+00");
        EXPECT_EQ(numbersOf(page[2]), p2.numbers);

        Expected p3;
        for (const char* k : Conditions) p3.add(j["designLoads"][k], "#,000");
        EXPECT_EQ(numbersOf(page[3]), p3.numbers);

        Expected p4;
        for (const char* k : {"development", "headgate", "bleeder"})
            for (const json& pillar : j["pillars"]) p4.add(pillar["loading"][k], "0");
        for (const char* model : {"classic", "revised"})
            for (const json& pillar : j["pillars"]) p4.add(pillar[model]["strength"], "0");
        EXPECT_EQ(numbersOf(page[4]), p4.numbers);
    }
}

} // namespace
} // namespace kora
