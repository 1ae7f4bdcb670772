#pragma once
// The web pages the program links to, in one table, and the rule that turns the caption of a
// clicked address into the address the browser opens.

#include <QString>
#include <QUrl>
#include <functional>

#include "engine/language.h"

namespace lexorim::app {

// Every page of the program's web site that a label or a menu item links to.
enum class WebPage {
    Program,         // the program's own page
    Help,            // the online help, general
    TextIndex,       // help on writing a text index
    FileIndex,       // help on a file index
    KeywordIndex,    // help on a keyword index
    Tools,           // help on the tools and word lists
    Support,         // questions, problems and suggestions
    Contribute,      // how to take part
    Licence,         // the licence terms
    Encodings,       // the text file formats of the output settings
    ByteOrderMark,   // the byte order mark of the output settings
    CustomSoftware,  // software made to order
};

// Where a click on an address came from; it decides the referrer the address carries.
enum class LinkOrigin {
    InfoPage,        // a link label of the information panel: "ih"
    Menu,            // a link item of the Info menu: "im"
    MenuUnreferred,  // the Info menu's item without referrer
    ReportSupport,   // the problem report's support label: "ix"
    ReportCustom,    // the problem report's custom software label: "r"
};

// The caption that shows the page's address: without its scheme and its leading host label,
// as every clickable address in the program shows it.
QString WebPageCaption(WebPage page, Language language);

// The address to open for a clicked caption. A menu caption may hold accelerator marks and a
// description after " - "; both are dropped. The referrer parameter "rf" tells where the click
// came from.
QString WebAddressFromCaption(const QString& caption, LinkOrigin origin);

// Opens an address in the user's browser. The information panel calls one of these, so tests
// can watch what would be opened.
using WebPageOpener = std::function<void(const QUrl&)>;

// The desktop's default browser, through QDesktopServices; a missing browser goes unreported.
WebPageOpener DesktopWebPageOpener();

}  // namespace lexorim::app
