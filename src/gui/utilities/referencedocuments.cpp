#include "gui/utilities/referencedocuments.h"

namespace kora::gui {

ReferenceDocumentTable DefaultReferenceDocuments() {
    return {{
        {QStringLiteral("The KORA Pillar Design Method"), QStringLiteral("KORA-Method.pdf")},
        {QStringLiteral("Choosing Stability Factors"),
         QStringLiteral("KORA-Stability-Factors.pdf")},
        {QStringLiteral("A Worked Example"), QStringLiteral("KORA-Worked-Example.pdf")},
        {},
        {},
        {},
        {},
    }};
}

} // namespace kora::gui
