#pragma once

#include <QString>
#include <QUrl>

#include <span>

namespace kora::gui {

// One topic of the user manual: the help context number that menus, dialogs and controls carry
// for F1, and the page and anchor of the manual that explains it.
struct HelpTopic {
    int context;
    const char* page;   // file name inside the manual, e.g. "filemenu.html"
    const char* anchor; // named anchor on that page
    const char* title;
};

// Every help context of the program with its topic, in ascending context order.
std::span<const HelpTopic> HelpTopics();

// The topic of a help context, or nullptr when no topic carries that number.
const HelpTopic* FindHelpTopic(int helpContext);

// Where the manual lives: the compiled-in resource folder, its contents page, its keyword index
// and its welcome page.
QUrl HelpRootUrl();
QUrl HelpContentsUrl();
QUrl HelpIndexUrl();
QUrl HelpHomeUrl();

// The page and anchor of a help context; the contents page for an unknown number.
QUrl HelpTopicUrl(int helpContext);

// The style sheet shared by all manual pages.
QString HelpStyleSheet();

// Registers the manual's compiled-in resources. The library is static, so the resource
// initialiser must be referenced explicitly; every help entry point calls this.
void InitHelpResources();

} // namespace kora::gui
