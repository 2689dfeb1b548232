#pragma once

#include <QDialog>
#include <QPageLayout>
#include <QPageSize>

class QComboBox;
class QRadioButton;

namespace kora::gui {

// "Printer Setup": which printer the program prints to, on which paper and in which
// orientation. The caller applies the choice when the dialog is accepted.
class frmPrinterSetup : public QDialog {
public:
    // `printers` as installed, `current` preselected (empty: none installed or chosen).
    frmPrinterSetup(const QStringList& printers, const QString& current, const QPageLayout& layout,
                    QWidget* parent);

    // Empty when no printer is installed.
    QString printerName() const;
    QPageSize pageSize() const;
    QPageLayout::Orientation orientation() const;

private:
    QComboBox* m_printer;
    QComboBox* m_paper;
    QRadioButton* m_portrait;
    QRadioButton* m_landscape;
};

} // namespace kora::gui
