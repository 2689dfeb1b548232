#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kora {

// Font choice for the report printer and the text panes. The caller passes the font family names
// the device offers (the printer's or the screen's), so the core never asks a device itself.

// Index of the font in the device's list, compared without regard to letter case; -1 when absent.
int FindFont(std::string_view name, const std::vector<std::string>& deviceFonts);

// The first of "Courier New", "Courier", "Arial" that the printer offers, else the printer's first
// font; empty when the list is empty. The name is returned as the device spells it.
std::string PickPrinterFont(const std::vector<std::string>& printerFonts);

// The first of "Arial", "Courier New", "System", "Terminal" that the display offers, else the
// display's first font; empty when the list is empty.
std::string PickScreenFont(const std::vector<std::string>& screenFonts);

} // namespace kora
