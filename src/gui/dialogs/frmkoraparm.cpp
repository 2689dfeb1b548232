#include "gui/dialogs/frmkoraparm.h"

#include "core/base/messenger.h"
#include "core/base/numberformat.h"
#include "core/graphics/plandrawing.h"
#include "core/graphics/planlayout.h"
#include "core/model/projectrecord.h"
#include "core/model/settings.h"
#include "core/model/unitsystems.h"
#include "gui/common/helphint.h"
#include "gui/dialogs/controlnames.h"
#include "gui/dialogs/fieldfilter.h"
#include "gui/graphics/frmpicture.h"
#include "gui/graphics/planwidget.h"
#include "gui/utilities/windowcapture.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
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
#include <cmath>

namespace kora::gui {

namespace {

constexpr int HelpFrames = 2200;
constexpr int HelpStandard = 2201; // fields of the Standard and Defaults tabs
constexpr int HelpSizing = 2202;
constexpr int HelpAdvanced = 2203;
constexpr int HelpButton = 5001;

constexpr int TabStandard = 0;
constexpr int TabDefaults = 1;
constexpr int TabSizing = 2;
constexpr int TabAdvanced = 3;

constexpr int MinEntriesShown = 2;
constexpr int MaxEntriesShown = 5;

const char* const CoalStrengthWarning =
    "Warning: The KORA case history data base was analyzed with an in situ coal strength of 900 "
    "psi.  Stability Factors (SF) obtained with a different in situ coal strength may not be "
    "comparable to the suggested SF values obtained from TERVA's analysis of the data base.  "
    "Also, TERVA research has shown that the reliability of the KORA design method decreases "
    "substantially when laboratory coal strengths were used in place of the default value.  For "
    "more information, see Help/Project Input Parameters.";
const char* const AbutmentAngleWarning =
    "Warning: The KORA case history data base was analyzed with abutment angles of 21 degrees.  "
    "Stability Factors (SF) obtained with different abutment angles may not be comparable to the "
    "suggested SF values obtained from TERVA's analysis of the data base.  For more information, "
    "see Help/Project Input Parameters.";
const char* const UnitWeightWarning =
    "Warning: The KORA case history data base was analyzed with an overburden unit weight of 162 "
    "pcf.  Stability Factors (SF) obtained with a different overburden unit weight may not be "
    "comparable to the suggested SF values obtained from TERVA's analysis of the data base.";

double valueOf(const QLineEdit* box) {
    return LeadingNumber(box->text().toStdString());
}

// The Single a box's text is stored as.
float storedValue(const QLineEdit* box) {
    return float(valueOf(box));
}

QString general(float value) {
    return QString::fromStdString(FormatGeneral(value));
}

QLabel* caption(const QString& text, const QString& name, int helpContext, QWidget* parent) {
    return named(new QLabel(text, parent), name, helpContext);
}

QLabel* note(const QString& text, const QString& name, int helpContext, QWidget* parent) {
    QLabel* label = caption(text, name, helpContext, parent);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 0.9);
    label->setFont(f);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

// A box's length limit holds for typing: a text the dialog puts in is shown whole, and the box
// then takes no more characters than it holds.
void showWhole(QLineEdit* box, const QString& text) {
    box->setMaxLength(std::max(box->property("typingLimit").toInt(), int(text.size())));
    box->setText(text);
}

void setRadioIndex(const std::array<QRadioButton*, 2>& buttons, int index) {
    buttons[std::size_t(index == 1 ? 1 : 0)]->setChecked(true);
}

} // namespace

frmKORAParm::frmKORAParm(ProjectRecord& project, const Settings& settings, PlanGeometry& plan,
                         Messenger& messenger, ReportPrinter& printer, ParametersHooks hooks,
                         QWidget* parent)
    : QDialog(parent), m_project(project), m_settings(settings), m_plan(plan),
      m_messenger(messenger), m_printer(printer), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("frmKORAParm"));
    setWindowTitle(QStringLiteral("Parameters"));
    buildForm();
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
    return box;
}

QLabel* frmKORAParm::unitLabel(const QString& name, const QString& tag, int helpContext) {
    QLabel* label = caption(tag, name, helpContext, this);
    label->setProperty("tag", tag);
    return label;
}

void frmKORAParm::setUnitCaption(QLabel* label, int kind) {
    label->setText(label->property("tag").toString() +
                   QString::fromStdString(UnitLabel(m_project.UnitSystem, kind)));
}

