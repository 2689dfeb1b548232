#pragma once

namespace kora {

// The range and ticks of a chart axis: bounds on whole multiples of the tick interval, which is
// 1, 2 or 5 times a power of ten, and tickCount ticks from min to max inclusive.
struct AxisScale {
    double min = 0;
    double max = 1;
    double tick = 0.2;
    int tickCount = 6;
};

// A readable axis for values from lo to hi with about `intervals` tick intervals. The data keep a
// small margin inside the bounds so that no symbol sits on the frame; values that are all
// non-negative never get a negative axis. A single value gets a range around it; no values
// (lo > hi) or values that are not finite give 0 to 1.
AxisScale NiceAxis(double lo, double hi, int intervals = 5);

} // namespace kora
