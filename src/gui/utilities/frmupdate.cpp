#include "gui/utilities/frmupdate.h"

#include "core/base/messenger.h"
#include "gui/common/dialogservice.h"
#include "gui/common/guimessenger.h"
#include "gui/utilities/linklabel.h"
#include "gui/utilities/programinfo.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace kora::gui {

frmUpdate::frmUpdate(const QString& programName, const QString& buildString, const QDate& today,
                     GuiMessenger& messenger, QWidget* parent)
    : QDialog(parent), m_messenger(messenger) {
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(QStringLiteral("Program Update") + QStringLiteral(" for ") + programName);

    auto* info = new QLabel(UpdateInfoText(buildString), this);
    info->setObjectName(QStringLiteral("lblInfo"));
    info->setTextFormat(Qt::PlainText);

    m_update = new QLabel(UpdateAdviceText(today), this);
    m_update->setObjectName(QStringLiteral("lblUpdate"));
    m_update->setTextFormat(Qt::PlainText);
    m_update->setWordWrap(true);
    m_update->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_update->setMinimumHeight(m_update->fontMetrics().lineSpacing() * 6);

    auto* caption = new QLabel(QStringLiteral("URL to program web page:"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    m_url = new LinkLabel(UpdatePageAddress(), this);
    m_url->setObjectName(QStringLiteral("lblURL"));
    m_url->setToolTip(UpdatePageAddress());
    connect(m_url, &LinkLabel::clicked, this, &frmUpdate::OpenUpdatePage);

    m_show = new QCheckBox(QStringLiteral("Disable reminder for annual program updates"), this);
    m_show->setObjectName(QStringLiteral("chkShow"));

    auto* close = new QPushButton(tr("OK"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* version = new QGroupBox(tr("Version"), this);
    auto* versionLayout = new QVBoxLayout(version);
    versionLayout->addWidget(info);

    auto* update = new QGroupBox(tr("Updates"), this);
    auto* updateLayout = new QVBoxLayout(update);
    updateLayout->addWidget(m_update);
    updateLayout->addSpacing(4);
    updateLayout->addWidget(caption);
    updateLayout->addWidget(m_url);

    auto* row = new QHBoxLayout;
    row->addWidget(m_show);
    row->addStretch(1);
    row->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(version);
    layout->addWidget(update);
    layout->addLayout(row);
    setFixedWidth(480);
}

bool frmUpdate::disableReminder() const {
    return m_show->isChecked();
}

void frmUpdate::OpenUpdatePage() {
    if (!m_messenger.dialogs().openUrl(QUrl(UpdatePageAddress())))
        m_messenger.ShowMessage("Operation Failed");
}

} // namespace kora::gui
