#include "gui/dialogs/frmkoraparm.h"

#include "core/base/messenger.h"
#include "core/base/numberformat.h"
#include "core/engine/kernel.h"
#include "core/graphics/plandrawing.h"
#include "core/graphics/planlayout.h"
#include "core/model/projectrecord.h"
#include "core/model/settings.h"
#include "core/model/unitsystems.h"
#include "gui/common/controlnames.h"
#include "gui/common/helphint.h"
#include "gui/dialogs/fieldfilter.h"
#include "gui/graphics/frmpicture.h"
#include "gui/graphics/planwidget.h"
#include "gui/utilities/windowcapture.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
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

#include <algorithm>

namespace kora::gui {

namespace {

constexpr int HelpFrames = 2200;
constexpr int HelpStandard = 2201; // fields of the Standard and Defaults tabs
constexpr int HelpSizing = 2202;
constexpr int HelpAdvanced = 2203;
constexpr int HelpButton = 5001;

double valueOf(const QLineEdit* box) {
    return LeadingNumber(box->text().toStdString());
}

QString general(float value) {
    return QString::fromStdString(FormatGeneral(value));
}

QString columnBox(const char* control, int column) {
    return QStringLiteral("%1_%2").arg(QLatin1String(control)).arg(column);
}

QLabel* caption(const QString& text, const QString& name, int helpContext, QWidget* parent) {
    return named(new QLabel(text, parent), name, helpContext);
}

QGroupBox* groupBox(const char* title, const char* name, QWidget* page) {
    return named(new QGroupBox(QString::fromLatin1(title), page), QString::fromLatin1(name),
                 HelpFrames);
}

// The picture box the plan is drawn in, in a column of its own at the right of a tab.
PlanWidget* picture(const char* name, int helpContext, QWidget* page, QHBoxLayout* layout) {
    auto* box = named(new PlanWidget(page), QString::fromLatin1(name), helpContext);
    box->setFramed(true);
    box->setFixedSize(250, 250);
    auto* column = new QVBoxLayout;
    column->addWidget(box);
    column->addStretch(1);
    layout->addLayout(column);
    return box;
}

QLabel* note(const QString& text, const QString& name, int helpContext, QWidget* parent) {
    QLabel* label = caption(text, name, helpContext, parent);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    label->setFont(f);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

// A caption followed by the unit of its field, set at load from the "tag" text.
QLabel* unitLabel(const QString& name, const QString& tag, int helpContext, QWidget* parent) {
    QLabel* label = caption(tag, name, helpContext, parent);
    label->setProperty("tag", tag);
    return label;
}

// A box's length limit holds for typing: a text the dialog puts in is shown whole, and the box
// then takes no more characters than it holds.
void showWhole(QLineEdit* box, const QString& text) {
    box->setMaxLength(std::max(box->property("typingLimit").toInt(), int(text.size())));
    box->setText(text);
}

} // namespace

frmKORAParm::frmKORAParm(ProjectRecord& project, const Settings& settings, PlanGeometry& plan,
                         Messenger& messenger, DialogService& dialogs, ReportPrinter& printer,
                         ParametersHooks hooks, QWidget* parent)
    : QDialog(parent), m_project(project), m_settings(settings), m_plan(plan),
      m_messenger(messenger), m_dialogs(dialogs), m_printer(printer), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("frmKORAParm"));
    setWindowTitle(QStringLiteral("Parameters"));

