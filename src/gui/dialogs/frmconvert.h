#pragma once

#include <QDialog>

class QButtonGroup;

namespace kora {
class Messenger;
struct ProjectRecord;
} // namespace kora

namespace kora::gui {

// "File Conversion Utility": converts the project in memory into the other unit system. Only the
// other system can be chosen; the converted project replaces the one in memory under a new name
// and stays unsaved until the user saves it.
class frmConvert : public QDialog {
public:
    // `fileOption` is the remembered "File options" choice (ConvertFileOption); it is updated
    // whenever the dialog closes, by Convert, Cancel or the close box.
    frmConvert(ProjectRecord& project, int& fileOption, Messenger& messenger, QWidget* parent);

    // The Convert button: converts, reports, closes.
    void convert();

    void done(int result) override;

private:
    ProjectRecord& m_project;
    int& m_fileOption;
    Messenger& m_messenger;
    QButtonGroup* m_units;
    QButtonGroup* m_fileOptions;
};

} // namespace kora::gui
