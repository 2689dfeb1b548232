#pragma once

#include <optional>
#include <string>

class QWidget;

namespace kora {
class Messenger;
}

namespace kora::gui {

class DialogService;

// The PDF file a report export proposes for a project: beside the project, its name with ".pdf"
// ("/mine/pit.KOR" gives "/mine/pit.pdf"); an unnamed project ("Untitled" or empty) gives
// "KORA Report.pdf" in `folder`.
std::string SuggestedPdfPath(const std::string& projectPath, const std::string& folder);

// "Export PDF...": the save dialog for a PDF file, which asks before it replaces an existing
// file, then the report text (pages joined) written as a PDF on the paper of the user's locale,
// laid out as a print of it. The written path goes to the history ("Report exported to PDF: " +
// path); a cancelled dialog is logged as every cancelled file dialog is. File errors reach the
// user through the error handler. Returns the written path, nothing when cancelled or failed.
std::optional<std::string> ExportReportPdf(QWidget* parent, DialogService& dialogs,
                                           Messenger& messenger, const std::string& text,
                                           const std::string& suggestedPath);

} // namespace kora::gui
