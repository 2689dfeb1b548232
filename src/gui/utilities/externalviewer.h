#pragma once

#include <QString>

#include <string>

namespace kora {
class Messenger;
}

namespace kora::gui {

class DialogService;

// The viewer name the settings hold by default. Here it stands for the desktop's own viewer of
// text files: the file is handed to the desktop.
inline constexpr const char* DesktopTextViewer = "Notepad.exe";

// Shows a text file in the external viewer of the settings. The default name hands the file to
// the desktop; any other value is a program started with the file as its only argument, never
// through a shell, so that no file or folder name can run a command. A viewer that cannot be
// started is reported in a message; false then.
bool OpenInExternalViewer(const std::string& viewer, const QString& file, DialogService& dialogs,
                          Messenger& messenger);

} // namespace kora::gui
