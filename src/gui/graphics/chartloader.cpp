#include "gui/graphics/chartloader.h"

#include <QCoreApplication>
#include <QLibrary>

namespace kora::gui {

QWidget* OpenChartWindow(const ChartContext& context, QWidget* owner, int index,
                         std::uint8_t& graphKORAR, QString* problem) {
    const QString programFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    QString reason;
    for (const QString& folder :
         {programFolder, programFolder + QStringLiteral(KORA_CHART_MODULE_RELATIVE_DIR "/")}) {
        // A loaded module stays loaded: the library is never unloaded.
        QLibrary module(folder + QStringLiteral("kora_charts"));
        const auto open = reinterpret_cast<OpenChartFunction>(module.resolve(OpenChartSymbol));
        if (open != nullptr) return open(context, owner, index, graphKORAR);
        if (reason.isEmpty()) reason = module.errorString();
    }
    if (problem != nullptr) *problem = reason;
    return nullptr;
}

} // namespace kora::gui
