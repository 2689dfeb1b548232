#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kora {

// The report: five pages of text with CR LF line ends. 0 the input listing, 1 the stability
// factor or sizing section, 2 load bearing capacity, 3 design loads, 4 individual pillar loading.
struct ReportBuffer {
    std::array<std::string, 5> OutBuf;
    std::int16_t LastPage = 4;

    // Pages 0..LastPage joined, as "Copy all" and "Print all" use them.
    std::string allPages() const {
        std::string s;
        for (int i = 0; i <= LastPage && i < 5; ++i) s += OutBuf[static_cast<std::size_t>(i)];
        return s;
    }
};

} // namespace kora
