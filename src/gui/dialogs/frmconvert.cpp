#include "gui/dialogs/frmconvert.h"

#include "gui/common/centerform.h"
#include "gui/common/commandguard.h"
#include "gui/common/helphint.h"

#include "core/base/messenger.h"
#include "core/model/projectrecord.h"
#include "core/project/unitconversion.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kora::gui {

frmConvert::frmConvert(ProjectRecord& project, int& fileOption, Messenger& messenger,
                       QWidget* parent)
    : QDialog(parent), m_project(project), m_fileOption(fileOption), m_messenger(messenger) {
    setObjectName(QStringLiteral("frmConvert"));
    setWindowTitle(QStringLiteral("File Conversion Utility"));
    m_messenger.AddHistory("Loading File Conversion Form");

    auto* frame1 = new QGroupBox(QStringLiteral("Units"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    auto* english = new QRadioButton(QStringLiteral("feet, psi, pcf"), frame1);
    english->setObjectName(QStringLiteral("Option1_0"));
    auto* metric = new QRadioButton(QStringLiteral("meters, MPa, kN/m3"), frame1);
    metric->setObjectName(QStringLiteral("Option1_1"));
    m_units = new QButtonGroup(this);
    m_units->addButton(english, 0);
    m_units->addButton(metric, 1);
    auto* unitsLayout = new QVBoxLayout(frame1);
    unitsLayout->addWidget(english);
    unitsLayout->addWidget(metric);

    auto* frame3 = new QGroupBox(QStringLiteral("File options"), this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* load = new QRadioButton(QStringLiteral("Load converted project "), frame3);
    load->setObjectName(QStringLiteral("Option2_0"));
    auto* keep = new QRadioButton(QStringLiteral("Keep original project"), frame3);
    keep->setObjectName(QStringLiteral("Option2_1"));
    m_fileOptions = new QButtonGroup(this);
    m_fileOptions->addButton(load, 0);
    m_fileOptions->addButton(keep, 1);
    auto* optionsLayout = new QVBoxLayout(frame3);
    optionsLayout->addWidget(load);
    optionsLayout->addWidget(keep);

    auto* convertButton = new QPushButton(QStringLiteral("Convert"), this);
    convertButton->setObjectName(QStringLiteral("Command2"));
    convertButton->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command1"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("Command3"));
    help->setAutoDefault(false);

    auto* frames = new QHBoxLayout;
    frames->addWidget(frame1);
    frames->addWidget(frame3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(convertButton);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(buttons);

    // Only the other unit system can be the target.
    for (int i = 0; i <= 1; ++i) {
        QAbstractButton* option = m_units->button(i);
        const bool current = i == m_project.UnitSystem;
        option->setChecked(!current);
        option->setEnabled(!current);
    }
    QAbstractButton* remembered = m_fileOptions->button(m_fileOption);
    (remembered != nullptr ? remembered : load)->setChecked(true);
    keep->setEnabled(false);

    connect(convertButton, &QPushButton::clicked, this, [this] { convert(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpHint(m_messenger); });

    adjustSize();
    CenterForm(*this);
}

void frmConvert::convert() {
    const int target = m_units->checkedId();
    if (target < 0) return;
    if (!Guarded(m_messenger, [&] { ConvertProjectUnits(m_project, target); })) return;
    m_messenger.ShowMessage("Conversion Completed: The conversion form will be closed", mb::OK);
    accept();
}

void frmConvert::done(int result) {
    const int option = m_fileOptions->checkedId();
    if (option >= 0) m_fileOption = option;
    QDialog::done(result);
}

} // namespace kora::gui
