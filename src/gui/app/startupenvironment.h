#pragma once

#include <QDate>
#include <QStringList>

#include <string>
#include <vector>

namespace kora::gui {

// What start-up takes from the machine: the user's documents folder, the program's folder, the
// date, the command line and the fonts the display offers. Tests fill it in themselves.
struct StartupEnvironment {
    std::string documentsFolder;
    std::string programFolder; // ends with the separator
    // The folder of the example projects, the PDF manual and the reference documents, with the
    // separator: share/kora of an installation; empty for the program folder.
    std::string dataFolder;
    QDate today;
    std::string commandLine; // the arguments after the program name, joined by blanks
    std::vector<std::string> availableFonts;

    // The running program's environment; `arguments` as QCoreApplication::arguments() gives them.
    static StartupEnvironment fromSystem(const QStringList& arguments);
};

} // namespace kora::gui
