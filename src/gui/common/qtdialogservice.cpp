#include "gui/common/qtdialogservice.h"

#include "gui/common/messageboxstyle.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPushButton>

namespace kora::gui {

int QtDialogService::message(QWidget* parent, const QString& text, int style,
                             const QString& title) {
    const MessageBoxStyle look = MessageBoxStyle::fromClassic(style);
    // A message without a title of its own carries the program title.
    QMessageBox box(look.icon, title.isEmpty() ? QStringLiteral("KORA") : title, text,
                    QMessageBox::NoButton, parent);
    std::vector<QAbstractButton*> made;
    for (QMessageBox::StandardButton b : look.buttons) made.push_back(box.addButton(b));
    if (look.defaultIndex < made.size())
        box.setDefaultButton(static_cast<QPushButton*>(made[look.defaultIndex]));
    if (look.escapeIndex < made.size()) box.setEscapeButton(made[look.escapeIndex]);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (std::size_t i = 0; i < made.size(); ++i)
        if (made[i] == clicked) return MessageBoxStyle::classicAnswer(look.buttons[i]);
    return MessageBoxStyle::classicAnswer(
        look.buttons[look.escapeIndex < made.size() ? look.escapeIndex : 0]);
}

std::optional<QString> QtDialogService::fileDialog(QWidget* parent,
                                                   const FileDialogRequest& request) {
    QFileDialog dialog(parent, request.caption, request.folder);
    dialog.setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog.selectNameFilter(request.filters[request.selectedFilter]);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.mode == FileDialogMode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtDialogService::printDialog(QWidget* parent, QPrinter& printer,
                                  QAbstractPrintDialog::PrintDialogOptions options) {
    QPrintDialog dialog(&printer, parent);
    dialog.setOptions(options);
    return dialog.exec() == QDialog::Accepted;
}

bool QtDialogService::pageSetupDialog(QWidget* parent, QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QFont> QtDialogService::fontDialog(QWidget* parent, const QFont& initial,
                                                 const QString& title) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent, title);
    if (!ok) return std::nullopt;
    return font;
}

std::optional<QString> QtDialogService::folderDialog(QWidget* parent, const QString& caption,
                                                     const QString& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(parent, caption, startFolder);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
}

int QtDialogService::execDialog(QDialog& dialog) {
    return dialog.exec();
}

bool QtDialogService::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace kora::gui
