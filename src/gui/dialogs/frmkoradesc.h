#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kora {
class Messenger;
struct ProjectRecord;
struct ReportBuffer;
struct Settings;
} // namespace kora

namespace kora::gui {

// What the description dialog asks of the main window.
struct DescriptionHooks {
    std::function<void()> setCaption; // rebuild the main window's caption (SetCaption)
};

// "Project Description": the project's title and description and, while the project holds no
// data yet, its unit system. OK and "Next form" (the default button) accept; "Next form" then
// asks for the parameters dialog through nextFormRequested(). Cancel and the close box leave the
// project untouched. Choosing the other unit system re-initialises the project for it, as
// File New does, before the title and description are taken.
class frmKORADesc : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxDescriptionLength = 1000;

    frmKORADesc(ProjectRecord& project, ReportBuffer& report, const Settings& settings,
                Messenger& messenger, DescriptionHooks hooks, QWidget* parent = nullptr);

    bool isAccepted() const { return m_accepted; }
    bool nextFormChosen() const { return m_nextForm; }

signals:
    // "Next form" closed the dialog; the main window opens the parameters dialog.
    void nextFormRequested();

public slots:
    void done(int result) override;

private:
    void buildForm();
    void load();
    void limitDescription(int position, int added);

    ProjectRecord& m_project;
    ReportBuffer& m_report;
    const Settings& m_settings;
    Messenger& m_messenger;
    DescriptionHooks m_hooks;

    bool m_loading = false;
    bool m_accepted = false;
    bool m_nextForm = false;
    bool m_trimming = false;
    bool m_unloaded = false;

    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QRadioButton* m_units[2] = {nullptr, nullptr};
};

} // namespace kora::gui
