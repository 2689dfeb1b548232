#include "gui/utilities/frmunits.h"

#include "gui/common/controlnames.h"
#include "gui/common/helphint.h"

#include "core/base/messenger.h"
#include "core/units/unitcalculator.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kora::gui {

namespace {

constexpr int HelpUnits = 4500;
constexpr int HelpLoadGradInput = 4300;
constexpr int HelpButton = 5001;

// The classic control names of each tab: input box, option array, output boxes.
struct TabNames {
    const char* input;
    const char* options;
    std::vector<int> outputs;
};
const std::array<TabNames, 5> tabNames = {{
    {"txtLength", "Option2", {7, 8, 9, 10}},
    {"txtLoad", "Option5", {21, 22, 23, 24, 25}},
    {"txtLoadGrad", "Option4", {17, 18, 19, 20}},
    {"txtStress", "Option1", {2, 3, 4, 5, 6}},
    {"txtStressGrad", "Option3", {12, 13, 14, 15}},
}};

} // namespace

frmUnits::frmUnits(Messenger& messenger, QWidget* parent)
    : QDialog(parent), m_messenger(messenger) {
    setObjectName(QStringLiteral("frmUnits"));
    setWindowTitle(QStringLiteral("Unit Conversions"));
    setProperty("helpContext", HelpUnits);
    m_loading = true;
    m_messenger.AddHistory("Loading Unit Conversion Form");

    m_tabs = named(new QTabWidget(this), QStringLiteral("SSTab1"), HelpUnits);
    for (int q = 0; q < UnitQuantityCount; ++q) buildTab(q);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int q) { tabClicked(q); });

    auto* ok =
        named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("Command1"), HelpUnits);
    auto* help = named(new QPushButton(QStringLiteral("Help"), this), QStringLiteral("Command3"),
                       HelpButton);
    ok->setDefault(true);
    help->setAutoDefault(false);
    // OK is both the default and the cancel button: Enter and Escape close the calculator.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpHint(m_messenger); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    m_tabs->setCurrentIndex(0);
    m_loading = false;
    // The input of the first tab has the focus when the calculator opens.
    QTimer::singleShot(0, this, [this] { tabClicked(m_tabs->currentIndex()); });
}

void frmUnits::buildTab(int quantity) {
    const UnitQuantityInfo& info = UnitQuantityOf(static_cast<UnitQuantity>(quantity));
    const TabNames& names = tabNames[static_cast<std::size_t>(quantity)];
    const int help = quantity == 2 ? HelpLoadGradInput : HelpUnits;
    Tab& tab = m_tab[static_cast<std::size_t>(quantity)];

    auto* page = new QWidget;
    auto* frame = named(new QGroupBox(QString::fromLatin1(info.frame), page),
                        QStringLiteral("Frame%1").arg(quantity + 1), HelpUnits);
    auto* grid = new QGridLayout(frame);
    tab.input =
        named(new QLineEdit(QStringLiteral("0"), frame), QString::fromLatin1(names.input), help);
    tab.input->installEventFilter(this);
    grid->addWidget(new QLabel(QStringLiteral("Input value:"), frame), 0, 0);
    grid->addWidget(tab.input, 0, 1);
    auto* group = new QButtonGroup(this);
    for (std::size_t u = 0; u < info.units.size(); ++u) {
        auto* option =
            named(new QRadioButton(QString::fromLatin1(info.units[u]), frame),
                  QStringLiteral("%1_%2").arg(QLatin1String(names.options)).arg(u), HelpUnits);
        auto* output = named(new QLineEdit(QStringLiteral("0"), frame),
                             QStringLiteral("Text%1").arg(names.outputs[u]), HelpUnits);
        output->setReadOnly(true);
        output->setFocusPolicy(Qt::ClickFocus);
        group->addButton(option);
        grid->addWidget(option, static_cast<int>(u) + 1, 0);
        grid->addWidget(output, static_cast<int>(u) + 1, 1);
        tab.options.push_back(option);
        tab.outputs.push_back(output);
        connect(option, &QRadioButton::clicked, this, [this, quantity] { convert(quantity); });
    }
    tab.options.front()->setChecked(true);
    grid->setColumnMinimumWidth(1, 220);
    connect(tab.input, &QLineEdit::textChanged, this, [this, quantity] { convert(quantity); });

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch(1);
    m_tabs->addTab(page, QString::fromLatin1(info.tab));
}

void frmUnits::convert(int quantity) {
    Tab& tab = m_tab[static_cast<std::size_t>(quantity)];
    // The last option that is on, scanning from the first.
    int from = 0;
    for (std::size_t u = 0; u < tab.options.size(); ++u)
        if (tab.options[u]->isChecked()) from = static_cast<int>(u);
    const std::vector<std::string> values =
        ConvertUnitText(static_cast<UnitQuantity>(quantity), from, tab.input->text().toStdString());
    for (std::size_t u = 0; u < tab.outputs.size() && u < values.size(); ++u)
        tab.outputs[u]->setText(QString::fromStdString(values[u]));
}

void frmUnits::tabClicked(int quantity) {
    if (m_loading || quantity < 0 || quantity >= UnitQuantityCount) return;
    QLineEdit* input = m_tab[static_cast<std::size_t>(quantity)].input;
    input->setFocus();
    input->selectAll();
}

bool frmUnits::eventFilter(QObject* watched, QEvent* event) {
    // A click in an input box selects its whole text, ready to be typed over.
    if (event->type() == QEvent::MouseButtonRelease)
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

} // namespace kora::gui
