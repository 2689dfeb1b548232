#include "core/project/parameterfields.h"

#include "core/engine/kernel.h"
#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/unitsystems.h"
#include "core/project/fieldchecks.h"
#include "scriptedmessenger.h"

#include "golden.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kora {
namespace {

// The form of a project that passes every check: 3 entries, standard geometry.
ParameterForm validForm() {
    ProjectRecord p;
    p.EntryHeight = 7;
    p.DepthOfCover = 500;
    p.PanelWidth = 800;
    p.EntryWidth = 20;
    p.CrosscutSpacing = 100;
    p.NumEntries = 3;
    p.CenterDistance[1] = 80;
    p.CenterDistance[2] = 90;
    return ParameterFormOf(p);
}

// The boxes given new texts ("box=text;..."): every ";"-separated change of the form.
ParameterForm changed(const char* changes, int config) {
    ParameterForm form = validForm();
    std::string all = changes;
    for (std::size_t start = 0, end; start < all.size(); start = end + 1) {
        end = std::min(all.find(';', start), all.size());
        const std::string change = all.substr(start, end - start);
        form.text[change.substr(0, change.find('='))] = change.substr(change.find('=') + 1);
    }
    form.configMode = config;
    return form;
}

// Each row's first failing check, as "changes (mode) -> tab box: message" (tabs 0 Standard,
// 1 Defaults, 2 Sizing, 3 Advanced), in
// golden/parameters/validation.txt. Boundaries pass; a spacing alone is no advanced geometry; the
// yield width is needed only with yield pillars; no entries, no column checks.
TEST(ValidateParameterFields, TheFirstFailingCheckNamesItsMessageTabAndBox) {
    const std::pair<const char*, int> rows[] = {
        {"", 0},
        {"Text1=x;Text2=", 0},
        {"Text2=", 0},
        {"Text4=0.5", 0},
        {"Text4=400", 0},
        {"Text5=0", 0},
        {"txtCoalStrength=0", 0},
        {"txtAbutmentAngle=91", 0},
        {"txtUnitWeight=0", 0},
        {"Text10=0.05", 0},
        {"Text12= ", 0},
        {"Text13=;Text16=x", 0},
        {"Text16=0", 1},
        {"Text16=3x0", 0},
        {"Text14_2=0", 0},
        {"Text14_1=20", 0},
        {"Text22_1=60;Text23_1=100;Text22_2=60;Text23_2=0", 0},
        {"Text22_1=60;Text23_1=100;Text23_2=100", 0},
        {"Text22_1=44;Text23_1=100", 0},
        {"Text10=0.1;Text11=10;txtAbutmentAngle=90;Text16=0;Text22_1=45;Text23_1=100;"
         "Text22_2=90;Text23_2=110",
         3},
        {"Text23_1=100;Text23_2=0", 0},
        {"Text6=0;Text14_1=0", 0}};
    std::string results;
    for (const auto& [changes, config] : rows) {
        const std::optional<FieldFailure> f =
            ValidateParameterFields(changed(changes, config), English);
        results += std::string(changes) + " (" + std::to_string(config) + ") -> " +
                   (f ? std::to_string(int(f->tab)) + " " + f->box + ": " + f->message : "passes") +
                   "\n";
    }
    test::ExpectGolden("parameters/validation.txt", results);
    EXPECT_EQ(ValidateParameterFields(changed("Text4=0", 0), Metric)->message,
              "Invalid entry width. Should be >= 1  (m)");
}

TEST(ParameterForm, BoxesLeftAsOpenedKeepTheProjectsValuesTypedOnesStoreWhatWasTyped) {
    ProjectRecord p;
    p.NumEntries = 2;
    p.DepthOfCover = 1234.5678f; // shown as 1234.568
    p.CoalStrength = 6.2053f;    // shown as 6.21
    p.HeadgateSF = 1.3f;
    p.CenterDistance[1] = 80;
    p.CenterDistance[2] = 44; // beyond the columns shown
    const ParameterForm opened = ParameterFormOf(p);
    EXPECT_EQ(opened.at("Text2"), "1234.568");
    EXPECT_EQ(opened.at("txtCoalStrength"), "6.21");
    EXPECT_EQ(opened.at("Text14_2"), "");
    EXPECT_FALSE(ParameterFieldsChanged(opened, opened, p));

    ParameterForm form = opened;
    form.text["Text10"] = "1.30"; // typed, but the same Single
    form.text["txtCoalStrength"] = "6.22";
    EXPECT_TRUE(ParameterFieldsChanged(form, opened, p));
    form.text["txtCoalStrength"] = "6.21"; // the text shown, typed again
    EXPECT_FALSE(ParameterFieldsChanged(form, opened, p));

    // Four entries: the new columns take what their boxes hold; back to two stores column 1 only.
    form.text["Text6"] = "4";
    form.text["Text14_2"] = "95";
    EXPECT_TRUE(ParameterFieldsChanged(form, opened, p));
    form.text["Text6"] = "2";
    form.text["Text1"] = "8.5";
    ProjectRecord stored = p;
    StoreParameterFields(form, opened, stored);
    EXPECT_EQ(stored.EntryHeight, 8.5f);
    EXPECT_EQ(stored.DepthOfCover, 1234.5678f);
    EXPECT_EQ(stored.CoalStrength, 6.2053f);
    EXPECT_EQ(stored.NumEntries, 2);
    EXPECT_EQ(stored.CenterDistance[2], 44);

    // A project with more entries than the list offers opens on the nearest count, as a change.
    p.NumEntries = 6;
    const ParameterForm six = ParameterFormOf(p);
    EXPECT_EQ(six.at("Text6"), "5");
    EXPECT_EQ(six.at("Text14_4"), "0");
    EXPECT_TRUE(ParameterFieldsChanged(six, six, p));
}

TEST(ParameterForm, ThePlanViewTakesTheGeometryAsTyped) {
    ParameterForm form = validForm();
    form.text["Text14_1"] = "100";
    form.text["Text22_2"] = "60";
    form.advanced = 1;
    PlanGeometry g;
    SaveFormGeometry(form, g);
    EXPECT_EQ((std::vector<float>{g.PlanEntryWidth, g.PlanXcutSpacing, g.PlanCenterDistance[1],
                                  g.DrawXcutAngle[2]}),
              (std::vector<float>{20, 100, 100, 60}));
    EXPECT_EQ(g.PlanEntries, 3);
    EXPECT_EQ(g.PlanAdvGeometry, 1);
    EXPECT_FALSE(HasAdvancedData(form));
}

// The CMRR suggestions are fixed by the kernel's required factors.
TEST(ParameterForm, DefaultsWarnings) {
    const struct {
        const char* box;
        double value;
        int units;
        bool warns;
    } warnings[] = {
        {"txtCoalStrength", 900, English, false},
        {"txtCoalStrength", 900, Metric, true},
        {"txtAbutmentAngle", 25, English, true},
        {"txtUnitWeight", 162.5, English, true},
    };
    for (const auto& w : warnings)
        EXPECT_EQ(DefaultsWarning(w.box, w.value, w.units).has_value(), w.warns) << w.box;
    EXPECT_TRUE(DefaultsWarning("txtUnitWeight", 0, English)
                    ->starts_with("Warning: The KORA case history data base was analyzed with an "
                                  "overburden unit weight of 162 pcf.  "));
}

// Accepted texts and the message of each refused one, in golden/parameters/ranges.txt.
TEST(CheckRangeTest, MessagesAndResult) {
    struct Case {
        const char* text;
        double low, high;
        const char* field;
    };
    const Case cases[] = {{"12", 1, 10, "Entry Height"},  {"10", 1, 10, "Entry Height"},
                          {"   ", 1, 10, "Entry Height"}, {"", 1, 10, ""},
                          {"12abc", 0.1, 10, "Angle"},    {"12abc", 10, 90, ""},
                          {"abc", 0.1, 10, ""},           {"abc", 0, 10, ""},
                          {" 0.05", 0.1, 1.5, "SF"}};
    std::string results;
    for (const Case& c : cases) {
        test::ScriptedMessenger m;
        const bool ok = CheckRange(c.text, c.low, c.high, c.field, SetMessageTitles(2), m);
        results += "'" + std::string(c.text) + "' " + std::to_string(c.low) + "-" +
                   std::to_string(c.high) + (ok ? " accepted" : " refused") + "\n";
        for (const auto& box : m.boxes)
            results += box.title + " (" + std::to_string(box.style) + "): " + box.text + "\n";
        EXPECT_EQ(m.boxes.size(), ok ? 0u : 1u) << c.text;
    }
    test::ExpectGolden("parameters/ranges.txt", results);
}

} // namespace
} // namespace kora
