#pragma once

class QApplication;
class QObject;

namespace kora::gui {

class StartupEnvironment;

// The whole life of the desktop program after the QApplication exists: application name and
// icon, C-locale number text for this process, a file-size limit failing saves as a full disk,
// the state owned for the run, the message, print and help services, start-up and the event
// loop. `observer`, when given, is installed as an application event filter before start-up (the
// start-up benchmark watches the first paint with it). Returns the event loop's exit code.
int RunKora(QApplication& app, const StartupEnvironment& env, QObject* observer = nullptr);

} // namespace kora::gui
