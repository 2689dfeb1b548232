#include "gui/utilities/frmdisclaimer.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kora::gui {

QString frmDisclaimer::disclaimerText() {
    return QStringLiteral(
        "<h3>Disclaimer of Liability Clause</h3>"
        "<p>KORA is an aid to the engineering judgement of a qualified mining engineer. It "
        "estimates pillar strength, abutment loading and stability factors from an empirical "
        "method that was calibrated on a limited set of case histories, and its results are "
        "only as good as the data entered and the engineer's understanding of the method.</p>"
        "<p>The program and its documents are provided \"as is\", without warranty of any kind, "
        "express or implied, including fitness for a particular purpose. The authors accept no "
        "liability for any loss, damage, injury or cost that arises from the use of the program, "
        "its results or its documents. The program is provided without any obligation to "
        "support, correct or develop it further.</p>"
        "<p>Every pillar design must be checked against local experience and the conditions "
        "observed underground, and must satisfy the regulations in force at the mine.</p>"
        "<p>Comments and reports of errors are welcome at https://kora.example.org/.</p>");
}

frmDisclaimer::frmDisclaimer(const QString& programName, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDisclaimer"));
    setWindowTitle(QStringLiteral("Disclaimer") + QStringLiteral(" for ") + programName);

    auto* text = new QLabel(disclaimerText(), this);
    text->setObjectName(QStringLiteral("lblDisclaimer"));
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setFixedWidth(460);

    m_show = new QCheckBox(QStringLiteral("Do not show this disclaimer again"), this);
    m_show->setObjectName(QStringLiteral("chkShow"));

    auto* close = new QPushButton(tr("OK"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout;
    row->addWidget(m_show);
    row->addStretch(1);
    row->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addSpacing(6);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool frmDisclaimer::doNotShowAgain() const {
    return m_show->isChecked();
}

} // namespace kora::gui
