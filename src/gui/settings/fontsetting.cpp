#include "gui/settings/fontsetting.h"

#include "gui/common/dialogservice.h"
#include "gui/common/guimessenger.h"
#include "gui/report/reportfont.h"

#include "core/base/koraerror.h"
#include "core/base/messenger.h"

#include <algorithm>
#include <optional>

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

bool FontSetting::choose(GuiMessenger& messenger, QWidget* parent) {
    const std::optional<QFont> chosen =
        messenger.dialogs().fontDialog(parent, font(), QStringLiteral("Font"));
    if (!chosen) {
        HandleError(messenger, err::DialogCancelled, "Cancel was selected.");
        return false;
    }
    store(*chosen);
    return true;
}

} // namespace kora::gui