    m_tabs = named(new QTabWidget(this), QStringLiteral("SSTab1"), HelpFrames);
    m_tabs->addTab(buildStandardTab(), QStringLiteral("Standard"));
    m_tabs->addTab(buildDefaultsTab(), QStringLiteral("Defaults"));
    m_tabs->addTab(buildSizingTab(), QStringLiteral("CMRR/Sizing"));
    m_tabs->addTab(buildAdvancedTab(), QStringLiteral("Advanced"));
    // Controls of hidden tabs take no focus; the plan can be drawn from the Standard and the
    // Advanced tab.
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        m_view->setEnabled(tab == int(ParameterTab::Standard) ||
                           tab == int(ParameterTab::Advanced));
    });

    auto button = [this](const char* text, const char* name, int help) {
        return named(new QPushButton(QString::fromLatin1(text), this), QString::fromLatin1(name),
                     help);
    };
    m_ok = button("OK", "Command2", HelpFrames);
    QPushButton* cancel = button("Cancel", "Command1", HelpFrames);
    QPushButton* help = button("Help", "Command3", HelpButton);
    QPushButton* copy = button("Copy dialog image to clipboard", "Command5", HelpFrames);
    m_view = button("&View plan", "cmdView", HelpFrames);
    QPushButton* study50 = button("cmd50", "cmd50", HelpFrames);
    QPushButton* study100 = button("cmd100", "cmd100", HelpFrames);
    study50->hide();
    study100->hide();
    for (QPushButton* b : {cancel, help, copy, m_view, study50, study100}) b->setAutoDefault(false);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &frmKORAParm::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpHint(m_messenger); });
    connect(copy, &QPushButton::clicked, this, [this] { CopyDialogImage(this, m_messenger); });
    connect(m_view, &QPushButton::clicked, this, &frmKORAParm::viewPlan);
    connect(study50, &QPushButton::clicked, this, [this] { runStudy(ParametricStudy::Partial); });
    connect(study100, &QPushButton::clicked, this, [this] { runStudy(ParametricStudy::Solid); });

    // The hidden study buttons are reached from the keyboard only.
    const struct {
        const char* name;
        QList<QKeySequence> keys;
        QPushButton* target;
    } studies[] = {{"actStudyPartial",
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_5),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Percent)},
                    study50},
                   {"actStudySolid",
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_1),
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Exclam)},
                    study100}};
    for (const auto& s : studies) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(s.name));
        action->setShortcuts(s.keys);
        connect(action, &QAction::triggered, s.target, &QPushButton::click);
        addAction(action);
    }

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { m_warningShown = false; });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_view);
    buttons->addWidget(copy);
    buttons->addStretch(1);
    for (QPushButton* b : {m_ok, cancel, help, study50, study100}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    setProperty("helpContext", HelpFrames);
    load();
}

QLineEdit* frmKORAParm::numberBox(const QString& name, int helpContext, int maxLength) {
    auto* box = named(new QLineEdit(this), name, helpContext);
    box->setMaxLength(maxLength);
    box->setProperty("typingLimit", maxLength);
    connect(box, &QLineEdit::textEdited, box,
            [box, maxLength] { box->setMaxLength(std::max(maxLength, int(box->text().size()))); });
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000.0")) + 14);
    if (FindParameterField(name.toStdString()) != nullptr) m_boxes[name.toStdString()] = box;
    return box;
}

QLineEdit* frmKORAParm::box(std::string_view name) const {
    return m_boxes.find(name)->second;
}