void frmKORAParm::buildForm() {
    m_tabs = named(new QTabWidget(this), QStringLiteral("SSTab1"), HelpFrames);
    m_tabs->addTab(buildStandardTab(), QStringLiteral("Standard"));
    m_tabs->addTab(buildDefaultsTab(), QStringLiteral("Defaults"));
    m_tabs->addTab(buildSizingTab(), QStringLiteral("CMRR/Sizing"));
    m_tabs->addTab(buildAdvancedTab(), QStringLiteral("Advanced"));
    connect(m_tabs, &QTabWidget::currentChanged, this, &frmKORAParm::onTabChanged);

    m_ok =
        named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("Command2"), HelpFrames);
    auto* cancel = named(new QPushButton(QStringLiteral("Cancel"), this),
                         QStringLiteral("Command1"), HelpFrames);
    auto* help = named(new QPushButton(QStringLiteral("Help"), this), QStringLiteral("Command3"),
                       HelpButton);
    auto* copy = named(new QPushButton(QStringLiteral("Copy dialog image to clipboard"), this),
                       QStringLiteral("Command5"), HelpFrames);
    m_view = named(new QPushButton(QStringLiteral("&View plan"), this), QStringLiteral("cmdView"),
                   HelpFrames);
    m_study50 =
        named(new QPushButton(QStringLiteral("cmd50"), this), QStringLiteral("cmd50"), HelpFrames);
    m_study100 = named(new QPushButton(QStringLiteral("cmd100"), this), QStringLiteral("cmd100"),
                       HelpFrames);
    m_study50->hide();
    m_study100->hide();
    for (QPushButton* b : {cancel, help, copy, m_view, m_study50, m_study100})
        b->setAutoDefault(false);
    m_ok->setDefault(true);

    connect(m_ok, &QPushButton::clicked, this, &frmKORAParm::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &frmKORAParm::showHelp);
    connect(copy, &QPushButton::clicked, this, &frmKORAParm::copyImage);
    connect(m_view, &QPushButton::clicked, this, &frmKORAParm::viewPlan);
    connect(m_study50, &QPushButton::clicked, this, [this] { runStudy(ParametricStudy::Partial); });
    connect(m_study100, &QPushButton::clicked, this, [this] { runStudy(ParametricStudy::Solid); });

    // The hidden study buttons are reached from the keyboard only.
    auto* partial = new QAction(this);
    partial->setObjectName(QStringLiteral("actStudyPartial"));
    partial->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_5),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Percent)});
    connect(partial, &QAction::triggered, m_study50, &QPushButton::click);
    auto* solid = new QAction(this);
    solid->setObjectName(QStringLiteral("actStudySolid"));
    solid->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_1),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Exclam)});
    connect(solid, &QAction::triggered, m_study100, &QPushButton::click);
    addAction(partial);
    addAction(solid);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { m_warningShown = false; });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_view);
    buttons->addWidget(copy);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    buttons->addWidget(m_study50);
    buttons->addWidget(m_study100);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    setProperty("helpContext", HelpFrames);
}

QWidget* frmKORAParm::buildStandardTab() {
    auto* page = new QWidget;
    auto* frame = named(new QGroupBox(QStringLiteral("Panel specification"), page),
                        QStringLiteral("Frame1"), HelpFrames);

    static const char* const tags[6] = {
        "", "Entry Height", "Depth of Cover", "Panel Width", "Entry Width", "Crosscut Spacing"};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    int row = 0;
    for (int i = 1; i <= 5; ++i) {
        QLabel* label =
            unitLabel(QStringLiteral("Label%1").arg(i), QString::fromLatin1(tags[i]), HelpStandard);
        m_text[i] = numberBox(QStringLiteral("Text%1").arg(i), HelpStandard);
        label->setBuddy(m_text[i]);
        grid->addWidget(label, row, 0);
        grid->addWidget(m_text[i], row, 1);
        ++row;
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
    QLabel* spacingLabel = unitLabel(
        QStringLiteral("Label22"), QStringLiteral("Center-to-center entry spacing"), HelpStandard);
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
        m_entryBoxes[std::size_t(e)] = entry;
        m_entryLines[std::size_t(e)] = line;
    }
    for (int i = 1; i <= 4; ++i) {
        Row& r = m_rows[std::size_t(i)];
        r.pillar = caption(QStringLiteral("pillar"), QStringLiteral("Label23_%1").arg(i),
                           HelpStandard, page);
        r.number =
            caption(QString::number(i), QStringLiteral("Label24_%1").arg(i), HelpStandard, page);
        r.spacing = numberBox(QStringLiteral("Text14_%1").arg(i), HelpStandard);
        for (QLabel* l : {r.pillar, r.number}) l->setAlignment(Qt::AlignCenter);
        const int column = 2 * i - 1;
        schematic->addWidget(r.pillar, 0, column, Qt::AlignHCenter | Qt::AlignBottom);
        schematic->addWidget(r.number, 1, column, Qt::AlignHCenter | Qt::AlignTop);
        schematic->addWidget(r.spacing, 2, column, Qt::AlignHCenter);
        schematic->setColumnMinimumWidth(column, r.spacing->width() + 8);
    }
    schematic->setColumnStretch(2 * MaxEntriesShown, 1);

    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addLayout(grid);
    frameLayout->addSpacing(10);
    frameLayout->addWidget(spacingLabel);
    frameLayout->addLayout(schematic);
    frameLayout->addStretch(1);

    m_picture2 = named(new PlanWidget(page), QStringLiteral("Picture2"), HelpStandard);
    m_picture2->setFramed(true);
    m_picture2->setFixedSize(250, 250);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(frame, 1);
    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(m_picture2);
    pictureColumn->addStretch(1);
    layout->addLayout(pictureColumn);
    return page;
}

