#pragma once

#include "gui/graphics/chartmodule.h"

#include <QString>

namespace kora::gui {

// Opens the chart window through the chart module, which is loaded the first time a chart is
// asked for. The module is looked for beside the program, then in the library folder it is
// installed to. Nothing when it cannot be loaded; `problem` then says why.
QWidget* OpenChartWindow(const ChartContext& context, QWidget* owner, int index,
                         std::uint8_t& graphKORAR, QString* problem);

} // namespace kora::gui
