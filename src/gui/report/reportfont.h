#pragma once

#include <QFont>
#include <QString>

#include <string>

namespace kora::gui {

// A font of one of the program's names. A classic name the machine lacks ("Courier New",
// "Courier", "Arial") falls to its metric-compatible face (Liberation Mono, Liberation Sans), and
// a fixed-pitch name keeps a fixed-pitch face whatever the machine has, so printed and shown
// reports keep their columns. Any other name is taken as it is.
QFont DeviceFont(const QString& family);

// The fixed-pitch face every report is shown in: "Courier New" or its metric twin.
QFont ReportFont(double pointSize = 10);

// Report text with its CR LF line ends turned into the plain line breaks a text box shows.
QString ReportDisplayText(const std::string& page);

} // namespace kora::gui
