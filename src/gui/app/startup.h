#pragma once

#include <memory>
#include <string>

namespace kora::gui {

struct AppState;
struct StartupEnvironment;
class GuiMessenger;
class HelpSystem;
class frmMain;
class ReportPrinter;

// The project named on the command line: the text with every double quote removed.
std::string CommandLineProject(const std::string& commandLine);

// The program's start: folders, settings file, example projects, the main window with an empty
// project, then the last project, the command-line project or the parameters dialog as the
// settings say. Returns the main window, shown.
std::unique_ptr<frmMain> StartKora(AppState& state, GuiMessenger& messenger, ReportPrinter& printer,
                                   HelpSystem& help, const StartupEnvironment& env);

} // namespace kora::gui
