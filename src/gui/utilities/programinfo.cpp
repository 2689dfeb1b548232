#include "gui/utilities/programinfo.h"

#include "core/base/messenger.h"

#include <QLocale>

namespace kora::gui {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

QDate ReleaseDate() {
    return QDate::fromString(QStringLiteral("2013") + QStringLiteral("08") + QStringLiteral("20"),
                             QStringLiteral("yyyyMMdd"));
}

QString ReleaseDateText() {
    // Month names in English whatever the user's locale.
    return QLocale::c().toString(ReleaseDate(), QStringLiteral("dd-MMM-yyyy"));
}

QString UpdatePageAddress() {
    return QStringLiteral("https://kora.example.org/updates/");
}

bool UpdateReminderDue(const QDate& today) {
    return ReleaseDate().daysTo(today) > 360;
}

QString UpdateInfoText(const QString& buildString) {
    return QStringLiteral("Current Program Version: ") + buildString + QLatin1Char('\n') +
           QStringLiteral("Current Revision Date: ") + ReleaseDateText();
}

QString UpdateAdviceText(const QDate& today) {
    const QString manual = QStringLiteral("You may manually update ") +
                           QStringLiteral("the program by downloading and installing the new "
                                          "setup file.");
    if (ReleaseDate().daysTo(today) < 361)
        return QStringLiteral("Clicking on the URL below will connect you directly with the "
                              "program website. ") +
               QStringLiteral("\n\n") + manual;
    return QStringLiteral("This version was released over a year ago. ") +
           QStringLiteral("Although major updates may not be scheduled, interim updates may be "
                          "released with bug fixes. ") +
           QStringLiteral("Check for an updated version by visiting the program web page "
                          "below.  ") +
           QStringLiteral("\n\n") + manual;
}

QString AboutTitle() {
    return QStringLiteral("About the ") + QString::fromLatin1(ProgramTitle) +
           QStringLiteral(" Program");
}

QString AboutText(const QString& buildString) {
    return QString::fromLatin1(ProgramTitle) + kCrLf + kCrLf + QStringLiteral("Version: ") +
           buildString + kCrLf + kCrLf + QStringLiteral("Revision Date: ") + ReleaseDateText() +
           kCrLf + kCrLf + QStringLiteral("Pillar design model for longwall gate entries:") +
           kCrLf + QStringLiteral("     the KORA ground control research group") + kCrLf +
           QStringLiteral("Desktop program for Linux, C++ and Qt 6:") + kCrLf +
           QStringLiteral("     the KORA development team") + kCrLf;
}

} // namespace kora::gui
