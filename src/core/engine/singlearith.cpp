#include "core/engine/singlearith.h"

#include "core/base/koraerror.h"

#include <cmath>

namespace kora {

namespace {

[[noreturn]] void raiseOverflow() {
    throw KoraError(err::Overflow, "Overflow");
}

} // namespace

float SingleArith::store(double value) const {
    const auto single = static_cast<float>(value);
    if (m_trap && !std::isfinite(single)) raiseOverflow();
    return single;
}

double SingleArith::divide(double numerator, double denominator) const {
    if (m_trap) {
        if (denominator == 0) {
            if (numerator == 0 || std::isnan(numerator)) raiseOverflow();
            throw KoraError(err::DivisionByZero, "Division by zero");
        }
        const double q = numerator / denominator;
        if (!std::isfinite(q)) raiseOverflow();
        return q;
    }
    return numerator / denominator;
}

} // namespace kora
