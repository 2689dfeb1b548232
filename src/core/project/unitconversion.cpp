#include "core/project/unitconversion.h"

#include "core/base/koraerror.h"
#include "core/base/unitconstants.h"
#include "core/model/unitsystems.h"
#include "core/project/projectfile.h"

#include <cmath>
#include <vector>

namespace kora {

double Round2(double x) {
    if (!std::isfinite(x)) return x;
    // x * 100 is exact in long double (53 + 7 bits of mantissa), so the tie test is exact too
    // where long double is wider than double.
    const long double scaled = std::nearbyint(static_cast<long double>(x) * 100.0L);
    return static_cast<double>(scaled) / 100.0;
}

bool ConvertProjectUnits(ProjectRecord& p, int targetUnits) {
    const bool toMetric = targetUnits == Metric;
    const auto convert = [toMetric](float value, double factor) {
        return Round2(toMetric ? double(value) / factor : double(value) * factor);
    };

    // The fields in their conversion order, with their factors.
    std::vector<std::pair<float*, double>> fields = {{&p.EntryHeight, FeetPerMetre},
                                                     {&p.DepthOfCover, FeetPerMetre},
                                                     {&p.PanelWidth, FeetPerMetre},
                                                     {&p.EntryWidth, FeetPerMetre},
                                                     {&p.CrosscutSpacing, FeetPerMetre}};
    for (int i = 1; i <= p.NumEntries - 1; ++i) {
        fields.emplace_back(&p.CenterDistance[i], FeetPerMetre);
        fields.emplace_back(&p.XcutSpacing[i], FeetPerMetre);
    }
    fields.emplace_back(&p.CoalStrength, PsiPerMPa);
    fields.emplace_back(&p.UnitWeight, PcfPerKNm3);
    fields.emplace_back(&p.YieldPillarWidth, FeetPerMetre);

    std::vector<double> converted;
    converted.reserve(fields.size());
    for (const auto& [field, factor] : fields) {
        const double v = convert(*field, factor);
        // Beyond half a unit past the largest single the value no longer rounds to a single.
        if (std::isfinite(v) && !(std::fabs(v) < 0x1.ffffffp127))
            throw KoraError(err::Overflow, "Overflow");
        converted.push_back(v);
    }
    for (std::size_t k = 0; k < fields.size(); ++k)
        *fields[k].first = static_cast<float>(converted[k]);

    // The converted project stays beside the original file: only the file name changes.
    const std::string name = FileNamePart(p.ProjectPath, false);
    const std::string folder = p.ProjectPath.substr(0, p.ProjectPath.size() - name.size());
    p.ProjectPath = folder + (toMetric ? "Metric_" : "English_") + name;
    p.UnitSystem = static_cast<std::int16_t>(toMetric ? Metric : English);
    p.ProjectSaved = false;
    return true;
}

} // namespace kora
