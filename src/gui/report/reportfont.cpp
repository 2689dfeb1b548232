#include "gui/report/reportfont.h"

#include "core/base/fontchoice.h"

#include <QStringList>

namespace kora::gui {

QFont DeviceFont(const QString& family) {
    QFont font(family);
    const std::string_view twin = MetricEquivalent(family.toStdString());
    if (twin.empty()) return font;
    const QString twinName = QString::fromLatin1(twin.data(), static_cast<qsizetype>(twin.size()));
    // The first family of the list that the machine has is used.
    font.setFamilies({family, twinName});
    if (twinName == QLatin1String("Liberation Mono")) {
        font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
        font.setFixedPitch(true);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

QFont ReportFont(double pointSize) {
    QFont font = DeviceFont(QStringLiteral("Courier New"));
    font.setPointSizeF(pointSize);
    return font;
}

QString ReportDisplayText(const std::string& page) {
    QString text = QString::fromStdString(page);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace kora::gui