QWidget* frmKORAParm::buildDefaultsTab() {
    auto* page = new QWidget;
    auto* frame = named(new QGroupBox(QStringLiteral("Loading conditions"), page),
                        QStringLiteral("Frame2"), HelpFrames);
    QLabel* strength = unitLabel(QStringLiteral("lblCoalStrength"),
                                 QStringLiteral("In situ Coal Strength"), HelpStandard);
    m_coalStrength = numberBox(QStringLiteral("txtCoalStrength"), HelpStandard);
    QLabel* angle = caption(QStringLiteral("Abutment Angle (deg)"), QStringLiteral("Label8"),
                            HelpStandard, page);
    m_abutmentAngle = numberBox(QStringLiteral("txtAbutmentAngle"), HelpStandard);
    QLabel* gamma = unitLabel(QStringLiteral("lblGamma"), QStringLiteral("Overburden Unit Weight"),
                              HelpStandard);
    m_unitWeight = numberBox(QStringLiteral("txtUnitWeight"), HelpStandard);
    strength->setBuddy(m_coalStrength);
    angle->setBuddy(m_abutmentAngle);
    gamma->setBuddy(m_unitWeight);

    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(12);
    grid->addWidget(strength, 0, 0);
    grid->addWidget(m_coalStrength, 0, 1);
    grid->addWidget(angle, 1, 0);
    grid->addWidget(m_abutmentAngle, 1, 1);
    grid->addWidget(gamma, 2, 0);
    grid->addWidget(m_unitWeight, 2, 1);
    grid->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(frame);
    layout->addStretch(1);
    return page;
}