QWidget* frmKORAParm::buildStandardTab() {
    auto* page = new QWidget;
    auto* frame = groupBox("Panel specification", "Frame1", page);
    static const char* const tags[] = {"Entry Height", "Depth of Cover", "Panel Width",
                                       "Entry Width", "Crosscut Spacing"};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    int row = 0;
    for (int i = 1; i <= 5; ++i, ++row) {
        QLabel* label = unitLabel(QStringLiteral("Label%1").arg(i),
                                  QString::fromLatin1(tags[i - 1]), HelpStandard, this);
        QLineEdit* text = numberBox(QStringLiteral("Text%1").arg(i), HelpStandard);
        label->setBuddy(text);
        grid->addWidget(label, row, 0);
        grid->addWidget(text, row, 1);
    }
    grid->addWidget(
        note(QStringLiteral("(center-to-center)"), QStringLiteral("Label7"), HelpStandard, page),
        row++, 0);
    QLabel* entriesLabel =
        caption(QStringLiteral("Number of Entries"), QStringLiteral("Label6"), HelpStandard, page);
    m_combo = named(new QComboBox(page), QStringLiteral("Combo1"), HelpStandard);
    entriesLabel->setBuddy(m_combo);
    m_entries = named(new QLineEdit(page), QStringLiteral("Text6"), HelpStandard);
    m_entries->setMaxLength(7);
    m_entries->hide();
    grid->addWidget(entriesLabel, row, 0);
    auto* comboRow = new QHBoxLayout;
    comboRow->addWidget(m_combo);
    comboRow->addWidget(m_entries);
    comboRow->addStretch(1);
    grid->addLayout(comboRow, row, 1);
    grid->setColumnStretch(2, 1);
    connect(m_combo, &QComboBox::currentIndexChanged, this, &frmKORAParm::onEntriesChosen);

    // The schematic of the entry system: grey entries with their centre lines and, between them,
    // the pillar columns with their centre-to-centre spacing.
    QLabel* spacingLabel =
        unitLabel(QStringLiteral("Label22"), QStringLiteral("Center-to-center entry spacing"),
                  HelpStandard, this);
    auto* schematic = new QGridLayout;
    schematic->setHorizontalSpacing(4);
    schematic->setVerticalSpacing(2);
    for (int e = 1; e <= MaxEntriesShown; ++e) {
        auto* entry = named(new QLineEdit(page), QStringLiteral("Text15_%1").arg(e), HelpStandard);
        entry->setReadOnly(true);
        entry->setFocusPolicy(Qt::NoFocus);
        entry->setFixedWidth(16);
        entry->setMinimumHeight(84);
        entry->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        entry->setStyleSheet(QStringLiteral(
            "QLineEdit { background: #c8c8c8; border: 1px solid #8a8a8a; border-radius: 2px; }"));
        auto* line = named(new QFrame(page), QStringLiteral("Line1_%1").arg(e), HelpStandard);
        line->setFrameShape(QFrame::NoFrame);
        line->setFixedWidth(1);
        line->setStyleSheet(QStringLiteral("background: #5a5a5a;"));
        line->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        schematic->addWidget(entry, 0, 2 * (e - 1), 3, 1, Qt::AlignHCenter);
        schematic->addWidget(line, 0, 2 * (e - 1), 3, 1, Qt::AlignHCenter);
        m_entryBoxes[e] = entry;
        m_entryLines[e] = line;
    }
    for (int i = 1; i <= ColumnBoxes; ++i) {
        Column& c = m_columns[i];
        c.pillar = caption(QStringLiteral("pillar"), QStringLiteral("Label23_%1").arg(i),
                           HelpStandard, page);
        c.number =
            caption(QString::number(i), QStringLiteral("Label24_%1").arg(i), HelpStandard, page);
        c.spacing = numberBox(columnBox("Text14", i), HelpStandard);
        for (QLabel* l : {c.pillar, c.number}) l->setAlignment(Qt::AlignCenter);
        const int column = 2 * i - 1;
        schematic->addWidget(c.pillar, 0, column, Qt::AlignHCenter | Qt::AlignBottom);
        schematic->addWidget(c.number, 1, column, Qt::AlignHCenter | Qt::AlignTop);
        schematic->addWidget(c.spacing, 2, column, Qt::AlignHCenter);
        schematic->setColumnMinimumWidth(column, c.spacing->width() + 8);
    }
    schematic->setColumnStretch(2 * MaxEntriesShown, 1);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(grid);
    frameLayout->addSpacing(10);
    frameLayout->addWidget(spacingLabel);
    frameLayout->addLayout(schematic);
    frameLayout->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(frame, 1);
    m_picture2 = picture("Picture2", HelpStandard, page, layout);
    return page;
}

QWidget* frmKORAParm::buildDefaultsTab() {
    auto* page = new QWidget;
    auto* frame = groupBox("Loading conditions", "Frame2", page);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(12);
    const struct {
        const char* label;
        const char* tag;
        bool unit;
        const char* box;
    } rows[] = {{"lblCoalStrength", "In situ Coal Strength", true, "txtCoalStrength"},
                {"Label8", "Abutment Angle (deg)", false, "txtAbutmentAngle"},
                {"lblGamma", "Overburden Unit Weight", true, "txtUnitWeight"}};
    int row = 0;
    for (const auto& r : rows) {
        const QString name = QString::fromLatin1(r.label);
        const QString tag = QString::fromLatin1(r.tag);
        QLabel* label = r.unit ? unitLabel(name, tag, HelpStandard, this)
                               : caption(tag, name, HelpStandard, page);
        QLineEdit* text = numberBox(QString::fromLatin1(r.box), HelpStandard);
        label->setBuddy(text);
        grid->addWidget(label, row, 0);
        grid->addWidget(text, row++, 1);
    }
    grid->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch(1);
    return page;
}

