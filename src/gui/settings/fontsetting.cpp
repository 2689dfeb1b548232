#include "gui/settings/fontsetting.h"

#include "gui/report/reportfont.h"

#include <algorithm>

namespace kora::gui {

QFont FontSetting::font() const {
    QFont f = DeviceFont(QString::fromStdString(name));
    f.setPointSizeF(size > 0 ? size : 10.0);
    f.setBold(bold != 0);
    f.setItalic(italic != 0);
    return f;
}

void FontSetting::store(const QFont& chosen) {
    name = chosen.family().toStdString();
    const double points = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : 10.0;
    size = static_cast<float>(std::clamp(points, 7.0, 24.0));
    bold = chosen.bold() ? std::int16_t{-1} : std::int16_t{0};
    italic = chosen.italic() ? std::int16_t{-1} : std::int16_t{0};
}

} // namespace kora::gui
