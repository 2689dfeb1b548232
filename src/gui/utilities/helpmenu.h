#pragma once

#include "gui/utilities/referencedocuments.h"

#include <QDate>
#include <QString>

class QWidget;

namespace kora {
struct Settings;
}

namespace kora::gui {

class GuiMessenger;
class HelpSystem;

// What the Help menu and the start-up windows need from the program. The main window fills it
// once: its messenger (every message goes through it, so it reaches the history log; its dialog
// service runs the modal windows) and help system, itself as owner of the modal windows, the
// program's folder (KORA.PDF and the reference documents are installed there), BuildString(), and
// the executable's name in capitals. Tests set `today` to try the update rule on given days.
struct HelpMenuContext {
    GuiMessenger& messenger;
    HelpSystem& help;
    QWidget* owner = nullptr;
    QString programFolder{};
    QString buildString{};
    QString programName = QStringLiteral("KORA");
    QDate today{}; // the date the update rule is judged on; invalid: the current date
    ReferenceDocumentTable documents = DefaultReferenceDocuments();
};

// The items of the Help menu, numbered as its control array (the separators keep their numbers
// in between).
enum class HelpItem {
    Contents = 0,
    Index = 1,
    PdfManual = 2,
    ResourceFiles = 4,
    Disclaimer = 6,
    ProgramUpdates = 8,
    About = 10,
};

// The Help menu, item by item; any other number does nothing. Returns true when a setting
// changed (the disclaimer or the update reminder was switched off) and the "Settings" section
// must be written.
bool HelpMenuCommand(HelpItem item, HelpMenuContext& context, Settings& settings);

// Shows the disclaimer modally. When "Do not show this disclaimer again" was ticked, sets
// ShowDisclaim to 0 and returns true: the caller writes the settings file.
bool ShowDisclaimer(HelpMenuContext& context, Settings& settings);

// The start-up reminder: when RemindAnnualUpdates is 1 and the reminder is due, shows the update
// window with the reminder text. Returns true when the user switched the reminder off
// (RemindAnnualUpdates is then 0 and the caller writes the settings file).
bool RunUpdateReminder(HelpMenuContext& context, Settings& settings);

} // namespace kora::gui