QWidget* frmKORAParm::buildSizingTab() {
    auto* page = new QWidget;
    auto* configFrame = named(new QGroupBox(QStringLiteral("Pillar configuration"), page),
                              QStringLiteral("Frame4"), HelpFrames);
    static const char* const modes[4] = {"Equal sized pillars", "Yield abutment",
                                         "Yield abutment yield", "2 entry"};
    auto* configGroup = new QButtonGroup(this);
    auto* configLayout = new QVBoxLayout(configFrame);
    for (int i = 0; i < 4; ++i) {
        auto* option = named(new QRadioButton(QString::fromLatin1(modes[i]), configFrame),
                             QStringLiteral("Option1_%1").arg(i), HelpSizing);
        configGroup->addButton(option, i);
        configLayout->addWidget(option);
        m_config[std::size_t(i)] = option;
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) onConfiguration(i);
        });
    }
    m_yieldLabel = unitLabel(QStringLiteral("label16"), QStringLiteral("Width of Yield Pillar(s)"),
                             HelpSizing);
    m_yieldWidth = numberBox(QStringLiteral("Text16"), HelpSizing);
    m_yieldLabel->setBuddy(m_yieldWidth);
    auto* yieldRow = new QHBoxLayout;
    yieldRow->addWidget(m_yieldLabel);
    yieldRow->addWidget(m_yieldWidth);
    yieldRow->addStretch(1);
    configLayout->addSpacing(8);
    configLayout->addLayout(yieldRow);
    configLayout->addStretch(1);

    auto* factorFrame =
        named(new QGroupBox(QStringLiteral("Stability factors: user and suggested"), page),
              QStringLiteral("Frame3"), HelpFrames);
    auto* factors = new QGridLayout(factorFrame);
    factors->setHorizontalSpacing(10);
    static const char* const heads[3] = {"User", "KORA", "KORA(R)"};
    for (int c = 0; c < 3; ++c) {
        QLabel* head = caption(QString::fromLatin1(heads[c]), QStringLiteral("Label%1").arg(30 + c),
                               HelpSizing, factorFrame);
        head->setAlignment(Qt::AlignCenter);
        factors->addWidget(head, 0, c + 1);
    }
    static const char* const rows[3] = {"Headgate", "Bleeder", "Tailgate"};
    for (int r = 0; r < 3; ++r)
        factors->addWidget(caption(QString::fromLatin1(rows[r]),
                                   QStringLiteral("Label%1").arg(26 + r), HelpSizing, factorFrame),
                           r + 1, 0);
    m_headgate = numberBox(QStringLiteral("Text10"), HelpSizing);
    m_bleeder = numberBox(QStringLiteral("Text11"), HelpSizing);
    m_tailgate = numberBox(QStringLiteral("Text12"), HelpSizing);
    m_suggested = numberBox(QStringLiteral("Text19"), HelpSizing);
    m_suggestedR = numberBox(QStringLiteral("Text33"), HelpSizing);
    for (QLineEdit* box : {m_suggested, m_suggestedR}) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        box->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
    }
    factors->addWidget(m_headgate, 1, 1);
    factors->addWidget(m_bleeder, 2, 1);
    factors->addWidget(m_tailgate, 3, 1);
    factors->addWidget(m_suggested, 3, 2);
    factors->addWidget(m_suggestedR, 3, 3);
    factors->setColumnStretch(4, 1);

    auto* cmrrFrame =
        named(new QGroupBox(QStringLiteral("CMRR"), page), QStringLiteral("Frame5"), HelpFrames);
    QLabel* cmrrLabel = caption(QStringLiteral("Coal Mine Roof Rating (CMRR)"),
                                QStringLiteral("Label13a"), HelpSizing, cmrrFrame);
    m_cmrr = numberBox(QStringLiteral("Text13"), HelpSizing, 5);
    cmrrLabel->setBuddy(m_cmrr);
    m_useCmrr = named(new QCheckBox(QStringLiteral("Use CMRR (KORA) suggested factors"), cmrrFrame),
                      QStringLiteral("Check1"), HelpSizing);
    auto* cmrrLayout = new QGridLayout(cmrrFrame);
    cmrrLayout->addWidget(cmrrLabel, 0, 0);
    cmrrLayout->addWidget(m_cmrr, 0, 1);
    cmrrLayout->addWidget(m_useCmrr, 1, 0, 1, 3);
    cmrrLayout->setColumnStretch(2, 1);
    connect(m_cmrr, &QLineEdit::textChanged, this, &frmKORAParm::onCmrrChanged);

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
    auto* statusFrame = named(new QGroupBox(QStringLiteral("Option status"), page),
                              QStringLiteral("Frame7"), HelpFrames);
    m_status[1] = named(new QRadioButton(QStringLiteral("Advanced geometry enabled"), statusFrame),
                        QStringLiteral("Option2_1"), HelpAdvanced);
    m_status[0] = named(new QRadioButton(QStringLiteral("Advanced geometry disabled"), statusFrame),
                        QStringLiteral("Option2_0"), HelpAdvanced);
    auto* statusGroup = new QButtonGroup(this);
    statusGroup->addButton(m_status[0], 0);
    statusGroup->addButton(m_status[1], 1);
    auto* statusLayout = new QVBoxLayout(statusFrame);
    statusLayout->addWidget(m_status[1]);
    statusLayout->addWidget(m_status[0]);
    for (int i = 0; i < 2; ++i) {
        connect(m_status[std::size_t(i)], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) onOptionStatus(i);
        });
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(6);
    QLabel* angleHead = caption(QStringLiteral("Crosscut Angle (deg)"), QStringLiteral("Label19"),
                                HelpAdvanced, page);
    QLabel* spacingHead =
        unitLabel(QStringLiteral("Label15"), QStringLiteral("Crosscut Spacing"), HelpAdvanced);
    grid->addWidget(angleHead, 0, 1);
    grid->addWidget(spacingHead, 0, 2);
    grid->addWidget(note(QStringLiteral("perpendicular to entry = 90"), QStringLiteral("Label20"),
                         HelpAdvanced, page),
                    1, 1);
    grid->addWidget(
        note(QStringLiteral("(center-to-center)"), QStringLiteral("Label25"), HelpAdvanced, page),
        1, 2);
    for (int i = 1; i <= 4; ++i) {
        Row& r = m_rows[std::size_t(i)];
        r.advancedRow = caption(QStringLiteral("Pillar %1").arg(i),
                                QStringLiteral("Label13_%1").arg(i - 1), HelpAdvanced, page);
        r.angle = numberBox(QStringLiteral("Text22_%1").arg(i), HelpAdvanced);
        r.xcut = numberBox(QStringLiteral("Text23_%1").arg(i), HelpAdvanced);
        grid->addWidget(r.advancedRow, i + 1, 0);
        grid->addWidget(r.angle, i + 1, 1, Qt::AlignLeft);
        grid->addWidget(r.xcut, i + 1, 2, Qt::AlignLeft);
    }
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(6, 1);

    m_picture1 = named(new PlanWidget(page), QStringLiteral("Picture1"), HelpAdvanced);
    m_picture1->setFramed(true);
    m_picture1->setFixedSize(250, 250);

    auto* left = new QVBoxLayout;
    left->addWidget(statusFrame);
    left->addSpacing(8);
    left->addLayout(grid, 1);
    auto* pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(m_picture1);
    pictureColumn->addStretch(1);
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left, 1);
    layout->addLayout(pictureColumn);
    return page;
}

