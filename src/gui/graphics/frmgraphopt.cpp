#include "gui/graphics/frmgraphopt.h"

#include "core/base/messenger.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace kora::gui {

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

int clampedIndex(int index, int count) {
    return index >= 0 && index < count ? index : 0;
}

} // namespace

frmGraphOpt::frmGraphOpt(ChartParams& params, int graphIndex, int unitSystem, Messenger& messenger,
                         QWidget* parent)
    : QDialog(parent), m_params(params),
      m_graphIndex(graphIndex >= 0 && graphIndex < GraphKinds ? graphIndex : 0),
      m_unitSystem(unitSystem), m_messenger(messenger) {
    setObjectName(QStringLiteral("frmGraphOpt"));
    setWindowTitle(QStringLiteral("Graph Parameters and Options"));
    auto* layout = new QVBoxLayout(this);

    auto* options = new QGroupBox(QStringLiteral("Options"), this);
    options->setObjectName(QStringLiteral("fraOptions"));
    auto* optionRows = new QVBoxLayout(options);
    const char* optionCaptions[] = {"Set default format parameters",
                                    "Set format parameters to last used"};
    for (int i = 0; i < 2; ++i) {
        auto* button = new QRadioButton(QString::fromLatin1(optionCaptions[i]), options);
        button->setObjectName(QStringLiteral("Option1_%1").arg(i));
        optionRows->addWidget(button);
        m_option[static_cast<std::size_t>(i)] = button;
    }
    layout->addWidget(options);

    auto* basic = new QGroupBox(QStringLiteral("Basic formatting parameters"), this);
    basic->setObjectName(QStringLiteral("fraBasic"));
    auto* grid = new QGridLayout(basic);
    auto lineEdit = [&](const char* name) {
        auto* edit = new QLineEdit(basic);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMinimumWidth(260);
        edit->installEventFilter(this);
        return edit;
    };
    int row = 0;
    grid->addWidget(new QLabel(QStringLiteral("Graph title"), basic), row, 0);
    m_text1 = lineEdit("Text1");
    grid->addWidget(m_text1, row++, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("X-axis title"), basic), row, 0, Qt::AlignTop);
    for (int i = 0; i < GraphKinds; ++i) {
        QLineEdit* edit = lineEdit(QStringLiteral("Text2_%1").arg(i).toLatin1().constData());
        edit->setToolTip(text(DefaultXAxisTitle(i)));
        grid->addWidget(edit, row++, 1, 1, 2);
        m_text2[static_cast<std::size_t>(i)] = edit;
    }
    grid->addWidget(new QLabel(QStringLiteral("Y-axis title"), basic), row, 0);
    m_text3 = lineEdit("Text3");
    grid->addWidget(m_text3, row++, 1, 1, 2);

    auto combo = [&](const char* name, const char* label, QStringList items) {
        auto* box = new QComboBox(basic);
        box->setObjectName(QString::fromLatin1(name));
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->addItems(items);
        grid->addWidget(new QLabel(QString::fromLatin1(label), basic), row, 0);
        grid->addWidget(box, row++, 1);
        connect(box->lineEdit(), &QLineEdit::editingFinished, this,
                [this, box] { checkEntry(box); });
        return box;
    };
    m_combo1 = combo("Combo1", "Grid style",
                     {QStringLiteral("None"), QStringLiteral("Horizontal"),
                      QStringLiteral("Vertical"), QStringLiteral("Horizontal & Vertical")});
    m_combo2 = combo("Combo2", "Graph style",
                     {QStringLiteral("Lines Only"), QStringLiteral("Symbols Only"),
                      QStringLiteral("Lines & Symbols")});
    connect(m_combo2, &QComboBox::currentIndexChanged, this, [this] { showSymbolSize(); });

    m_check1 = new QCheckBox(QStringLiteral("Curve legend"), basic);
    m_check1->setObjectName(QStringLiteral("Check1"));
    grid->addWidget(m_check1, row++, 1);

    m_symbolLabel = new QLabel(QStringLiteral("Symbol size"), basic);
    m_symbolLabel->setObjectName(QStringLiteral("lblSymbolSize"));
    m_hscroll1 = new QScrollBar(Qt::Horizontal, basic);
    m_hscroll1->setObjectName(QStringLiteral("HScroll1"));
    m_hscroll1->setRange(MinSymbolSize, MaxSymbolSize);
    m_hscroll1->setPageStep(3);
    m_txtSS = new QLabel(basic);
    m_txtSS->setObjectName(QStringLiteral("txtSS"));
    m_txtSS->setMinimumWidth(24);
    connect(m_hscroll1, &QScrollBar::valueChanged, this,
            [this](int value) { m_txtSS->setText(QString::number(value)); });
    // The row keeps its place while hidden, so the dialog does not change its layout.
    for (QWidget* w : std::initializer_list<QWidget*>{m_symbolLabel, m_hscroll1, m_txtSS}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    grid->addWidget(m_symbolLabel, row, 0);
    grid->addWidget(m_hscroll1, row, 1);
    grid->addWidget(m_txtSS, row++, 2);
    layout->addWidget(basic);

    m_allConditions = new QCheckBox(QStringLiteral("Show all loading conditions"), this);
    m_allConditions->setObjectName(QStringLiteral("chkAllConditions"));
    m_allConditions->setToolTip(
        QStringLiteral("Chart bleeder, tailgate and isolated loading beside development and "
                       "headgate loading"));
    layout->addWidget(m_allConditions);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto button = [&](const char* caption, const char* name) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    QPushButton* ok = button("OK", "Command2");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(button("Cancel", "Command1"), &QPushButton::clicked, this, &QDialog::reject);
    connect(button("Help", "Command3"), &QPushButton::clicked, this, [this] {
        if (m_clearGraph) m_clearGraph();
    });
    layout->addLayout(buttons);

    // Loading: the lists, the option of the parameters' source (which runs its rule), the fields.
    m_combo1->setCurrentIndex(clampedIndex(m_params.GridStyle, 4));
    m_combo2->setCurrentIndex(clampedIndex(m_params.GraphStyle - 1, 3));
    for (int i = 0; i < 2; ++i)
        connect(m_option[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this, i](bool on) {
                    if (on) optionChosen(i);
                });
    m_option[m_params.GraphParamSource == 1 ? 1 : 0]->setChecked(true);
    InitForm();
    m_optionsAccepted = 0;
}

