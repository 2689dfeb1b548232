#include "gui/utilities/frmtextbrow.h"

#include "gui/common/commandguard.h"
#include "gui/common/controlnames.h"
#include "gui/common/dialogservice.h"
#include "gui/common/guimessenger.h"
#include "gui/settings/foldertree.h"
#include "gui/settings/fontsetting.h"
#include "gui/utilities/externalviewer.h"

#include "core/base/textfile.h"
#include "core/base/textutil.h"
#include "core/commands/korastate.h"
#include "core/settings/examplefiles.h"
#include "core/settings/settingsfile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kora::gui {

namespace {

constexpr int HelpBrowser = 1700;
constexpr const char* TemporaryCopy = "~tmpbr.tmp";

// The file name as the core's file functions take it (the bytes of the name on disk).
std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

frmTextBrow::frmTextBrow(KoraState& state, std::string iniPath, std::string& browseFolder,
                         GuiMessenger& messenger, QWidget* parent)
    : QDialog(parent), m_state(state), m_iniPath(std::move(iniPath)), m_browseFolder(browseFolder),
      m_messenger(messenger) {
    setObjectName(QStringLiteral("frmTextBrow"));
    setWindowTitle(QStringLiteral("View Source Files"));
    setProperty("helpContext", HelpBrowser);
    buildForm();
    load();
}

void frmTextBrow::buildForm() {
    m_tree = named(new FolderTree(this), QStringLiteral("Dir1"), HelpBrowser);
    connect(m_tree, &FolderTree::folderChanged, this, [this] { refreshFiles(); });

    m_pattern = named(new QLineEdit(this), QStringLiteral("Text2"), HelpBrowser);
    connect(m_pattern, &QLineEdit::textChanged, this, [this] { refreshFiles(); });
    m_files = named(new QListWidget(this), QStringLiteral("File1"), HelpBrowser);
    connect(m_files, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showFile(item->text()); });

    m_current = named(new QLabel(this), QStringLiteral("Label1"), HelpBrowser);
    m_current->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_current->setTextFormat(Qt::PlainText);
    auto* viewFrame = named(new QGroupBox(QStringLiteral("View of Selected File"), this),
                            QStringLiteral("Frame1"), HelpBrowser);
    m_view = named(new QPlainTextEdit(viewFrame), QStringLiteral("RichTextBox1"), HelpBrowser);
    m_view->setReadOnly(true);
    m_view->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_view->setMinimumSize(460, 360);
    auto* viewLayout = new QVBoxLayout(viewFrame);
    viewLayout->addWidget(m_view);

    m_external = named(new QCheckBox(QStringLiteral("Use external viewer"), this),
                       QStringLiteral("Check1"), HelpBrowser);
    m_setFont = named(new QPushButton(QStringLiteral("Set &Font"), this),
                      QStringLiteral("cmdSetFont"), HelpBrowser);
    m_close = named(new QPushButton(QStringLiteral("&Close"), this), QStringLiteral("Command1"),
                    HelpBrowser);
    // Enter in the file list shows the file; no button may take it.
    for (QPushButton* b : {m_setFont, m_close}) b->setAutoDefault(false);
    connect(m_external, &QCheckBox::toggled, this,
            [this](bool ticked) { m_setFont->setEnabled(!ticked); });
    connect(m_setFont, &QPushButton::clicked, this, [this] { chooseFont(); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("Select Folder:"), this));
    left->addWidget(m_tree, 3);
    left->addWidget(new QLabel(QStringLiteral("Pattern:"), this));
    left->addWidget(m_pattern);
    left->addWidget(new QLabel(QStringLiteral("Select File:"), this));
    left->addWidget(m_files, 2);

    auto* currentRow = new QHBoxLayout;
    currentRow->addWidget(new QLabel(QStringLiteral("Current file:"), this));
    currentRow->addWidget(m_current, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_external);
    buttons->addStretch(1);
    buttons->addWidget(m_setFont);
    buttons->addWidget(m_close);
    auto* right = new QVBoxLayout;
    right->addLayout(currentRow);
    right->addWidget(viewFrame, 1);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 2);
    layout->addLayout(right, 3);
    resize(900, 600);
}

void frmTextBrow::load() {
    Settings& s = m_state.settings;
    std::string pattern = Trim(s.BrowseDefaultFilter);
    if (pattern.empty())
        pattern =
            "*." + (s.FileExtension.empty() ? std::string(DefaultFileExtension) : s.FileExtension);
    m_pattern->setText(QString::fromStdString(pattern));
    setFolder(QString::fromStdString(m_browseFolder.empty() ? s.DataPath : m_browseFolder));
    m_view->setFont(
        FontSetting{s.BrowseFontName, s.BrowseFontSize, s.BrowseFontBold, s.BrowseFontItalic}
            .font());
    m_external->setChecked(s.BrowseUseNotepad == 1);
    m_setFont->setEnabled(!m_external->isChecked());
}

void frmTextBrow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(0, m_close, [this] { m_close->setFocus(); });
}

QString frmTextBrow::folder() const {
    return m_tree->folder();
}

void frmTextBrow::setFolder(const QString& path) {
    m_tree->setFolder(path);
    refreshFiles();
}

void frmTextBrow::refreshFiles() {
    QStringList patterns;
    for (const QString& p : m_pattern->text().split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (!p.trimmed().isEmpty()) patterns << p.trimmed();
    if (patterns.isEmpty()) patterns << QStringLiteral("*");
    // Name patterns match in any letter case, as "*.KOR" finds "pit.kor".
    const QStringList names = QDir(folder()).entryList(patterns, QDir::Files, QDir::Name);
    m_files->clear();
    m_files->addItems(names);
}

void frmTextBrow::showFile(const QString& name) {
    // The root folder already ends with the separator.
    const QString folder = this->folder();
    const QString path =
        folder + (folder.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + name;
    m_current->setText(QDir::toNativeSeparators(path));
    if (m_external->isChecked()) {
        // The viewer gets a copy, so whatever it does leaves the file itself as it was.
        const std::string copy = m_state.folders.UserTempFolder + TemporaryCopy;
        Guarded(m_messenger, [&] {
            if (CopyTextFile(localPath(path), copy, m_messenger))
                OpenInExternalViewer(m_state.settings.ExternalEditor,
                                     QFile::decodeName(QByteArray::fromStdString(copy)),
                                     m_messenger.dialogs(), m_messenger);
        });
        return;
    }
    m_view->clear();
    const bool shown = Guarded(m_messenger, [&] {
        QString text = QString::fromStdString(DecodeText(ReadTextFile(localPath(path))));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        m_view->setPlainText(text);
    });
    // A file removed since the list was made leaves the list.
    if (!shown) refreshFiles();
}

void frmTextBrow::chooseFont() {
    Settings& s = m_state.settings;
    FontSetting font{s.BrowseFontName, s.BrowseFontSize, s.BrowseFontBold, s.BrowseFontItalic};
    if (font.choose(m_messenger, this)) m_view->setFont(font.font());
}

void frmTextBrow::done(int result) {
    if (!m_unloaded) {
        m_unloaded = true;
        Settings& s = m_state.settings;
        s.BrowseDefaultFilter = m_pattern->text().toStdString();
        s.BrowseUseNotepad = m_external->isChecked() ? std::int16_t{1} : std::int16_t{0};
        m_browseFolder = folder().toStdString();
        Guarded(m_messenger, [&] {
            SaveSettings(s, m_state.recent, m_iniPath, settingsPart::TextBrowse, m_messenger);
        });
    }
    QDialog::done(result);
}

} // namespace kora::gui