void frmKORAParm::load() {
    // Typing filters, select-all on focus and the Defaults warnings.
    for (int i = 1; i <= 5; ++i) new FieldFilter(m_text[i], true);
    for (QLineEdit* box : {m_headgate, m_bleeder, m_tailgate, m_cmrr}) new FieldFilter(box, true);
    for (int i = 1; i <= 4; ++i) {
        const Row& r = m_rows[std::size_t(i)];
        for (QLineEdit* box : {r.spacing, r.angle, r.xcut}) new FieldFilter(box, true);
    }
    for (QLineEdit* box : {m_coalStrength, m_abutmentAngle, m_unitWeight})
        new FieldFilter(box, true, [this, box] { warnDefault(box); });
    new FieldFilter(m_yieldWidth, false);

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
    const ProjectRecord& p = m_project;
    fill(m_text[1], general(p.EntryHeight));
    setUnitCaption(findChild<QLabel*>(QStringLiteral("Label1")), unit::Length);
    fill(m_text[2], general(p.DepthOfCover));
    setUnitCaption(findChild<QLabel*>(QStringLiteral("Label2")), unit::Length);
    fill(m_text[3], general(p.PanelWidth));
    setUnitCaption(findChild<QLabel*>(QStringLiteral("Label3")), unit::Length);
    fill(m_text[4], general(p.EntryWidth));
    setUnitCaption(findChild<QLabel*>(QStringLiteral("Label4")), unit::Length);
    fill(m_text[5], general(p.CrosscutSpacing));
    setUnitCaption(findChild<QLabel*>(QStringLiteral("Label5")), unit::Length);
    // The list offers 2 to 5 entries; a project with fewer or more is shown with the nearest
    // count the dialog can edit.
    const int shown = std::clamp(int(p.NumEntries), MinEntriesShown, MaxEntriesShown);
    m_combo->setCurrentIndex(shown - MinEntriesShown);
    m_entries->setText(QString::number(shown));
    setUnitCaption(findChild<QLabel*>(QStringLiteral("Label22")), unit::Length);
    fill(m_coalStrength, QString::fromStdString(Format(p.CoalStrength, "#.##")));
    setUnitCaption(findChild<QLabel*>(QStringLiteral("lblCoalStrength")), unit::Stress);
    fill(m_abutmentAngle, general(p.AbutmentAngle));
    fill(m_unitWeight, QString::fromStdString(Format(p.UnitWeight, "#.##")));
    setUnitCaption(findChild<QLabel*>(QStringLiteral("lblGamma")), unit::UnitWeight);
    fill(m_headgate, general(p.HeadgateSF));
    fill(m_bleeder, general(p.BleederSF));
    fill(m_tailgate, general(p.TailgateSF));
    fill(m_yieldWidth, general(p.YieldPillarWidth));
    setUnitCaption(m_yieldLabel, unit::Length);
    fill(m_cmrr, general(p.CMRRValue));
    onCmrrChanged(); // also when the text did not change (an empty box stays empty)
    m_useCmrr->setChecked(p.UseCMRR != 0);
    for (int i = 1; i <= shown - 1; ++i) {
        const Row& r = m_rows[std::size_t(i)];
        fill(r.spacing, general(p.CenterDistance[i]));
        fill(r.angle, general(p.XcutAngle[i]));
        fill(r.xcut, general(p.XcutSpacing[i]));
    }
    ArrangePillarRows(shown);
    const int mode = p.ConfigMode >= 0 && p.ConfigMode <= 3 ? p.ConfigMode : 0;
    m_config[std::size_t(mode)]->setChecked(true);
    setUnitCaption(findChild<QLabel*>(QStringLiteral("Label15")), unit::Length);
    setRadioIndex(m_status, p.AdvGeometry);
    m_messenger.AddHistory("Editing Project Parameters");
    m_tabs->setCurrentIndex(TabStandard);
    onTabChanged(TabStandard);
    m_loading = false;
    m_timer->start();
}

int frmKORAParm::entriesShown() const {
    return int(std::lround(valueOf(m_entries)));
}

void frmKORAParm::onEntriesChosen() {
    if (m_combo->currentIndex() < 0) return;
    m_entries->setText(m_combo->currentText());
    ArrangePillarRows(entriesShown());
}

void frmKORAParm::ArrangePillarRows(int n) {
    n = std::clamp(n, 0, MaxEntriesShown);
    for (int e = 1; e <= MaxEntriesShown; ++e) {
        m_entryBoxes[std::size_t(e)]->setVisible(e <= n);
        m_entryLines[std::size_t(e)]->setVisible(e <= n);
    }
    for (int i = 1; i <= 4; ++i) {
        const Row& r = m_rows[std::size_t(i)];
        const bool shown = i <= n - 1;
        for (QWidget* w : std::initializer_list<QWidget*>{r.spacing, r.pillar, r.number, r.angle,
                                                          r.xcut, r.advancedRow})
            w->setVisible(shown);
    }
    // A newly shown pillar column starts with the values of column 1.
    const Row& first = m_rows[1];
    for (int i = 2; i <= n - 1; ++i) {
        const Row& r = m_rows[std::size_t(i)];
        const std::pair<QLineEdit*, QLineEdit*> pairs[3] = {
            {first.spacing, r.spacing}, {first.angle, r.angle}, {first.xcut, r.xcut}};
        for (const auto& [from, to] : pairs) {
            if (valueOf(from) != 0 && valueOf(to) == 0) showWhole(to, from->text());
        }
    }
}

