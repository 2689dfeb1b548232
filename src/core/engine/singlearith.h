#pragma once

namespace kora {

// Stores a double-precision result into a single-precision engine quantity, and divides, the way
// the classic runtime of the program did it when asked to trap: a division by zero raises error
// 11 "Division by zero" (0 / 0 raises 6 "Overflow"), and a result that is not finite or does not
// fit a single-precision value raises 6 "Overflow", before anything is stored. The pillar sizing
// search relies on this to stop cleanly with a working set that holds only finite values.
// With trapping off both behave as plain IEEE arithmetic (infinities and NaN propagate), which
// is what the analyses use; their callers check the results afterwards.
class SingleArith {
public:
    explicit SingleArith(bool trap) : m_trap(trap) {}

    float store(double value) const;
    double divide(double numerator, double denominator) const;

private:
    bool m_trap;
};

} // namespace kora
