#include "gui/dialogs/frmkoradesc.h"

#include "core/base/messenger.h"
#include "core/model/projectrecord.h"
#include "core/model/reportbuffer.h"
#include "core/model/settings.h"
#include "core/project/projectfile.h"
#include "gui/common/controlnames.h"
#include "gui/common/helphint.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace kora::gui {

namespace {

constexpr int HelpDescription = 2100;
constexpr int HelpButton = 5001;

// The description is kept with CR LF line ends; the editor works with plain line feeds.
QString toEditor(const std::string& stored) {
    QString s = QString::fromStdString(stored);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

std::string fromEditor(const QString& text) {
    QString s = text;
    s.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return s.toStdString();
}

// Length of the description as it is stored: a line break counts as CR LF.
int storedLength(const QString& editorText) {
    return int(editorText.size() + editorText.count(QLatin1Char('\n')));
}

} // namespace

frmKORADesc::frmKORADesc(ProjectRecord& project, ReportBuffer& report, const Settings& settings,
                         Messenger& messenger, DescriptionHooks hooks, QWidget* parent)
    : QDialog(parent), m_project(project), m_report(report), m_settings(settings),
      m_messenger(messenger), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("frmKORADesc"));
    setWindowTitle(QStringLiteral("Project Description"));
    buildForm();
    load();
}

void frmKORADesc::buildForm() {
    auto* frame2 = named(new QGroupBox(QStringLiteral("Title and description"), this),
                         QStringLiteral("Frame2"), HelpDescription);
    auto* label1 = named(new QLabel(QStringLiteral("Title"), frame2), QStringLiteral("Label1"),
                         HelpDescription);
    m_title = named(new QLineEdit(frame2), QStringLiteral("Text1"), HelpDescription);
    label1->setBuddy(m_title);
    m_description = named(new QPlainTextEdit(frame2), QStringLiteral("Text2"), HelpDescription);
    m_description->setTabChangesFocus(true);
    m_description->setMinimumSize(420, 170);
    connect(m_description->document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { limitDescription(position, added); });

    auto* frameLayout = new QVBoxLayout(frame2);
    frameLayout->addWidget(label1);
    frameLayout->addWidget(m_title);
    frameLayout->addSpacing(4);
    frameLayout->addWidget(m_description, 1);

    auto* frame1 = named(new QGroupBox(QStringLiteral("Current units"), this),
                         QStringLiteral("Frame1"), HelpDescription);
    m_units[0] = named(new QRadioButton(QStringLiteral("feet, lbs"), frame1),
                       QStringLiteral("Option1_0"), HelpDescription);
    m_units[1] = named(new QRadioButton(QStringLiteral("meters, kN"), frame1),
                       QStringLiteral("Option1_1"), HelpDescription);
    auto* unitGroup = new QButtonGroup(this);
    unitGroup->addButton(m_units[0], 0);
    unitGroup->addButton(m_units[1], 1);
    auto* unitLayout = new QVBoxLayout(frame1);
    unitLayout->addWidget(m_units[0]);
    unitLayout->addWidget(m_units[1]);

    auto* ok = named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("Command2"),
                     HelpDescription);
    auto* next = named(new QPushButton(QStringLiteral("Next form"), this),
                       QStringLiteral("Command4"), HelpDescription);
    auto* cancel = named(new QPushButton(QStringLiteral("Cancel"), this),
                         QStringLiteral("Command1"), HelpDescription);
    auto* help = named(new QPushButton(QStringLiteral("Help"), this), QStringLiteral("Command3"),
                       HelpButton);
    next->setDefault(true);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    help->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_accepted = true;
        done(QDialog::Accepted);
    });
    connect(next, &QPushButton::clicked, this, [this] {
        m_accepted = true;
        m_nextForm = true;
        done(QDialog::Accepted);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpHint(m_messenger); });

    auto* side = new QVBoxLayout;
    side->addWidget(frame1);
    side->addSpacing(8);
    side->addWidget(ok);
    side->addWidget(next);
    side->addWidget(cancel);
    side->addStretch(1);
    side->addWidget(help);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(frame2, 1);
    layout->addLayout(side);
    setProperty("helpContext", HelpDescription);
}

void frmKORADesc::load() {
    m_messenger.AddHistory("Editing Project Description");
    m_loading = true;
    m_accepted = false;
    m_title->setText(QString::fromStdString(m_project.ProjectTitle));
    m_description->setPlainText(toEditor(m_project.ProjectDescription));
    // The unit system can be chosen only while the project holds no data.
    for (QRadioButton* option : m_units) {
        option->setEnabled(!m_project.DescriptionSet);
    }
    const int current = m_project.UnitSystem == 1 ? 1 : 0;
    m_units[current]->setChecked(true);
    m_units[current]->setEnabled(true);
    m_loading = false;
}

// Typing or pasting past the limit keeps what fits of the new text; a longer description read
// from a file stays as it is until it is edited. The overflow is cut from the end of the new
// text in one edit, so a paste of any length takes no longer than the paste itself.
void frmKORADesc::limitDescription(int position, int added) {
    if (m_loading || m_trimming || added <= 0) return;
    const QString text = m_description->toPlainText();
    int overflow = storedLength(text) - MaxDescriptionLength;
    if (overflow <= 0) return;
    // The change reported for an insertion into an empty document counts the document's final
    // paragraph end too; positions stop at the end of the text.
    const int end = std::min(position + added, int(text.size()));
    int cut = end;
    while (cut > position && overflow > 0) {
        --cut;
        overflow -= text[cut] == QLatin1Char('\n') ? 2 : 1;
    }
    if (cut > position && text[cut - 1].isHighSurrogate()) --cut; // never half a character
    if (cut == end) return;
    m_trimming = true;
    QTextCursor cursor(m_description->document());
    cursor.setPosition(cut);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    m_trimming = false;
}

void frmKORADesc::done(int) {
    if (m_unloaded) return;
    if (m_accepted) {
        // A description read from a file may be too long to be saved and opened again: the
        // dialog stays open for the user to shorten it.
        ProjectRecord described = m_project;
        described.ProjectTitle = m_title->text().toStdString();
        described.ProjectDescription = fromEditor(m_description->toPlainText());
        if (!ProjectFileFits(described)) {
            m_messenger.ShowMessage(ProjectTooLargeMessage, mb::OK | mb::Exclamation);
            m_accepted = m_nextForm = false;
            return;
        }
    }
    m_unloaded = true;
    if (m_accepted) {
        const int chosen = m_units[1]->isChecked() ? 1 : 0;
        if (chosen != m_project.UnitSystem) {
            m_project.UnitSystem = std::int16_t(chosen);
            // The defaults of the new system, the path "Untitled", an empty report.
            FileNew(m_project, m_report, m_settings, m_messenger, true, false);
        }
        m_project.ProjectTitle = m_title->text().toStdString();
        m_project.ProjectDescription = fromEditor(m_description->toPlainText());
        m_messenger.AddHistory("Project Description Modified");
        m_project.ProjectSaved = false;
        m_project.ProjectEmpty = false;
        m_project.DescriptionSet = true;
        if (m_hooks.setCaption) m_hooks.setCaption();
    } else {
        m_messenger.AddHistory("Project Description Not Modified");
    }
    QDialog::done(m_accepted ? QDialog::Accepted : QDialog::Rejected);
    if (m_nextForm) emit nextFormRequested();
}

} // namespace kora::gui
