#pragma once

#include "core/engine/calculation.h"
#include "core/model/plangeometry.h"
#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/unitsystems.h"
#include "core/model/workingset.h"
#include "scriptedmessenger.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>
#include <string>

namespace kora::test {

// The projects, plans and helpers the engine, report and window tests are built on.

// The worked English example: h 10 ft, H 1000 ft, panel 1000 ft, entries 20 ft wide, crosscuts
// at 100 ft, three entries at 100 ft centres, default strength, angle and unit weight.
inline ProjectRecord WorkedExample() {
    ProjectRecord p;
    p.UnitSystem = English;
    p.EntryHeight = 10;
    p.DepthOfCover = 1000;
    p.PanelWidth = 1000;
    p.EntryWidth = 20;
    p.CrosscutSpacing = 100;
    p.NumEntries = 3;
    p.CenterDistance[1] = 100;
    p.CenterDistance[2] = 100;
    p.ProjectEmpty = false;
    return p;
}

// A project whose lengths are given in feet, held in Metric units (m, MPa, kN/m3) with the
// Metric defaults of a new project.
inline ProjectRecord MetricFromFeet(ProjectRecord p) {
    const auto m = [](float& v) { v = float(v / FeetPerMetre); };
    for (float* v : {&p.EntryHeight, &p.DepthOfCover, &p.PanelWidth, &p.EntryWidth,
                     &p.CrosscutSpacing, &p.YieldPillarWidth})
        m(*v);
    for (int i = 1; i <= 5; ++i) {
        m(p.CenterDistance[i]);
        m(p.XcutSpacing[i]);
    }
    p.CoalStrength = float(900 / PsiPerMPa);
    p.UnitWeight = float(162 / PcfPerKNm3);
    p.UnitSystem = Metric;
    return p;
}

// The worked example in Metric units: h 3 m, H 300 m, panel 300 m, entries 6 m wide, crosscuts at
// 30 m, three entries at 30 m centres, 6.21 MPa and 25.45 kN/m3.
inline ProjectRecord MetricExample() {
    ProjectRecord p = WorkedExample();
    p.UnitSystem = Metric;
    p.EntryHeight = 3;
    p.DepthOfCover = 300;
    p.PanelWidth = 300;
    p.EntryWidth = 6;
    p.CrosscutSpacing = 30;
    p.CenterDistance[1] = 30;
    p.CenterDistance[2] = 30;
    p.CoalStrength = 6.21f;
    p.UnitWeight = 25.45f;
    return p;
}

// The project with advanced geometry: the crosscut angles and spacings of columns 1, 2, ...
inline ProjectRecord WithAngles(ProjectRecord p, std::initializer_list<float> angles,
                                std::initializer_list<float> spacings) {
    p.AdvGeometry = 1;
    int i = 1;
    for (float a : angles) p.XcutAngle[i++] = a;
    i = 1;
    for (float s : spacings) p.XcutSpacing[i++] = s;
    return p;
}

// The plan of three entries 80 and 90 apart, entry width 20, crosscut spacing 100.
inline PlanGeometry ThreeEntryPlan() {
    PlanGeometry g;
    g.PlanEntries = 3;
    g.PlanEntryWidth = 20;
    g.PlanXcutSpacing = 100;
    g.PlanCenterDistance[1] = 80;
    g.PlanCenterDistance[2] = 90;
    return g;
}

// That plan with the crosscuts of columns 1 and 2 at these angles, 100 and 120 apart.
inline PlanGeometry AngledThreeEntryPlan(float angle1, float angle2) {
    PlanGeometry g = ThreeEntryPlan();
    g.PlanAdvGeometry = 1;
    g.DrawXcutAngle[1] = angle1;
    g.DrawXcutAngle[2] = angle2;
    g.DrawXcutSpacing[1] = 100;
    g.DrawXcutSpacing[2] = 120;
    return g;
}

// How often `what` occurs in `text` (overlapping occurrences counted).
inline std::size_t Occurrences(const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
    return n;
}

// Everything one calculation command touches.
struct EngineRun {
    WorkingSet w;
    PlanGeometry plan;
    ReportBuffer report;
    ReportOptions options;
    ScriptedMessenger messenger;

    bool run(OutputCommand a, const ProjectRecord& p) {
        return RunAnalysis(a, p, w, plan, report, options, messenger);
    }
    std::string pages() const {
        return report.OutBuf[1] + report.OutBuf[2] + report.OutBuf[3] + report.OutBuf[4];
    }
};

// Names table-driven cases after their `name` member.
struct CaseName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& c) const {
        return c.param.name;
    }
};

} // namespace kora::test
