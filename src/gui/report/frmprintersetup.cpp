#include "gui/report/frmprintersetup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kora::gui {

namespace {

// The paper sizes offered; the printer's own size is added when it is none of these.
constexpr QPageSize::PageSizeId PaperSizes[] = {
    QPageSize::Letter, QPageSize::Legal, QPageSize::Executive, QPageSize::A3,
    QPageSize::A4,     QPageSize::A5,    QPageSize::B5,
};

} // namespace

frmPrinterSetup::frmPrinterSetup(const QStringList& printers, const QString& current,
                                 const QPageLayout& layout, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmPrinterSetup"));
    setWindowTitle(QStringLiteral("Printer Setup"));

    m_printer = new QComboBox(this);
    m_printer->setObjectName(QStringLiteral("cboPrinter"));
    m_printer->addItems(printers);
    if (printers.isEmpty()) {
        m_printer->addItem(QStringLiteral("(no printer installed)"));
        m_printer->setEnabled(false);
    } else {
        m_printer->setCurrentIndex(std::max(0, static_cast<int>(printers.indexOf(current))));
    }

    m_paper = new QComboBox(this);
    m_paper->setObjectName(QStringLiteral("cboPaper"));
    for (QPageSize::PageSizeId id : PaperSizes) m_paper->addItem(QPageSize::name(id), int(id));
    const QPageSize::PageSizeId now = layout.pageSize().id();
    if (m_paper->findData(int(now)) < 0 && now != QPageSize::Custom)
        m_paper->addItem(QPageSize::name(now), int(now));
    m_paper->setCurrentIndex(std::max(0, m_paper->findData(int(now))));

    m_portrait = new QRadioButton(QStringLiteral("P&ortrait"), this);
    m_portrait->setObjectName(QStringLiteral("optPortrait"));
    m_landscape = new QRadioButton(QStringLiteral("&Landscape"), this);
    m_landscape->setObjectName(QStringLiteral("optLandscape"));
    (layout.orientation() == QPageLayout::Landscape ? m_landscape : m_portrait)->setChecked(true);

    auto* printerBox = new QGroupBox(QStringLiteral("Printer"), this);
    auto* printerForm = new QFormLayout(printerBox);
    printerForm->addRow(QStringLiteral("&Name:"), m_printer);

    auto* paperBox = new QGroupBox(QStringLiteral("Paper"), this);
    auto* paperForm = new QFormLayout(paperBox);
    paperForm->addRow(QStringLiteral("Si&ze:"), m_paper);

    auto* orientationBox = new QGroupBox(QStringLiteral("Orientation"), this);
    auto* orientationLayout = new QVBoxLayout(orientationBox);
    orientationLayout->addWidget(m_portrait);
    orientationLayout->addWidget(m_landscape);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* lower = new QHBoxLayout;
    lower->addWidget(paperBox, 1);
    lower->addWidget(orientationBox);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addWidget(printerBox);
    layoutBox->addLayout(lower);
    layoutBox->addWidget(buttons);
    adjustSize();
}

QString frmPrinterSetup::printerName() const {
    return m_printer->isEnabled() ? m_printer->currentText() : QString();
}

QPageSize frmPrinterSetup::pageSize() const {
    return QPageSize(static_cast<QPageSize::PageSizeId>(m_paper->currentData().toInt()));
}

QPageLayout::Orientation frmPrinterSetup::orientation() const {
    return m_landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace kora::gui
