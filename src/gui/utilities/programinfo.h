#pragma once

#include <QDate>
#include <QString>

namespace kora::gui {

// Release of this version, the base of the annual update reminder: 20 August 2013.
QDate ReleaseDate();
// The release date as the program shows it: "20-Aug-2013".
QString ReleaseDateText();

// The address of the program's web page, offered by the update window.
QString UpdatePageAddress();

// The annual reminder is due once more than 360 days have passed since the release.
bool UpdateReminderDue(const QDate& today);

// The update window's version lines: the version and the release date, one per line.
QString UpdateInfoText(const QString& buildString);

// The update window's advice: how to update, and within the first 360 days after the release
// nothing more; afterwards first a note that this version is more than a year old.
QString UpdateAdviceText(const QDate& today);

// The About box: its title and its text (title, version, release date and credits, every line
// ended by CR LF).
QString AboutTitle();
QString AboutText(const QString& buildString);

} // namespace kora::gui
