#include "gui/utilities/programinfo.h"

#include <gtest/gtest.h>

namespace kora::gui {
namespace {

const QString kManualUpdate =
    QStringLiteral("You may manually update the program by downloading and installing the new "
                   "setup file.");

TEST(ProgramInfo, ReleaseDateIsShownDayMonthNameYear) {
    EXPECT_EQ(ReleaseDate(), QDate(2013, 8, 20));
    EXPECT_EQ(ReleaseDateText(), QStringLiteral("20-Aug-2013"));
}

TEST(ProgramInfo, ReminderIsDueFromTheThreeHundredSixtyFirstDay) {
    const struct {
        int daysAfterRelease;
        bool due;
    } cases[] = {{-30, false}, {0, false}, {1, false}, {360, false}, {361, true}, {3650, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(UpdateReminderDue(ReleaseDate().addDays(c.daysAfterRelease)), c.due)
            << c.daysAfterRelease << " days after the release";
    }
    // Across a leap year: 20 Aug 2013 + 361 days is 16 Aug 2014.
    EXPECT_FALSE(UpdateReminderDue(QDate(2014, 8, 15)));
    EXPECT_TRUE(UpdateReminderDue(QDate(2014, 8, 16)));
}

TEST(ProgramInfo, UpdateAdviceChangesOnTheThreeHundredSixtyFirstDay) {
    const QString young =
        QStringLiteral("Clicking on the URL below will connect you directly with the program "
                       "website. \n\n") +
        kManualUpdate;
    const QString old =
        QStringLiteral("This version was released over a year ago. Although major updates may "
                       "not be scheduled, interim updates may be released with bug fixes. Check "
                       "for an updated version by visiting the program web page below.  \n\n") +
        kManualUpdate;
    EXPECT_EQ(UpdateAdviceText(ReleaseDate()), young);
    EXPECT_EQ(UpdateAdviceText(ReleaseDate().addDays(360)), young);
    EXPECT_EQ(UpdateAdviceText(ReleaseDate().addDays(361)), old);
    EXPECT_EQ(UpdateAdviceText(QDate(2030, 1, 1)), old);
}

TEST(ProgramInfo, UpdateInfoShowsVersionAndRevisionDateOnTwoLines) {
    EXPECT_EQ(
        UpdateInfoText(QStringLiteral("5.0.01")),
        QStringLiteral("Current Program Version: 5.0.01\nCurrent Revision Date: 20-Aug-2013"));
}

TEST(ProgramInfo, AboutBoxTitleAndText) {
    EXPECT_EQ(AboutTitle(), QStringLiteral("About the KORA Program"));
    const QStringList lines = AboutText(QStringLiteral("5.0.01")).split(QStringLiteral("\r\n"));
    // Every line ends with CR LF, so the text ends in an empty piece after the last one.
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], QStringLiteral("KORA"));
    EXPECT_EQ(lines[1], QString());
    EXPECT_EQ(lines[2], QStringLiteral("Version: 5.0.01"));
    EXPECT_EQ(lines[3], QString());
    EXPECT_EQ(lines[4], QStringLiteral("Revision Date: 20-Aug-2013"));
    EXPECT_EQ(lines[5], QString());
    // Two credits, each a heading line and an indented name line.
    for (int heading : {6, 8}) {
        EXPECT_FALSE(lines[heading].isEmpty());
        EXPECT_FALSE(lines[heading].startsWith(QLatin1Char(' ')));
        EXPECT_TRUE(lines[heading + 1].startsWith(QLatin1Char(' ')));
        EXPECT_FALSE(lines[heading + 1].trimmed().isEmpty());
    }
    EXPECT_EQ(lines[10], QString());
    const QString text = AboutText(QStringLiteral("5.0.01"));
    EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n"))) << "bare LF";
}

} // namespace
} // namespace kora::gui
