#include "gui/settings/frmpath.h"

#include "gui/common/controlnames.h"
#include "gui/common/helphint.h"
#include "gui/settings/foldertree.h"

#include "core/settings/userfolders.h"

#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kora::gui {

namespace {

constexpr int HelpPath = 4100;
constexpr int HelpButton = 5001;

} // namespace

frmPath::frmPath(std::string& pathChoice, const UserFolders& folders, Messenger& messenger,
                 QWidget* parent)
    : QDialog(parent), m_pathChoice(pathChoice), m_folders(folders), m_messenger(messenger) {
    setObjectName(QStringLiteral("frmPath"));
    setWindowTitle(QStringLiteral("Select Path"));
    setProperty("helpContext", HelpPath);
    buildForm();
    m_options[2]->setChecked(true);
    startAt(2);
}

void frmPath::buildForm() {
    m_tree = named(new FolderTree(this), QStringLiteral("Dir1"), HelpPath);
    m_tree->setMinimumSize(320, 300);
    m_shown = named(new QLabel(this), QStringLiteral("lblPath"), HelpPath);
    m_shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_shown->setTextFormat(Qt::PlainText);
    connect(m_tree, &FolderTree::folderChanged, this,
            [this](const QString& folder) { m_shown->setText(QDir::toNativeSeparators(folder)); });

    auto* frame =
        named(new QGroupBox(QStringLiteral("Set Path"), this), QStringLiteral("Frame1"), HelpPath);
    auto* frameLayout = new QVBoxLayout(frame);
    const char* captions[] = {"User home", "Application ", "Current", "User temporary"};
    for (int i = 0; i < 4; ++i) {
        m_options[static_cast<std::size_t>(i)] =
            named(new QRadioButton(QString::fromLatin1(captions[i]), frame),
                  QStringLiteral("Option1_%1").arg(i), HelpPath);
        frameLayout->addWidget(m_options[static_cast<std::size_t>(i)]);
        connect(m_options[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { startAt(i); });
    }

    auto* ok =
        named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("Command2"), HelpPath);
    auto* cancel = named(new QPushButton(QStringLiteral("Cancel"), this),
                         QStringLiteral("Command1"), HelpPath);
    auto* help = named(new QPushButton(QStringLiteral("Help"), this), QStringLiteral("Command3"),
                       HelpButton);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_accepted = true;
        done(QDialog::Accepted);
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpHint(m_messenger); });

    auto* side = new QVBoxLayout;
    side->addWidget(frame);
    side->addStretch(1);
    side->addWidget(ok);
    side->addWidget(cancel);
    side->addWidget(help);

    auto* left = new QVBoxLayout;
    left->addWidget(m_tree, 1);
    left->addWidget(m_shown);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(side);
}

void frmPath::startAt(int option) {
    switch (option) {
    case 0:
        m_tree->setFolder(QString::fromStdString(m_folders.UserDataFolder));
        break;
    case 1:
        m_tree->setFolder(QString::fromStdString(m_folders.AppFolder));
        break;
    case 2:
        m_tree->setFolder(QString::fromStdString(m_pathChoice));
        break;
    case 3:
        m_tree->setFolder(QString::fromStdString(m_folders.UserTempFolder));
        break;
    default:
        break;
    }
}

void frmPath::done(int) {
    if (m_accepted) {
        std::string chosen = m_tree->folder().toStdString();
        if (chosen.empty() || chosen.back() != '/') chosen += '/';
        m_pathChoice = chosen;
    }
    QDialog::done(m_accepted ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace kora::gui
