#pragma once

#include <QDialog>

#include <array>
#include <string>

class QLabel;
class QRadioButton;

namespace kora {
class Messenger;
struct UserFolders;
} // namespace kora

namespace kora::gui {

class FolderTree;

// "Select Path": the folder picker of the settings dialog. A folder tree (its top is the root of
// the file system, where the classic picker had its drive list) and four starting places: the
// user's data folder, the program's folder, the path being edited (`PathChoice`, chosen at
// opening) and the user's temporary folder. OK hands the chosen folder back through PathChoice,
// ending with "/"; Cancel leaves PathChoice alone.
class frmPath : public QDialog {
    Q_OBJECT
public:
    frmPath(std::string& pathChoice, const UserFolders& folders, Messenger& messenger,
            QWidget* parent = nullptr);

public slots:
    void done(int result) override;

private:
    void buildForm();
    void startAt(int option);

    std::string& m_pathChoice;
    const UserFolders& m_folders;
    Messenger& m_messenger;
    bool m_accepted = false;

    FolderTree* m_tree = nullptr; // Dir1
    QLabel* m_shown = nullptr;
    std::array<QRadioButton*, 4> m_options{};
};

} // namespace kora::gui
