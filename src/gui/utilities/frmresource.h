#pragma once

#include "gui/utilities/referencedocuments.h"

#include <QDialog>

#include <array>

class QPushButton;

namespace kora::gui {

class GuiMessenger;

// "Resource Files": one button per row of the reference document table (cmdView_0 .. cmdView_6)
// that opens the document from the program's folder with the desktop's PDF viewer. Rows
// without a document have no button to press. Its messages go through the messenger.
class frmResource : public QDialog {
    Q_OBJECT
public:
    frmResource(const ReferenceDocumentTable& documents, const QString& programFolder,
                GuiMessenger& messenger, QWidget* parent = nullptr);

    // The reaction to button `index`: opens its document, or says why it cannot.
    void ViewDocument(int index);

    QPushButton* viewButton(int index) const;

private:
    ReferenceDocumentTable m_documents;
    QString m_programFolder;
    GuiMessenger& m_messenger;
    std::array<QPushButton*, 7> m_buttons{};
};

} // namespace kora::gui