void frmKORAParm::onConfiguration(int index) {
    if (index == 0) {
        m_yieldLabel->setEnabled(false);
        m_yieldWidth->setEnabled(false);
    } else if (index == 1 || index == 2) {
        m_yieldLabel->setEnabled(true);
        m_yieldWidth->setEnabled(true);
    }
}

void frmKORAParm::onCmrrChanged() {
    const double c = valueOf(m_cmrr);
    if (c >= 0 && c <= 100) {
        showWhole(m_suggested, general(float(1.76 - 0.014 * c)));
        showWhole(m_suggestedR, general(float(2.0 - 0.016 * c)));
        return;
    }
    m_messenger.ShowMessage("Invalid CMRR", mb::OK | mb::Critical, m_titles.RangeError);
    m_cmrr->clear(); // runs this reaction again with 0
}

void frmKORAParm::onOptionStatus(int index) {
    if (m_loading) return;
    const int n = entriesShown() - 1;
    if (index == 1) {
        for (int i = 1; i <= std::min(n, 4); ++i) {
            const Row& r = m_rows[std::size_t(i)];
            if (valueOf(r.spacing) != 0 && valueOf(r.xcut) == 0)
                showWhole(r.xcut, r.spacing->text());
        }
        return;
    }
    bool hasData = false;
    for (int i = 1; i <= std::min(n, 4); ++i) {
        const Row& r = m_rows[std::size_t(i)];
        if (valueOf(r.angle) != 0 && valueOf(r.xcut) != 0) hasData = true;
    }
    if (!hasData) return;
    const int answer =
        m_messenger.ShowMessage("This action will zero all Advanced Geometry data. Continue?",
                                mb::YesNo | mb::Question | mb::DefaultButton2);
    if (answer == mb::AnswerYes) {
        for (int i = 1; i <= std::min(n, 4); ++i) {
            m_rows[std::size_t(i)].angle->setText(QStringLiteral("0"));
            m_rows[std::size_t(i)].xcut->setText(QStringLiteral("0"));
        }
    } else {
        m_status[1]->setChecked(true); // runs the "enabled" reaction
    }
}

void frmKORAParm::onTabChanged(int index) {
    // Controls of hidden tabs take no focus; the plan can be drawn from the Standard and the
    // Advanced tab.
    m_view->setEnabled(index == TabStandard || index == TabAdvanced);
}

void frmKORAParm::warnDefault(QLineEdit* box) {
    const double v = valueOf(box);
    const bool metric = m_project.UnitSystem == Metric;
    const char* text = nullptr;
    if (box == m_coalStrength && v != (metric ? 6.21 : 900.0)) text = CoalStrengthWarning;
    if (box == m_abutmentAngle && v != 21.0) text = AbutmentAngleWarning;
    if (box == m_unitWeight && v != (metric ? 25.45 : 162.0)) text = UnitWeightWarning;
    if (text == nullptr) return;
    m_messenger.ShowMessage(text);
    m_warningShown = true;
    m_timer->start();
}

void frmKORAParm::CheckKORAAdvParm() {
    const int n = entriesShown() - 1;
    bool found = false;
    for (int i = 1; i <= std::min(n, 4); ++i) {
        const Row& r = m_rows[std::size_t(i)];
        if (valueOf(r.xcut) != 0 && valueOf(r.angle) != 0) found = true;
    }
    m_plan.PlanAdvGeometry = found ? 1 : 0;
    const bool wasLoading = m_loading;
    m_loading = true;
    setRadioIndex(m_status, m_plan.PlanAdvGeometry);
    m_loading = wasLoading;
}

bool frmKORAParm::fail(const std::string& message, int tab, QLineEdit* box) {
    m_messenger.ShowMessage(message, mb::OK | mb::Critical, m_titles.RangeError);
    m_tabs->setCurrentIndex(tab);
    box->setFocus(Qt::OtherFocusReason);
    return false;
}

// CheckRange has shown its message; the box's tab is brought up so that the focus lands in a
// box the user can see.
bool frmKORAParm::failRange(int tab, QLineEdit* box) {
    m_tabs->setCurrentIndex(tab);
    box->setFocus(Qt::OtherFocusReason);
    return false;
}

