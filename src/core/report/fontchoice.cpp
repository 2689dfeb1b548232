#include "core/report/fontchoice.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace kora {

namespace {

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string pickFirst(std::initializer_list<std::string_view> preferred,
                      const std::vector<std::string>& fonts) {
    for (std::string_view name : preferred) {
        const int i = FindFont(name, fonts);
        if (i >= 0) return fonts[static_cast<std::size_t>(i)];
    }
    return fonts.empty() ? std::string{} : fonts.front();
}

} // namespace

int FindFont(std::string_view name, const std::vector<std::string>& deviceFonts) {
    for (std::size_t i = 0; i < deviceFonts.size(); ++i)
        if (sameNameIgnoringCase(name, deviceFonts[i])) return static_cast<int>(i);
    return -1;
}

std::string PickPrinterFont(const std::vector<std::string>& printerFonts) {
    return pickFirst({"Courier New", "Courier", "Arial"}, printerFonts);
}

std::string PickScreenFont(const std::vector<std::string>& screenFonts) {
    return pickFirst({"Arial", "Courier New", "System", "Terminal"}, screenFonts);
}

} // namespace kora
