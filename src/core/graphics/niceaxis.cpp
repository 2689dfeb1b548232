#include "core/graphics/niceaxis.h"

#include <cmath>

namespace kora {

namespace {

// The one of 1, 2, 5 and 10 times the power of ten below `raw` that is nearest to it.
double niceStep(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double f = raw / power;
    const double nice = f < 1.5 ? 1 : f < 3 ? 2 : f < 7 ? 5 : 10;
    return nice * power;
}

} // namespace

AxisScale NiceAxis(double lo, double hi, int intervals) {
    if (!std::isfinite(lo) || !std::isfinite(hi) || lo > hi) return {};
    if (intervals < 1) intervals = 1;
    const bool nonNegative = lo >= 0;
    double span = hi - lo;
    if (span <= 0) {
        // One value: a tenth of it on either side (or one unit around zero).
        const double half = lo != 0 ? std::abs(lo) * 0.1 : 1;
        lo -= half;
        hi += half;
        span = hi - lo;
    }
    const double margin = span * 0.02;
    lo -= margin;
    hi += margin;
    if (nonNegative && lo < 0) lo = 0;

    AxisScale a;
    a.tick = niceStep((hi - lo) / intervals);
    a.min = std::floor(lo / a.tick) * a.tick;
    a.max = std::ceil(hi / a.tick) * a.tick;
    a.tickCount = static_cast<int>(std::lround((a.max - a.min) / a.tick)) + 1;
    return a;
}

} // namespace kora
