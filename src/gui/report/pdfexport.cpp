#include "gui/report/pdfexport.h"

#include "gui/common/commandguard.h"
#include "gui/common/dialogservice.h"

#include "core/base/koraerror.h"
#include "core/base/messenger.h"
#include "core/report/reportpdf.h"

#include <QFileInfo>

#include <filesystem>

namespace kora::gui {

std::string SuggestedPdfPath(const std::string& projectPath, const std::string& folder) {
    namespace fs = std::filesystem;
    const fs::path project(projectPath);
    if (projectPath.empty() || projectPath == "Untitled" || !project.has_filename())
        return (fs::path(folder) / "KORA Report.pdf").string();
    return fs::path(project).replace_extension(".pdf").string();
}

std::optional<std::string> ExportReportPdf(QWidget* parent, DialogService& dialogs,
                                           Messenger& messenger, const std::string& text,
                                           const std::string& suggestedPath) {
    const QFileInfo suggested(QString::fromStdString(suggestedPath));
    FileDialogRequest request;
    request.mode = FileDialogMode::SaveAs;
    request.caption = QStringLiteral("Export PDF");
    request.folder = suggested.absolutePath();
    request.fileName = suggested.fileName();
    request.filters = {QStringLiteral("PDF Files (*.pdf)"), QStringLiteral("All Files (*.*)")};
    request.defaultSuffix = QStringLiteral("pdf");
    const std::optional<QString> chosen = dialogs.fileDialog(parent, request);
    if (!chosen) {
        HandleError(messenger, err::DialogCancelled, "Cancel was selected.");
        return std::nullopt;
    }
    const std::string path = chosen->toStdString();
    if (!Guarded(messenger, [&] { WriteReportPdf(path, text, LocalePaper()); }))
        return std::nullopt;
    messenger.AddHistory("Report exported to PDF: " + path);
    return path;
}

} // namespace kora::gui
