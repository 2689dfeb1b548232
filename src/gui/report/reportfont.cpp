#include "gui/report/reportfont.h"

#include <QString>

namespace kora::gui {

QFont ReportFont(double pointSize) {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

QString ReportDisplayText(const std::string& page) {
    QString text = QString::fromStdString(page);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace kora::gui
