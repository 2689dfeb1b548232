#pragma once

#include "core/base/koraerror.h"

#include <array>
#include <cstddef>

namespace kora {

// Fixed-size array indexed from 1, as every per-column, per-loading-condition and per-sizing-case
// array of the project and the engine is. An index outside 1..N raises the classic "Subscript out
// of range" error (9) instead of touching memory, so damaged input can never write past the end.
template <typename T, int N> class OneBased {
public:
    static constexpr int size() { return N; }

    T& operator[](int i) {
        check(i);
        return m_data[static_cast<std::size_t>(i - 1)];
    }
    const T& operator[](int i) const {
        check(i);
        return m_data[static_cast<std::size_t>(i - 1)];
    }

    void fill(const T& value) { m_data.fill(value); }
    auto begin() { return m_data.begin(); }
    auto end() { return m_data.end(); }
    auto begin() const { return m_data.begin(); }
    auto end() const { return m_data.end(); }

    bool operator==(const OneBased&) const = default;

private:
    static void check(int i) {
        if (i < 1 || i > N) throw KoraError(9, "Subscript out of range");
    }
    std::array<T, N> m_data{};
};

} // namespace kora