bool frmKORAParm::ValidateParameters() {
    CheckKORAAdvParm();
    const double height = valueOf(m_text[1]);
    const double depth = valueOf(m_text[2]);
    const double panel = valueOf(m_text[3]);
    const double entryWidth = valueOf(m_text[4]);
    const double xcut = valueOf(m_text[5]);
    auto range = [this](QLineEdit* box, double low, double high) {
        return CheckRange(box->text().toStdString(), low, high, "", m_titles, m_messenger);
    };

    if (height <= 0) return fail("Invalid entry height", TabStandard, m_text[1]);
    if (depth <= 0) return fail("Invalid depth of cover", TabStandard, m_text[2]);
    if (panel <= 0) return fail("Invalid panel width", TabStandard, m_text[3]);
    if (entryWidth < 1)
        return fail("Invalid entry width. Should be >= 1 " +
                        UnitLabel(m_project.UnitSystem, unit::Length),
                    TabStandard, m_text[4]);
    if (entryWidth >= 0.5 * panel)
        return fail("Invalid entry width. Should be less that 1/2 of panel width", TabStandard,
                    m_text[4]);
    if (xcut <= 0 || entryWidth >= xcut)
        return fail("Invalid crosscut spacing", TabStandard, m_text[5]);
    if (valueOf(m_coalStrength) <= 0)
        return fail("Invalid in situ coal strength", TabDefaults, m_coalStrength);
    if (!range(m_abutmentAngle, 0, 90)) return failRange(TabDefaults, m_abutmentAngle);
    if (valueOf(m_unitWeight) <= 0)
        return fail("Invalid overburden unit weight", TabDefaults, m_unitWeight);
    for (QLineEdit* box : {m_headgate, m_bleeder, m_tailgate}) {
        if (!range(box, 0.1, 10)) return failRange(TabSizing, box);
    }
    if (!range(m_cmrr, 0, 100)) return failRange(TabSizing, m_cmrr);
    // The yield pillar box takes any character: "3x0" is refused, not stored as 3.
    const QString yieldText = m_yieldWidth->text().trimmed();
    if (!yieldText.isEmpty() && !IsNumericText(yieldText.toStdString()))
        return fail("Invalid width of Yield Pillar(s)", TabSizing, m_yieldWidth);
    if (valueOf(m_yieldWidth) <= 0 && !m_config[0]->isChecked() && !m_config[3]->isChecked())
        return fail("Invalid width of Yield Pillar(s)", TabSizing, m_yieldWidth);

    const int n = entriesShown();
    if (n <= 0) return true;
    for (int i = 1; i <= std::min(n - 1, 4); ++i) {
        QLineEdit* spacing = m_rows[std::size_t(i)].spacing;
        if (valueOf(spacing) <= 0) return fail("Invalid entry spacing", TabStandard, spacing);
        if (entryWidth >= valueOf(spacing))
            return fail("Entry spacing should be more than Entry Width", TabStandard, spacing);
    }
    if (m_plan.PlanAdvGeometry == 1) {
        for (int i = 1; i <= std::min(n - 1, 4); ++i) {
            const Row& r = m_rows[std::size_t(i)];
            if (valueOf(r.xcut) <= 0) return fail("Invalid crosscut spacing", TabAdvanced, r.xcut);
            const double angle = valueOf(r.angle);
            if (angle < 45 || angle > 90)
                return fail("Invalid crosscut angle. Valid range is 45-90 degrees.", TabAdvanced,
                            r.angle);
        }
    }
    return true;
}

void frmKORAParm::StoreParameters() {
    ProjectRecord& p = m_project;
    p.EntryHeight = toStore(m_text[1], p.EntryHeight);
    p.DepthOfCover = toStore(m_text[2], p.DepthOfCover);
    p.PanelWidth = toStore(m_text[3], p.PanelWidth);
    p.EntryWidth = toStore(m_text[4], p.EntryWidth);
    p.CrosscutSpacing = toStore(m_text[5], p.CrosscutSpacing);
    p.NumEntries = std::int16_t(std::clamp(entriesShown(), MinEntriesShown, MaxEntriesShown));
    p.CoalStrength = toStore(m_coalStrength, p.CoalStrength);
    p.AbutmentAngle = toStore(m_abutmentAngle, p.AbutmentAngle);
    p.UnitWeight = toStore(m_unitWeight, p.UnitWeight);
    p.HeadgateSF = toStore(m_headgate, p.HeadgateSF);
    p.BleederSF = toStore(m_bleeder, p.BleederSF);
    p.TailgateSF = toStore(m_tailgate, p.TailgateSF);
    p.YieldPillarWidth = toStore(m_yieldWidth, p.YieldPillarWidth);
    p.CMRRValue = toStore(m_cmrr, p.CMRRValue);
    for (int i = 1; i <= p.NumEntries - 1; ++i)
        p.CenterDistance[i] = toStore(m_rows[std::size_t(i)].spacing, p.CenterDistance[i]);
    for (int i = 0; i < 4; ++i) {
        if (m_config[std::size_t(i)]->isChecked()) p.ConfigMode = std::int16_t(i);
    }
    p.UseCMRR = m_useCmrr->isChecked() ? 1 : 0;
    for (int i = 1; i <= p.NumEntries - 1; ++i) {
        p.XcutAngle[i] = toStore(m_rows[std::size_t(i)].angle, p.XcutAngle[i]);
        p.XcutSpacing[i] = toStore(m_rows[std::size_t(i)].xcut, p.XcutSpacing[i]);
    }
    p.ProjectSaved = false;
    p.AdvGeometry = m_plan.PlanAdvGeometry;
    p.ProjectEmpty = false;
    m_modified = true;
    if (m_hooks.setCaption) m_hooks.setCaption();
}