QWidget* frmKORAParm::buildSizingTab() {
    auto* page = new QWidget;
    auto* configFrame = groupBox("Pillar configuration", "Frame4", page);
    static const char* const modes[] = {"Equal sized pillars", "Yield abutment",
                                        "Yield abutment yield", "2 entry"};
    m_config = new QButtonGroup(this);
    auto* configLayout = new QVBoxLayout(configFrame);
    for (int i = 0; i < 4; ++i) {
        auto* button = named(new QRadioButton(QString::fromLatin1(modes[i]), configFrame),
                             QStringLiteral("Option1_%1").arg(i), HelpSizing);
        m_config->addButton(button, i);
        configLayout->addWidget(button);
    }
    connect(m_config, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) onConfiguration(id);
    });
    m_yieldLabel = unitLabel(QStringLiteral("label16"), QStringLiteral("Width of Yield Pillar(s)"),
                             HelpSizing, this);
    QLineEdit* yieldWidth = numberBox(QStringLiteral("Text16"), HelpSizing);
    m_yieldLabel->setBuddy(yieldWidth);
    auto* yieldRow = new QHBoxLayout;
    yieldRow->addWidget(m_yieldLabel);
    yieldRow->addWidget(yieldWidth);
    yieldRow->addStretch(1);
    configLayout->addSpacing(8);
    configLayout->addLayout(yieldRow);
    configLayout->addStretch(1);

    auto* factorFrame = groupBox("Stability factors: user and suggested", "Frame3", page);
    auto* factors = new QGridLayout(factorFrame);
    factors->setHorizontalSpacing(10);
    static const char* const heads[] = {"User", "KORA", "KORA(R)"};
    for (int c = 0; c < 3; ++c) {
        QLabel* head = caption(QString::fromLatin1(heads[c]), QStringLiteral("Label%1").arg(30 + c),
                               HelpSizing, factorFrame);
        head->setAlignment(Qt::AlignCenter);
        factors->addWidget(head, 0, c + 1);
    }
    static const char* const loadings[] = {"Headgate", "Bleeder", "Tailgate"};
    for (int r = 0; r < 3; ++r)
        factors->addWidget(caption(QString::fromLatin1(loadings[r]),
                                   QStringLiteral("Label%1").arg(26 + r), HelpSizing, factorFrame),
                           r + 1, 0);
    for (int r = 0; r < 3; ++r)
        factors->addWidget(numberBox(QStringLiteral("Text%1").arg(10 + r), HelpSizing), r + 1, 1);
    m_suggested = numberBox(QStringLiteral("Text19"), HelpSizing);
    m_suggestedR = numberBox(QStringLiteral("Text33"), HelpSizing);
    for (QLineEdit* suggestion : {m_suggested, m_suggestedR}) {
        suggestion->setReadOnly(true);
        suggestion->setFocusPolicy(Qt::NoFocus);
        suggestion->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
    }
    factors->addWidget(m_suggested, 3, 2);
    factors->addWidget(m_suggestedR, 3, 3);
    factors->setColumnStretch(4, 1);

    auto* cmrrFrame = groupBox("CMRR", "Frame5", page);
    QLabel* cmrrLabel = caption(QStringLiteral("Coal Mine Roof Rating (CMRR)"),
                                QStringLiteral("Label13a"), HelpSizing, cmrrFrame);
    QLineEdit* cmrr = numberBox(QStringLiteral("Text13"), HelpSizing, 5);
    cmrrLabel->setBuddy(cmrr);
    m_useCmrr = named(new QCheckBox(QStringLiteral("Use CMRR (KORA) suggested factors"), cmrrFrame),
                      QStringLiteral("Check1"), HelpSizing);
    auto* cmrrLayout = new QGridLayout(cmrrFrame);
    cmrrLayout->addWidget(cmrrLabel, 0, 0);
    cmrrLayout->addWidget(cmrr, 0, 1);
    cmrrLayout->addWidget(m_useCmrr, 1, 0, 1, 3);
    cmrrLayout->setColumnStretch(2, 1);
    connect(cmrr, &QLineEdit::textChanged, this, &frmKORAParm::onCmrrChanged);

    auto* right = new QVBoxLayout;
    right->addWidget(factorFrame);
    right->addWidget(cmrrFrame);
    right->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(configFrame);
    layout->addLayout(right, 1);
    return page;
}

