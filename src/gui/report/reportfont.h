#pragma once

#include <QFont>
#include <QString>

#include <string>

namespace kora::gui {

// The fixed-pitch face every report is shown in. "Courier New" keeps the reports' columns; on
// Linux fontconfig substitutes its metric twin Liberation Mono.
QFont ReportFont(double pointSize = 10);

// Report text with its CR LF line ends turned into the plain line breaks a text box shows.
QString ReportDisplayText(const std::string& page);

} // namespace kora::gui
