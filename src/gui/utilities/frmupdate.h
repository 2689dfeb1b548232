#pragma once

#include <QDate>
#include <QDialog>

class QCheckBox;
class QLabel;

namespace kora::gui {

class GuiMessenger;
class LinkLabel;

// "Program Update": the version and release date of this program, advice on updating, and the
// program's web page as a link. The caller reads disableReminder() after it closes and, when it
// is ticked, sets RemindAnnualUpdates to 0 and writes the settings file.
class frmUpdate : public QDialog {
    Q_OBJECT
public:
    // `today` chooses the advice (more or less than a year after the release).
    frmUpdate(const QString& programName, const QString& buildString, const QDate& today,
              GuiMessenger& messenger, QWidget* parent = nullptr);

    // "Disable reminder for annual program updates" is ticked.
    bool disableReminder() const;

    // The reaction to a click on the address: opens it in the web browser.
    void OpenUpdatePage();

private:
    GuiMessenger& m_messenger;
    QLabel* m_update;
    LinkLabel* m_url;
    QCheckBox* m_show;
};

} // namespace kora::gui
