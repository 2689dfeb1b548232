#pragma once

#include <QString>
#include <QTreeView>

class QFileSystemModel;

namespace kora::gui {

// The folders of the file system as a tree, its top the root folder (where the classic pickers
// had their drive list beside the folder list). The folder picker and the text file browser
// choose folders with it.
class FolderTree : public QTreeView {
    Q_OBJECT
public:
    explicit FolderTree(QWidget* parent = nullptr);

    // The folder chosen, absolute and without a trailing separator (except the root).
    QString folder() const { return m_folder; }

    // Chooses a folder (relative to the current folder when not absolute); one that does not
    // exist gives its nearest existing parent.
    void setFolder(const QString& path);

signals:
    void folderChanged(const QString& folder);

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void choose(const QString& folder);
    // Brings the chosen folder into view; the folders above it are read in the background, so
    // this runs again as each of them arrives.
    void showChosen();

    QFileSystemModel* m_model = nullptr;
    QString m_folder;
    bool m_revealing = false; // until the user moves around in the tree himself
};

} // namespace kora::gui
