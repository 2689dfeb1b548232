#include "core/base/fontchoice.h"

#include "core/base/textutil.h"

#include <initializer_list>

namespace kora {

namespace {

std::string pickFirst(std::initializer_list<std::string_view> preferred,
                      const std::vector<std::string>& fonts) {
    for (std::string_view name : preferred) {
        std::string offered = OfferedFont(name, fonts);
        if (!offered.empty()) return offered;
    }
    return std::string(*preferred.begin());
}

} // namespace

int FindFont(std::string_view name, const std::vector<std::string>& deviceFonts) {
    for (std::size_t i = 0; i < deviceFonts.size(); ++i)
        if (SameIgnoringCase(name, deviceFonts[i])) return static_cast<int>(i);
    return -1;
}

std::string_view MetricEquivalent(std::string_view name) {
    if (SameIgnoringCase(name, "Courier New") || SameIgnoringCase(name, "Courier"))
        return "Liberation Mono";
    if (SameIgnoringCase(name, "Arial")) return "Liberation Sans";
    return {};
}

std::string OfferedFont(std::string_view name, const std::vector<std::string>& deviceFonts) {
    int i = FindFont(name, deviceFonts);
    if (const std::string_view twin = MetricEquivalent(name); i < 0 && !twin.empty())
        i = FindFont(twin, deviceFonts);
    return i < 0 ? std::string{} : deviceFonts[static_cast<std::size_t>(i)];
}

std::string PickPrinterFont(const std::vector<std::string>& printerFonts) {
    return pickFirst({"Courier New", "Courier"}, printerFonts);
}

std::string PickScreenFont(const std::vector<std::string>& screenFonts) {
    return pickFirst({"Arial", "Courier New", "System", "Terminal"}, screenFonts);
}

} // namespace kora
