#pragma once

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QPushButton;

namespace kora {
struct KoraState;
}

namespace kora::gui {

class FolderTree;
class GuiMessenger;

// "View Source Files": the text file browser. A folder tree, the files of the chosen folder that
// match the pattern (";" separates several), and a read-only pane showing the file activated
// (double click or Enter). With "Use external viewer" ticked a temporary copy of the file, never
// the file itself, goes to the external viewer of the settings instead. Closing keeps the
// pattern, the viewer choice and (for this run of the program) the folder, and writes the
// browser's section of the settings file.
class frmTextBrow : public QDialog {
    Q_OBJECT
public:
    // `iniPath` is the settings file the browser's section is written to; `browseFolder` is the
    // folder the browser showed when it was last closed in this run of the program (empty: none).
    frmTextBrow(KoraState& state, std::string iniPath, std::string& browseFolder,
                GuiMessenger& messenger, QWidget* parent = nullptr);

    // The folder whose files are listed.
    QString folder() const;
    // Shows a folder in the tree and lists its files.
    void setFolder(const QString& path);
    // Shows the file of the list with that name, as a double click on it does.
    void showFile(const QString& name);

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void load();
    void refreshFiles();
    void chooseFont();

    KoraState& m_state;
    std::string m_iniPath;
    std::string& m_browseFolder;
    GuiMessenger& m_messenger;
    bool m_unloaded = false;

    FolderTree* m_tree = nullptr;     // Dir1
    QListWidget* m_files = nullptr;   // File1
    QLineEdit* m_pattern = nullptr;   // Text2
    QLabel* m_current = nullptr;      // Label1
    QPlainTextEdit* m_view = nullptr; // RichTextBox1
    QCheckBox* m_external = nullptr;  // Check1
    QPushButton* m_setFont = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace kora::gui
