#pragma once

#include "core/base/koraerror.h"

#include <string>

namespace kora::test {

// The classic error a call raised (number 0 when it returned normally).
struct Thrown {
    int number = 0;
    std::string description;
    std::string where;
};

template <typename Call> Thrown ThrownBy(Call&& call) {
    try {
        call();
    } catch (const KoraError& e) {
        return {e.number(), e.description(), e.where()};
    }
    return {};
}

} // namespace kora::test
