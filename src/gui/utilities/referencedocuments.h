#pragma once

#include <QString>

#include <array>

namespace kora::gui {

// One row of the reference document table: the caption of its button in the Resource Files
// window and the PDF file name in the program's folder. Empty rows have neither.
struct ReferenceDocument {
    QString title;
    QString fileName;
};

using ReferenceDocumentTable = std::array<ReferenceDocument, 7>;

// The table the program starts with: rows 0 to 2 hold the three reference documents that are
// built with the program (the design method, choosing stability factors, a worked example);
// rows 3 to 6 are free.
ReferenceDocumentTable DefaultReferenceDocuments();

} // namespace kora::gui
