#include "gui/utilities/helptopics.h"

#include <QFile>

#include <algorithm>
#include <array>

// Q_INIT_RESOURCE has to be used outside a namespace.
static void initHelpResourceFile() {
    Q_INIT_RESOURCE(help);
}

namespace kora::gui {

namespace {

// The File menu and its items, the two input dialogs with the tabs of the parameters dialog, the
// calculations and graphs, the utilities, the Help menu, and the Help buttons of the dialogs.
constexpr std::array<HelpTopic, 30> kTopics{{
    {1000, "filemenu.html", "file", "The File menu"},
    {1100, "filemenu.html", "new", "New"},
    {1200, "filemenu.html", "open", "Open"},
    {1300, "filemenu.html", "save", "Save"},
    {1400, "filemenu.html", "saveas", "Save As"},
    {1500, "filemenu.html", "printersetup", "Printer Setup"},
    {1550, "filemenu.html", "print", "Print"},
    {1600, "filemenu.html", "printpreview", "Print Preview"},
    {1700, "filemenu.html", "viewsource", "View Source Files"},
    {1800, "filemenu.html", "exit", "Exit"},
    {2000, "inputmenu.html", "input", "The Input menu"},
    {2100, "inputmenu.html", "description", "Project Description dialog"},
    {2200, "parameters.html", "parameters", "Project Parameters dialog"},
    {2201, "parameters.html", "standard", "Standard and Defaults tabs"},
    {2202, "cmrr.html", "cmrr", "CMRR/Sizing tab"},
    {2203, "advanced.html", "advanced", "Advanced tab"},
    {3000, "outputmenu.html", "output", "The Output menu"},
    {3100, "outputmenu.html", "standard", "Stability Factors (Standard Geometry)"},
    {3200, "outputmenu.html", "advanced", "Stability Factors (Advanced Geometry)"},
    {3300, "outputmenu.html", "sizing", "Size Pillars (Standard Geometry)"},
    {3400, "reports.html", "viewer", "Calculation Results window"},
    {3500, "graphs.html", "graphs", "Graphs of stability factors"},
    {4000, "utilities.html", "utilities", "The Utilities menu"},
    {4100, "utilities.html", "settings", "Settings"},
    {4200, "utilities.html", "options", "KORA Options"},
    {4300, "units.html", "units", "Unit Conversions"},
    {4400, "utilities.html", "fileconversion", "File Conversion"},
    {4500, "units.html", "calculator", "Using the unit calculator"},
    {5000, "helpmenu.html", "help", "The Help menu"},
    {5001, "helpmenu.html", "contexthelp", "Help buttons and F1"},
}};

static_assert(std::is_sorted(kTopics.begin(), kTopics.end(),
                             [](const HelpTopic& a, const HelpTopic& b) {
                                 return a.context < b.context;
                             }),
              "help topics must be in ascending context order");

} // namespace

std::span<const HelpTopic> HelpTopics() {
    return kTopics;
}

const HelpTopic* FindHelpTopic(int helpContext) {
    const auto it =
        std::lower_bound(kTopics.begin(), kTopics.end(), helpContext,
                         [](const HelpTopic& t, int context) { return t.context < context; });
    return it != kTopics.end() && it->context == helpContext ? &*it : nullptr;
}

QUrl HelpRootUrl() {
    return QUrl(QStringLiteral("qrc:/help/"));
}
QUrl HelpContentsUrl() {
    return HelpRootUrl().resolved(QUrl(QStringLiteral("contents.html")));
}
QUrl HelpIndexUrl() {
    return HelpRootUrl().resolved(QUrl(QStringLiteral("keywords.html")));
}
QUrl HelpHomeUrl() {
    return HelpRootUrl().resolved(QUrl(QStringLiteral("welcome.html")));
}

QUrl HelpTopicUrl(int helpContext) {
    const HelpTopic* topic = FindHelpTopic(helpContext);
    if (!topic) return HelpContentsUrl();
    QUrl url = HelpRootUrl().resolved(QUrl(QString::fromLatin1(topic->page)));
    url.setFragment(QString::fromLatin1(topic->anchor));
    return url;
}

QString HelpStyleSheet() {
    InitHelpResources();
    QFile css(QStringLiteral(":/help/help.css"));
    if (!css.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(css.readAll());
}

void InitHelpResources() {
    static const bool done = (initHelpResourceFile(), true);
    (void)done;
}

} // namespace kora::gui