void frmKORAParm::fill(QLineEdit* box, const QString& text) {
    m_loadedText[box] = text;
    showWhole(box, text);
}

bool frmKORAParm::untouched(const QLineEdit* box) const {
    const auto loaded = m_loadedText.find(box);
    return loaded != m_loadedText.end() && loaded->second == box->text();
}

// A box left as the dialog filled it from the project keeps the project's value, even where its
// text cannot give back the Single it came from (a Metric coal strength shown with two decimals,
// a depth with more digits than the general form shows).
float frmKORAParm::toStore(const QLineEdit* box, float field) const {
    return untouched(box) ? field : storedValue(box);
}

bool frmKORAParm::differs(const QLineEdit* box, float field) const {
    return toStore(box, field) != field;
}

bool frmKORAParm::ParametersChanged() const {
    const ProjectRecord& p = m_project;
    if (differs(m_text[1], p.EntryHeight) || differs(m_text[2], p.DepthOfCover) ||
        differs(m_text[3], p.PanelWidth) || differs(m_text[4], p.EntryWidth) ||
        differs(m_text[5], p.CrosscutSpacing))
        return true;
    if (entriesShown() != p.NumEntries) return true;
    const int columns = std::min(p.NumEntries - 1, 4);
    for (int i = 1; i <= columns; ++i) {
        if (differs(m_rows[std::size_t(i)].spacing, p.CenterDistance[i])) return true;
    }
    if (differs(m_coalStrength, p.CoalStrength) || differs(m_abutmentAngle, p.AbutmentAngle) ||
        differs(m_unitWeight, p.UnitWeight) || differs(m_headgate, p.HeadgateSF) ||
        differs(m_bleeder, p.BleederSF) || differs(m_tailgate, p.TailgateSF) ||
        differs(m_yieldWidth, p.YieldPillarWidth) || differs(m_cmrr, p.CMRRValue))
        return true;
    int mode = 0;
    for (int i = 0; i < 4; ++i) {
        if (m_config[std::size_t(i)]->isChecked()) mode = i;
    }
    if (mode != p.ConfigMode) return true;
    if ((m_useCmrr->isChecked() ? 1 : 0) != (p.UseCMRR != 0 ? 1 : 0)) return true;
    if ((m_status[1]->isChecked() ? 1 : 0) != p.AdvGeometry) return true;
    for (int i = 1; i <= columns; ++i) {
        const Row& r = m_rows[std::size_t(i)];
        if (differs(r.angle, p.XcutAngle[i]) || differs(r.xcut, p.XcutSpacing[i])) return true;
    }
    return false;
}

void frmKORAParm::SaveWorkParms() {
    PlanGeometry& g = m_plan;
    g.EntryHeight = storedValue(m_text[1]);
    g.DepthOfCover = storedValue(m_text[2]);
    g.PanelWidth = storedValue(m_text[3]);
    g.PlanEntryWidth = storedValue(m_text[4]);
    g.PlanXcutSpacing = storedValue(m_text[5]);
    g.PlanEntries = std::int16_t(entriesShown());
    g.PlanAdvGeometry = m_status[1]->isChecked() ? 1 : 0;
    for (int i = 1; i <= std::min(entriesShown() - 1, 4); ++i) {
        const Row& r = m_rows[std::size_t(i)];
        g.PlanCenterDistance[i] = storedValue(r.spacing);
        g.DrawXcutSpacing[i] = storedValue(r.xcut);
        g.DrawXcutAngle[i] = storedValue(r.angle);
    }
}

void frmKORAParm::viewPlan() {
    if (!ValidateParameters()) return;
    SaveWorkParms();
    if (m_settings.ViewChildWindow == 1) {
        showPlanWindow(this, PlanSource::ParametersDialog, m_plan, PlanLabelValues{}, m_settings,
                       m_project.UnitSystem, 0, m_messenger, m_printer);
        return;
    }
    // Inside the dialog the picture shows the outlines alone.
    const int mode = PlanLayoutMode(0, 0, m_plan.PlanAdvGeometry);
    PlanLayout layout;
    PlanWidget* picture = m_tabs->currentIndex() == TabAdvanced ? m_picture1 : m_picture2;
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

void frmKORAParm::copyImage() {
    CopyDialogImage(this, m_messenger);
}

void frmKORAParm::showHelp() {
    ShowHelpHint(m_messenger);
}

} // namespace kora::gui
