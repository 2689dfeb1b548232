#pragma once

#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace kora {
struct KoraState;
class Messenger;
} // namespace kora

namespace kora::gui {

class DialogService;

// What the chart window works with: the program's state (the chart parameters in its settings,
// the last sweep's curves, the project's unit system, the folders), the messenger and the dialog
// service, the settings file the options dialog writes, and the centring of new windows.
struct ChartContext {
    KoraState& state;
    Messenger& messenger;
    DialogService& dialogs;
    std::string iniPath;
    std::function<void(QWidget&)> centerForm;
};

// The chart window lives in a module of its own (the kora_charts library), so that Qt Charts is
// loaded with the first chart and not at start-up. The module's one entry point, looked up by
// this name, opens the chart of graph kind `index` for the curves of the last sweep, of the (R)
// model when `graphKORAR` is nonzero: it disables `owner`, runs GraphInit and DrawCurve and shows
// the window, which enables the owner again and deletes itself when closed.
using OpenChartFunction = QWidget* (*)(const ChartContext& context, QWidget* owner, int index,
                                       std::uint8_t& graphKORAR);
inline constexpr const char* OpenChartSymbol = "kora_open_chart";

} // namespace kora::gui