QWidget* frmKORAParm::buildAdvancedTab() {
    auto* page = new QWidget;
    auto* statusFrame = groupBox("Option status", "Frame7", page);
    m_status = new QButtonGroup(this);
    auto* statusLayout = new QVBoxLayout(statusFrame);
    for (int i : {1, 0}) {
        auto* button = named(new QRadioButton(i == 1 ? QStringLiteral("Advanced geometry enabled")
                                                     : QStringLiteral("Advanced geometry disabled"),
                                              statusFrame),
                             QStringLiteral("Option2_%1").arg(i), HelpAdvanced);
        m_status->addButton(button, i);
        statusLayout->addWidget(button);
    }
    connect(m_status, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on) onOptionStatus(id);
    });

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(6);
    grid->addWidget(caption(QStringLiteral("Crosscut Angle (deg)"), QStringLiteral("Label19"),
                            HelpAdvanced, page),
                    0, 1);
    grid->addWidget(unitLabel(QStringLiteral("Label15"), QStringLiteral("Crosscut Spacing"),
                              HelpAdvanced, this),
                    0, 2);
    grid->addWidget(note(QStringLiteral("perpendicular to entry = 90"), QStringLiteral("Label20"),
                         HelpAdvanced, page),
                    1, 1);
    grid->addWidget(
        note(QStringLiteral("(center-to-center)"), QStringLiteral("Label25"), HelpAdvanced, page),
        1, 2);
    for (int i = 1; i <= ColumnBoxes; ++i) {
        Column& c = m_columns[i];
        c.advancedRow = caption(QStringLiteral("Pillar %1").arg(i),
                                QStringLiteral("Label13_%1").arg(i - 1), HelpAdvanced, page);
        grid->addWidget(c.advancedRow, i + 1, 0);
        c.angle = numberBox(columnBox("Text22", i), HelpAdvanced);
        grid->addWidget(c.angle, i + 1, 1, Qt::AlignLeft);
        c.xcut = numberBox(columnBox("Text23", i), HelpAdvanced);
        grid->addWidget(c.xcut, i + 1, 2, Qt::AlignLeft);
    }
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(6, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(statusFrame);
    left->addSpacing(8);
    left->addLayout(grid, 1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    m_picture1 = picture("Picture1", HelpAdvanced, page, layout);
    return page;
}

ParameterForm frmKORAParm::form() const {
    ParameterForm f;
    for (const auto& [name, box] : m_boxes) f.text[name] = box->text().toStdString();
    f.text["Text6"] = m_entries->text().toStdString();
    f.configMode = std::max(0, m_config->checkedId());
    f.useCmrr = m_useCmrr->isChecked();
    f.advanced = m_status->checkedId() == 1 ? 1 : 0;
    return f;
}

void frmKORAParm::load() {
    // Typing filters, select-all on focus and the Defaults warnings; the yield pillar box takes
    // any character.
    for (const auto& [name, box] : m_boxes) {
        if (FindParameterField(name)->tab == ParameterTab::Defaults)
            new FieldFilter(box, true, [this, box = box] { warnDefault(box); });
        else
            new FieldFilter(box, name != "Text16");
    }

    m_timer->setInterval(200);
    m_combo->blockSignals(true);
    for (int n = MinEntriesShown; n <= MaxEntriesShown; ++n) m_combo->addItem(QString::number(n));
    m_combo->blockSignals(false);
    m_combo->setCurrentIndex(-1);
    m_combo->setCurrentIndex(0);
    m_titles = SetMessageTitles(2);

    m_loading = true;
    m_accepted = false;
    m_modified = false;
    m_opened = ParameterFormOf(m_project);
    for (const ParameterField& field : ParameterFields()) {
        if (field.label.empty()) continue;
        auto* label = findChild<QLabel*>(QString::fromLatin1(field.label));
        label->setText(label->property("tag").toString() +
                       QString::fromStdString(UnitLabel(m_project.UnitSystem, field.unit)));
    }
    for (const auto& [name, text] : m_opened.text)
        if (name != "Text6") showWhole(box(name), QString::fromStdString(text));
    const int shown = m_opened.entries();
    m_combo->setCurrentIndex(shown - MinEntriesShown);
    m_entries->setText(QString::number(shown));
    onCmrrChanged(); // also when the text did not change (an empty box stays empty)
    m_useCmrr->setChecked(m_opened.useCmrr);
    ArrangePillarRows(shown);
    m_config->button(m_opened.configMode)->setChecked(true);
    m_status->button(m_opened.advanced)->setChecked(true);
    m_messenger.AddHistory("Editing Project Parameters");
    m_tabs->setCurrentIndex(int(ParameterTab::Standard));
    m_view->setEnabled(true);
    m_loading = false;
    m_timer->start();
}

void frmKORAParm::onEntriesChosen() {
    if (m_combo->currentIndex() < 0) return;
    m_entries->setText(m_combo->currentText());
    ArrangePillarRows(form().entries());
}

void frmKORAParm::ArrangePillarRows(int n) {
    for (int e = 1; e <= MaxEntriesShown; ++e) {
        m_entryBoxes[e]->setVisible(e <= n);
        m_entryLines[e]->setVisible(e <= n);
    }
    for (int i = 1; i <= ColumnBoxes; ++i) {
        const Column& c = m_columns[i];
        for (QWidget* w : std::initializer_list<QWidget*>{c.spacing, c.pillar, c.number, c.angle,
                                                          c.xcut, c.advancedRow})
            w->setVisible(i <= n - 1);
    }
    // A newly shown pillar column starts with the values of column 1.
    const Column& first = m_columns[1];
    for (int i = 2; i <= std::min(n - 1, ColumnBoxes); ++i) {
        const Column& c = m_columns[i];
        for (auto [from, to] : {std::pair{first.spacing, c.spacing},
                                std::pair{first.angle, c.angle}, std::pair{first.xcut, c.xcut}})
            if (valueOf(from) != 0 && valueOf(to) == 0) showWhole(to, from->text());
    }
}

void frmKORAParm::onConfiguration(int index) {
    if (index == 3) return; // "2 entry" leaves the yield width as it is
    m_yieldLabel->setEnabled(index != 0);
    box("Text16")->setEnabled(index != 0);
}

void frmKORAParm::onCmrrChanged() {
    QLineEdit* cmrr = box("Text13");
    const ParameterField& field = *FindParameterField("Text13");
    const double c = valueOf(cmrr);
    if (c >= field.low && c <= field.high) {
        const SuggestedSF suggested = CmrrSuggestedSF(c);
        showWhole(m_suggested, general(suggested.Classic));
        showWhole(m_suggestedR, general(suggested.Revised));
        return;
    }
    m_messenger.ShowMessage("Invalid CMRR", mb::OK | mb::Critical, m_titles.RangeError);
    cmrr->clear(); // runs this reaction again with 0
}

void frmKORAParm::onOptionStatus(int index) {
    if (m_loading) return;
    const int columns = std::min(form().entries() - 1, ColumnBoxes);
    if (index == 1) {
        for (int i = 1; i <= columns; ++i) {
            const Column& c = m_columns[i];
            if (valueOf(c.spacing) != 0 && valueOf(c.xcut) == 0)
                showWhole(c.xcut, c.spacing->text());
        }
        return;
    }
    if (!HasAdvancedData(form())) return;
    const int answer =
        m_messenger.ShowMessage("This action will zero all Advanced Geometry data. Continue?",
                                mb::YesNo | mb::Question | mb::DefaultButton2);
    if (answer != mb::AnswerYes) {
        m_status->button(1)->setChecked(true); // runs the "enabled" reaction
        return;
    }
    for (int i = 1; i <= columns; ++i) {
        m_columns[i].angle->setText(QStringLiteral("0"));
        m_columns[i].xcut->setText(QStringLiteral("0"));
    }
}

void frmKORAParm::warnDefault(QLineEdit* box) {
    const std::optional<std::string_view> warning =
        DefaultsWarning(box->objectName().toStdString(), valueOf(box), m_project.UnitSystem);
    if (!warning) return;
    m_messenger.ShowMessage(std::string(*warning));
    m_warningShown = true;
    m_timer->start();
}

void frmKORAParm::CheckKORAAdvParm() {
    m_plan.PlanAdvGeometry = HasAdvancedData(form()) ? 1 : 0;
    const bool wasLoading = m_loading;
    m_loading = true;
    m_status->button(m_plan.PlanAdvGeometry)->setChecked(true);
    m_loading = wasLoading;
}

bool frmKORAParm::ValidateParameters() {
    CheckKORAAdvParm();
    const std::optional<FieldFailure> failure =
        ValidateParameterFields(form(), m_project.UnitSystem);
    if (!failure) return true;
    m_messenger.ShowMessage(failure->message, mb::OK | mb::Critical, m_titles.RangeError);
    // The box's tab is brought up so that the focus lands in a box the user can see.
    m_tabs->setCurrentIndex(int(failure->tab));
    box(failure->box)->setFocus(Qt::OtherFocusReason);
    return false;
}

void frmKORAParm::StoreParameters() {
    StoreParameterFields(form(), m_opened, m_project);
    m_project.ProjectSaved = false;
    m_project.AdvGeometry = m_plan.PlanAdvGeometry;
    m_project.ProjectEmpty = false;
    m_modified = true;
    if (m_hooks.setCaption) m_hooks.setCaption();
}

bool frmKORAParm::ParametersChanged() const {
    return ParameterFieldsChanged(form(), m_opened, m_project);
}

void frmKORAParm::SaveWorkParms() {
    SaveFormGeometry(form(), m_plan);
}

void frmKORAParm::viewPlan() {
    if (!ValidateParameters()) return;
    SaveWorkParms();
    if (m_settings.ViewChildWindow == 1) {
        showPlanWindow(this, PlanSource::ParametersDialog, m_plan, PlanLabelValues{}, m_settings,
                       m_project.UnitSystem, 0, m_messenger, m_dialogs, m_printer);
        return;
    }
    // Inside the dialog the picture shows the outlines alone.
    const int mode = PlanLayoutMode(0, 0, m_plan.PlanAdvGeometry);
    PlanLayout layout;
    PlanWidget* picture =
        m_tabs->currentIndex() == int(ParameterTab::Advanced) ? m_picture1 : m_picture2;
    if (!ComputePlanLayout(m_plan, mode, false, layout)) {
        picture->clear();
        return;
    }
    const PlanDrawOptions options =
        PlanDrawOptions::from(m_settings, m_project.UnitSystem, 1, false);
    picture->setDrawing(DescribePlan(m_plan, mode, layout, options, PlanLabelValues{}));
}

void frmKORAParm::okClicked() {
    // The box that had the focus runs its lost-focus reaction (a Defaults warning) first.
    m_ok->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    if (ValidateParameters()) {
        m_accepted = true;
        if (!m_warningShown) {
            done(QDialog::Accepted);
            return;
        }
    }
    m_warningShown = false;
}

void frmKORAParm::done(int result) {
    if (m_unloaded) return;
    // Cancel and the close box discard, even after an OK that a Defaults warning held open.
    if (result != QDialog::Accepted) m_accepted = false;
    if (!m_accepted && !m_discarding && m_settings.IssueWarningCancel == 1 && ParametersChanged()) {
        const int answer =
            m_messenger.ShowMessage("Changes in Input Data will be discarded. Proceed?", mb::YesNo);
        if (answer != mb::AnswerYes) return;
    }
    m_unloaded = true;
    m_timer->stop();
    if (m_accepted) {
        StoreParameters();
        m_project.DescriptionSet = true;
    }
    m_messenger.AddHistory(m_modified ? "Project Parameters Modified"
                                      : "Project Parameters Not Modified");
    if (m_hooks.setCalcAdv) m_hooks.setCalcAdv(m_project.AdvGeometry != 0);
    QDialog::done(m_accepted ? QDialog::Accepted : QDialog::Rejected);
}

void frmKORAParm::discard() {
    m_discarding = true;
    reject();
}

void frmKORAParm::runStudy(ParametricStudy study) {
    CheckKORAAdvParm();
    StoreParameters();
    if (!m_hooks.runStudy) return;
    const std::optional<std::string> path = m_hooks.runStudy(study);
    if (path) m_messenger.ShowMessage("Parametric study written to: " + *path);
}

} // namespace kora::gui
