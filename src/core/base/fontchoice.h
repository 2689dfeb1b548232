#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kora {

// Font choice for the report printer and the text panes. The caller passes the font family names
// the device offers (the printer's or the screen's), so the core never asks a device itself.
// The program's classic font names ("Courier New", "Courier", "Arial") are rarely installed
// outside Windows; their metric-compatible faces stand in for them, so reports keep their columns.

// Index of the font in the device's list, compared without regard to letter case; -1 when absent.
int FindFont(std::string_view name, const std::vector<std::string>& deviceFonts);

// The metric-compatible face for a classic font name: "Liberation Mono" for "Courier New" and
// "Courier", "Liberation Sans" for "Arial"; empty for any other name.
std::string_view MetricEquivalent(std::string_view name);

// The font the device offers for a name: the name itself, else its metric-compatible face, as
// the device spells it; empty when the device has neither.
std::string OfferedFont(std::string_view name, const std::vector<std::string>& deviceFonts);

// The first of "Courier New" and "Courier" that the printer offers (or the metric face of one),
// else "Courier New" for the printing system to substitute with a fixed-pitch face. Never a
// proportional face (not even Arial) nor an arbitrary font of the list: the report columns are
// laid out in characters.
std::string PickPrinterFont(const std::vector<std::string>& printerFonts);

// The first of "Arial", "Courier New", "System", "Terminal" that the display offers (or the
// metric face of one), else "Arial" for the display to substitute.
std::string PickScreenFont(const std::vector<std::string>& screenFonts);

} // namespace kora
