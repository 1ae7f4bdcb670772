#include "app/info/web_pages.h"

#include <QDesktopServices>
#include <array>

#include "app/common/qt_text.h"
#include "engine/web_addresses.h"

namespace lexorim::app {

namespace {

// What a shown address leaves out and a click puts back.
constexpr QLatin1StringView kSchemeAndHostLabel("https://www.");

struct WebPageRow {
    WebPage page;
    const char16_t* german;   // below the program's German page
    const char16_t* english;  // below the program's English page
};

// Every page the program links to, below the program's page of the language.
constexpr std::array kWebPages = {
    WebPageRow{WebPage::Program, u"", u""},
    WebPageRow{WebPage::Help, u"hilfe/", u"help/"},
    WebPageRow{WebPage::TextIndex, u"hilfe/textindex/", u"help/text-index/"},
    WebPageRow{WebPage::FileIndex, u"hilfe/dateiindex/", u"help/file-index/"},
    WebPageRow{WebPage::KeywordIndex, u"hilfe/stichwortindex/", u"help/keyword-index/"},
    WebPageRow{WebPage::Tools, u"hilfe/tools/", u"help/tools/"},
    WebPageRow{WebPage::Support, u"support/", u"support/"},
    WebPageRow{WebPage::Contribute, u"mitmachen/", u"contribute/"},
    WebPageRow{WebPage::Licence, u"lizenz/", u"licence/"},
    WebPageRow{WebPage::Encodings, u"hilfe/kodierungen/", u"help/encodings/"},
    WebPageRow{WebPage::ByteOrderMark, u"hilfe/bom/", u"help/byte-order-mark/"},
    WebPageRow{WebPage::CustomSoftware, u"individuelle-software/", u"custom-software/"},
};

QString Referrer(LinkOrigin origin) {
    switch (origin) {
        case LinkOrigin::InfoPage:
            return QStringLiteral("&rf=ih");
        case LinkOrigin::Menu:
            return QStringLiteral("&rf=im");
        case LinkOrigin::ReportSupport:
            return QStringLiteral("&rf=ix");
        case LinkOrigin::ReportCustom:
            return QStringLiteral("&rf=r");
        case LinkOrigin::MenuUnreferred:
            break;
    }
    return {};
}

bool IsMenu(LinkOrigin origin) {
    return origin == LinkOrigin::Menu || origin == LinkOrigin::MenuUnreferred;
}

// A bare domain gets its slash before the parameters ("example.de&rf" becomes
// "example.de/&rf"), and the first parameter opens the query with "?" when the address has
// none yet, so the server sees a path and a query rather than one odd path.
QString WithQueryStart(QString address) {
    const qsizetype parameters = address.indexOf(u'&');
    if (parameters < 0 || address.contains(u'?'))
        return address;
    const qsizetype hostStart = kSchemeAndHostLabel.size();
    if (address.indexOf(u'/', hostStart) < 0 || address.indexOf(u'/', hostStart) > parameters)
        address.insert(parameters, u'/');
    address[address.indexOf(u'&')] = u'?';
    return address;
}

}  // namespace

QString WebPageCaption(WebPage page, Language language) {
    QString base = ToQString(ProgramPageAddress(language));
    if (base.startsWith(kSchemeAndHostLabel))
        base.remove(0, kSchemeAndHostLabel.size());
    for (const WebPageRow& row : kWebPages) {
        if (row.page == page)
            return base +
                   QString::fromUtf16(language == Language::German ? row.german : row.english);
    }
    return base;
}

QString WebAddressFromCaption(const QString& caption, LinkOrigin origin) {
    QString address = caption;
    if (IsMenu(origin))
        address.remove(u'&');
    address.prepend(kSchemeAndHostLabel);
    const QString referrer = Referrer(origin);
    address += referrer;
    if (IsMenu(origin)) {
        const qsizetype description = address.indexOf(QLatin1StringView(" - "));
        if (description >= 0) {
            address.truncate(description);
            address += referrer;
        }
    }
    address.replace(QLatin1StringView(".de&"), QLatin1StringView(".de/&"));
    address.replace(QLatin1StringView(".com&"), QLatin1StringView(".com/&"));
    return WithQueryStart(address);
}

WebPageOpener DesktopWebPageOpener() {
    return [](const QUrl& address) { QDesktopServices::openUrl(address); };
}

}  // namespace lexorim::app
