#include "gui/utilities/frmresource.h"

#include "core/base/messenger.h"
#include "gui/common/dialogservice.h"
#include "gui/common/guimessenger.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace kora::gui {

frmResource::frmResource(const ReferenceDocumentTable& documents, const QString& programFolder,
                         GuiMessenger& messenger, QWidget* parent)
    : QDialog(parent), m_documents(documents), m_programFolder(programFolder),
      m_messenger(messenger) {
    setObjectName(QStringLiteral("frmResource"));
    setWindowTitle(QStringLiteral("Resource Files"));

    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(tr("Reference documents on gate-entry pillar design. "
                                "Each opens in your PDF viewer."),
                             this);
    intro->setObjectName(QStringLiteral("lblInfo"));
    intro->setWordWrap(true);
    layout->addWidget(intro);

    for (int i = 0; i < int(m_buttons.size()); ++i) {
        const ReferenceDocument& doc = m_documents[std::size_t(i)];
        auto* button = new QPushButton(doc.title, this);
        button->setObjectName(QStringLiteral("cmdView_%1").arg(i));
        button->setAutoDefault(false);
        button->setToolTip(doc.fileName);
        button->setMinimumWidth(320);
        // Rows 3 to 6 of the table are empty unless a document is added to them; a button
        // without a caption would only lead to "not available".
        button->setVisible(!doc.title.isEmpty());
        connect(button, &QPushButton::clicked, this, [this, i] { ViewDocument(i); });
        layout->addWidget(button);
        m_buttons[std::size_t(i)] = button;
    }

    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(close);
    layout->addSpacing(6);
    layout->addLayout(row);
}

QPushButton* frmResource::viewButton(int index) const {
    return index >= 0 && index < int(m_buttons.size()) ? m_buttons[std::size_t(index)] : nullptr;
}

void frmResource::ViewDocument(int index) {
    if (index < 0 || index >= int(m_documents.size())) return;
    const QString name = m_documents[std::size_t(index)].fileName;
    const QString path = QDir(m_programFolder).filePath(name);
    if (name.isEmpty() || !QFileInfo(path).isFile()) {
        m_messenger.ShowMessage("Resource file (" + name.toStdString() + ") not available");
        return;
    }
    if (!m_messenger.dialogs().openUrl(QUrl::fromLocalFile(path)))
        m_messenger.ShowMessage("Operation Failed");
}

} // namespace kora::gui
