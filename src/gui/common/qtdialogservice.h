#pragma once

#include "gui/common/dialogservice.h"

namespace kora::gui {

// The real dialogs: QMessageBox, QFileDialog, QPrintDialog, QPageSetupDialog, QFontDialog and
// QDesktopServices.
class QtDialogService : public DialogService {
public:
    int message(QWidget* parent, const QString& text, int style, const QString& title) override;
    std::optional<QString> fileDialog(QWidget* parent, const FileDialogRequest& request) override;
    bool printDialog(QWidget* parent, QPrinter& printer,
                     QAbstractPrintDialog::PrintDialogOptions options) override;
    bool pageSetupDialog(QWidget* parent, QPrinter& printer) override;
    std::optional<QFont> fontDialog(QWidget* parent, const QFont& initial,
                                    const QString& title) override;
    std::optional<QString> folderDialog(QWidget* parent, const QString& caption,
                                        const QString& startFolder) override;
    int execDialog(QDialog& dialog) override;
    bool openUrl(const QUrl& url) override;
};

} // namespace kora::gui
