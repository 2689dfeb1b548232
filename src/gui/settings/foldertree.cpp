#include "gui/settings/foldertree.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>

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
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        if (m_revealing && m_folder.startsWith(loaded)) showChosen();
    });
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { m_revealing = false; });
}

void FolderTree::mousePressEvent(QMouseEvent* event) {
    m_revealing = false;
    QTreeView::mousePressEvent(event);
}

void FolderTree::keyPressEvent(QKeyEvent* event) {
    m_revealing = false;
    QTreeView::keyPressEvent(event);
}

void FolderTree::wheelEvent(QWheelEvent* event) {
    m_revealing = false;
    QTreeView::wheelEvent(event);
}

void FolderTree::showEvent(QShowEvent* event) {
    QTreeView::showEvent(event);
    QTimer::singleShot(0, this, [this] { showChosen(); });
}

void FolderTree::showChosen() {
    const QModelIndex index = m_model->index(m_folder);
    if (index.isValid()) scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void FolderTree::setFolder(const QString& path) {
    const QString given = path.trimmed().isEmpty() ? QDir::currentPath() : path.trimmed();
    QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(given));
    while (!QFileInfo(folder).isDir() && folder != QDir::rootPath())
        folder = QFileInfo(folder).absolutePath();
    const QModelIndex index = m_model->index(folder);
    if (index.isValid()) setCurrentIndex(index);
    choose(folder);
    m_revealing = true;
    showChosen();
}

void FolderTree::choose(const QString& folder) {
    if (folder == m_folder) return;
    m_folder = folder;
    emit folderChanged(folder);
}

} // namespace kora::gui