void frmGraphOpt::SetGraphParms() {
    if (m_params.GraphParamSource == 0) ResetGraphParams(m_params, m_unitSystem);
}

void frmGraphOpt::InitForm() {
    m_text1->setText(text(m_params.GraphTitle));
    for (int i = 0; i < GraphKinds; ++i)
        m_text2[static_cast<std::size_t>(i)]->setText(
            text(m_params.XAxisTitle[static_cast<std::size_t>(i)]));
    m_text3->setText(text(m_params.YAxisTitle[0]));
    m_check1->setChecked(m_params.CurveLegend == 1);
    m_combo1->setCurrentIndex(clampedIndex(m_params.GridStyle, 4));
    m_combo2->setCurrentIndex(clampedIndex(m_params.GraphStyle - 1, 3));
    // After the style is set, so that the symbol size follows the style shown.
    showSymbolSize();
    m_hscroll1->setValue(m_params.SymbolSize);
    m_txtSS->setText(QString::number(m_hscroll1->value()));
    m_allConditions->setChecked(m_params.ShowAllConditions != 0);
}

void frmGraphOpt::optionChosen(int index) {
    if (index == 0) {
        m_params.GraphParamSource = 0;
        SetGraphParms();
        InitForm();
    }
    const bool editable = index == 1;
    for (QWidget* w : std::initializer_list<QWidget*>{m_text1, m_text3, m_combo1, m_combo2,
                                                      m_check1, m_symbolLabel, m_hscroll1})
        w->setEnabled(editable);
    for (int i = 0; i < GraphKinds; ++i)
        m_text2[static_cast<std::size_t>(i)]->setEnabled(editable && i == m_graphIndex);
}

void frmGraphOpt::showSymbolSize() {
    const bool symbols = m_combo2->currentIndex() > 0;
    m_symbolLabel->setVisible(symbols);
    m_hscroll1->setVisible(symbols);
    m_txtSS->setVisible(symbols);
}

void frmGraphOpt::checkEntry(QComboBox* combo) {
    const int found = combo->findText(combo->currentText(), Qt::MatchExactly);
    if (found >= 0) {
        combo->setCurrentIndex(found);
        return;
    }
    if (m_checking) return;
    m_checking = true;
    m_messenger.ShowMessage("Please select a valid entry", mb::Critical);
    combo->setCurrentIndex(0);
    combo->setEditText(combo->itemText(0));
    m_checking = false;
}

bool frmGraphOpt::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

void frmGraphOpt::done(int result) {
    if (result == QDialog::Accepted) {
        // A typed entry that names no list item counts as the first item, as leaving the box
        // would have made it.
        checkEntry(m_combo1);
        checkEntry(m_combo2);
        m_optionsAccepted = -1;
        m_params.GraphTitle = m_text1->text().toStdString();
        for (int i = 0; i < GraphKinds; ++i)
            m_params.XAxisTitle[static_cast<std::size_t>(i)] =
                m_text2[static_cast<std::size_t>(i)]->text().toStdString();
        m_params.YAxisTitle[0] = m_text3->text().toStdString();
        m_params.GridStyle = static_cast<std::int16_t>(m_combo1->currentIndex());
        m_params.GraphStyle = static_cast<std::int16_t>(m_combo2->currentIndex() + 1);
        m_params.CurveLegend = m_check1->isChecked() ? 1 : 0;
        m_params.SymbolSize = static_cast<std::int16_t>(m_hscroll1->value());
        m_params.GraphParamSource = m_option[1]->isChecked() ? 1 : 0;
        m_params.ShowAllConditions = m_allConditions->isChecked() ? 1 : 0;
        if (m_save) m_save();
    } else {
        m_optionsAccepted = 0;
    }
    QDialog::done(result);
}

} // namespace kora::gui
