#include "gui/settings/foldertree.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>

namespace kora::gui {

FolderTree::FolderTree(QWidget* parent) : QTreeView(parent) {
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::Drives | QDir::NoDotAndDotDot);
    m_model->setRootPath(QDir::rootPath());
    setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column) hideColumn(column);
    header()->hide();
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) choose(m_model->filePath(current));
            });
}

void FolderTree::setFolder(const QString& path) {
    const QString given = path.trimmed().isEmpty() ? QDir::currentPath() : path.trimmed();
    QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(given));
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath())
        folder = QFileInfo(folder).absolutePath();
    const QModelIndex index = m_model->index(folder);
    if (index.isValid()) {
        setCurrentIndex(index);
        scrollTo(index);
    }
    choose(folder);
}

void FolderTree::choose(const QString& folder) {
    if (folder == m_folder) return;
    m_folder = folder;
    emit folderChanged(folder);
}

} // namespace kora::gui
