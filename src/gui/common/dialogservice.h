#pragma once

#include <QAbstractPrintDialog>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>
#include <string>

class QDialog;
class QPrinter;
class QWidget;

namespace kora::gui {

// The two uses of the file dialog: Open asks for a file that exists, Save As for a name, asking
// before an existing file is replaced.
enum class FileDialogMode { Open = 1, SaveAs = 2 };

// What the file dialog behind Open and Save As is asked for.
struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::Open;
    QString caption;
    QString folder;         // start folder, without a trailing separator
    QString fileName;       // proposed file name (no folder)
    QStringList filters;    // "All Files (*.*)", "KORA Files (*.KOR)"
    int selectedFilter = 0; // index into filters
    QString defaultSuffix;  // "KOR"
};

// The start folder of a file dialog for a folder kept in the settings: without its trailing
// separators, the root folder kept.
inline QString DialogFolder(const std::string& path) {
    QString folder = QString::fromStdString(path);
    while (folder.size() > 1 &&
           (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\'))))
        folder.chop(1);
    return folder;
}

// Every modal question of the desktop program goes through this service: message boxes, the file,
// print, page set-up, font and folder dialogs, our own modal dialogs, and handing a document or
// address to the desktop. The program uses QtDialogService; tests script the answers, so no test
// ever waits on a modal window.
class DialogService {
public:
    virtual ~DialogService() = default;

    // A message box with the classic style code (buttons + icon + default button, see
    // kora::mb); returns the classic answer code (1 OK, 2 Cancel, 6 Yes, 7 No ...).
    virtual int message(QWidget* parent, const QString& text, int style, const QString& title) = 0;

    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<QString> fileDialog(QWidget* parent,
                                              const FileDialogRequest& request) = 0;

    // The print dialog over `printer`; false when cancelled.
    virtual bool printDialog(QWidget* parent, QPrinter& printer,
                             QAbstractPrintDialog::PrintDialogOptions options) = 0;

    // The printer set-up dialog; false when cancelled.
    virtual bool pageSetupDialog(QWidget* parent, QPrinter& printer) = 0;

    // The font dialog; nothing when cancelled.
    virtual std::optional<QFont> fontDialog(QWidget* parent, const QFont& initial,
                                            const QString& title) = 0;

    // The folder chooser; nothing when cancelled.
    virtual std::optional<QString> folderDialog(QWidget* parent, const QString& caption,
                                                const QString& startFolder) = 0;

    // Runs one of the program's own modal dialogs and returns its result code
    // (QDialog::Accepted or QDialog::Rejected).
    virtual int execDialog(QDialog& dialog) = 0;

    // Hands a document or web address to the desktop; false when nothing could open it.
    virtual bool openUrl(const QUrl& url) = 0;
};

} // namespace kora::gui
