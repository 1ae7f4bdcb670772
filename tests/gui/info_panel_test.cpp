// The information panel as a user meets it: the Info menus choose its pages in both languages,
// back and next stop at the ends, a language switch shows the other panel on the same page, and
// a click on an address hands the browser the address the link rule makes.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "app/app_context.h"
#include "app/common/error_display.h"
#include "app/info/info_panel.h"
#include "app/info/web_pages.h"
#include "app/main_window.h"

using namespace lexorim;
using namespace lexorim::app;

Q_DECLARE_METATYPE(lexorim::app::LinkOrigin)

namespace {

// The pages' names in the order of back and next.
const char* const kGermanPages[] = {"tide1", "tide2", "tide5", "tide3", "tide4"};
const char* const kEnglishPages[] = {"tien1", "tien2", "tien5", "tien3", "tien4"};

QString PageName(const QTabWidget* pages) {
    return pages->currentWidget()->objectName();
}

// The accelerator of a caption ("&Hilfe" gives 'h'); a null character when it has none.
QChar Mnemonic(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (caption[i + 1] != u'&')
            return caption[i + 1].toLower();
        ++i;  // "&&" is a literal ampersand
    }
    return {};
}

// Every caption has an accelerator and no two share one.
void VerifyMnemonicsUnique(const QStringList& captions, const QString& where) {
    QSet<QChar> seen;
    for (const QString& caption : captions) {
        const QChar key = Mnemonic(caption);
        QVERIFY2(!key.isNull(),
                 qPrintable(where + QStringLiteral(": no accelerator in ") + caption));
        QVERIFY2(!seen.contains(key),
                 qPrintable(where + QStringLiteral(": accelerator taken twice, ") + caption));
        seen.insert(key);
    }
}

}  // namespace

class InfoPanelTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<MainWindow> window_;
    QList<QUrl> opened_;

    InfoPanel* panel() const { return window_->findChild<InfoPanel*>(); }
    QWidget* Find(const char* name) const {
        return window_->findChild<QWidget*>(QString::fromLatin1(name));
    }
    void Switch(Language language) {
        window_->action(language == Language::German ? "msprde" : "mspren")->trigger();
    }
    void VerifyShown(Language language, int page) {
        const bool german = language == Language::German;
        QCOMPARE(window_->visiblePanel(), QStringLiteral("pinfo"));
        QCOMPARE(Find("pinfo_de")->isHidden(), !german);
        QCOMPARE(Find("pinfo_en")->isHidden(), german);
        QCOMPARE(PageName(panel()->pages(Language::German)),
                 QString::fromLatin1(kGermanPages[page]));
        QCOMPARE(PageName(panel()->pages(Language::English)),
                 QString::fromLatin1(kEnglishPages[page]));
    }

  private slots:
    void init() {
        SetMessageSink([](MessageKind, const QString&) {});
        context_ = std::make_unique<AppContext>();
        window_ = std::make_unique<MainWindow>(*context_);
        opened_.clear();
        panel()->SetOpener([this](const QUrl& address) { opened_ << address; });
    }

    void cleanup() {
        window_.reset();
        context_.reset();
        SetMessageSink({});
    }

    void addressesFollowTheLinkRule_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<LinkOrigin>("origin");
        QTest::addColumn<QString>("address");
        QTest::newRow("info label") << "orvell.example/de/lexorim/hilfe/" << LinkOrigin::InfoPage
                                    << "https://www.orvell.example/de/lexorim/hilfe/?rf=ih";
        QTest::newRow("menu item drops its description and accelerator")
            << "orvell.example/en/lexorim/help/ - &Online Help" << LinkOrigin::Menu
            << "https://www.orvell.example/en/lexorim/help/?rf=im";
        QTest::newRow("menu item without referrer")
            << "orvell.example/de/lexorim/ - Lexorim im &Web" << LinkOrigin::MenuUnreferred
            << "https://www.orvell.example/de/lexorim/";
        QTest::newRow("bare .de domain gets its slash")
            << "maker.de" << LinkOrigin::InfoPage << "https://www.maker.de/?rf=ih";
        QTest::newRow("bare .com domain from the menu")
            << "maker.com - Home" << LinkOrigin::Menu << "https://www.maker.com/?rf=im";
        QTest::newRow("bare domain of another ending")
            << "orvell.example" << LinkOrigin::ReportSupport << "https://www.orvell.example/?rf=ix";
        QTest::newRow("address with a query keeps it")
            << "maker.de/index.php?id=7" << LinkOrigin::ReportCustom
            << "https://www.maker.de/index.php?id=7&rf=r";
        QTest::newRow("a label keeps its ampersands")
            << "maker.de/index.php?a=1&b=2" << LinkOrigin::InfoPage
            << "https://www.maker.de/index.php?a=1&b=2&rf=ih";
        QTest::newRow("a menu item's ampersands are accelerators")
            << "maker.de/s&eite/ - Seite" << LinkOrigin::Menu
            << "https://www.maker.de/seite/?rf=im";
    }
    void addressesFollowTheLinkRule() {
        QFETCH(QString, caption);
        QFETCH(LinkOrigin, origin);
        QFETCH(QString, address);
        QCOMPARE(WebAddressFromCaption(caption, origin), address);
    }

    void captionsShowAddressesWithoutSchemeAndHostLabel() {
        QCOMPARE(WebPageCaption(WebPage::Help, Language::German),
                 QStringLiteral("orvell.example/de/lexorim/hilfe/"));
        QCOMPARE(WebPageCaption(WebPage::Program, Language::English),
                 QStringLiteral("orvell.example/en/lexorim/"));
        for (const Language language : {Language::German, Language::English}) {
            QSet<QString> seen;
            for (const WebPage page : {WebPage::Program, WebPage::Help, WebPage::TextIndex,
                                       WebPage::FileIndex, WebPage::KeywordIndex, WebPage::Tools,
                                       WebPage::Support, WebPage::Contribute, WebPage::Licence}) {
                const QString caption = WebPageCaption(page, language);
                QVERIFY2(!caption.startsWith(u"http") && !caption.startsWith(u"www."),
                         qPrintable(caption));
                QVERIFY2(!seen.contains(caption), qPrintable(caption));
                seen.insert(caption);
                const QUrl address(WebAddressFromCaption(caption, LinkOrigin::InfoPage));
                QVERIFY2(address.isValid(), qPrintable(caption));
                QCOMPARE(address.query(), QStringLiteral("rf=ih"));
            }
        }
    }

    void menuItemsShowTheirPageInBothLanguages_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("page");
        const char* const info[] = {"minfo1", "minfo2", "Software1", "minfo3", "minfo4"};
        const char* const window[] = {"mfi1", "mfi2", "Software2", "mfi3", "mfi4"};
        for (int page = 0; page < InfoPanel::kPageCount; ++page) {
            QTest::newRow(info[page]) << QString::fromLatin1(info[page]) << page;
            QTest::newRow(window[page]) << QString::fromLatin1(window[page]) << page;
        }
    }
    void menuItemsShowTheirPageInBothLanguages() {
        QFETCH(QString, item);
        QFETCH(int, page);
        for (const Language language : {Language::German, Language::English}) {
            Switch(language);
            window_->ShowPanel("pstart");
            panel()->ShowInfoPage(page == 0 ? 1 : 0);
            QAction* action = window_->action(item.toLatin1().constData());
            QVERIFY(action != nullptr);
            QVERIFY(!action->text().isEmpty());
            action->trigger();
            VerifyShown(language, page);
        }
    }

    void openingTheWindowMenusInfoShowsThePanel() {
        auto* menu = window_->findChild<QMenu*>(QStringLiteral("mfi"));
        QVERIFY(menu != nullptr);
        QMetaObject::invokeMethod(menu, "aboutToShow");
        QCOMPARE(window_->visiblePanel(), QStringLiteral("pinfo"));
    }

    void nextAndBackWalkThePagesAndStopAtTheEnds_data() {
        QTest::addColumn<bool>("german");
        QTest::newRow("German buttons") << true;
        QTest::newRow("English buttons") << false;
    }
    void nextAndBackWalkThePagesAndStopAtTheEnds() {
        QFETCH(bool, german);
        const Language language = german ? Language::German : Language::English;
        Switch(language);
        window_->ShowPanel("pinfo");
        const auto* names = german ? kGermanPages : kEnglishPages;
        QPushButton* back = panel()->backButton(language);
        QPushButton* next = panel()->nextButton(language);
        QCOMPARE(back->objectName(), QString::fromLatin1(german ? "btide1" : "btien1"));
        QCOMPARE(next->objectName(), QString::fromLatin1(german ? "btide2" : "btien2"));
        panel()->ShowInfoPage(InfoPanel::Help);
        QVERIFY(!back->isEnabled());
        QVERIFY(next->isEnabled());
        for (int page = 1; page < InfoPanel::kPageCount; ++page) {
            next->click();
            VerifyShown(language, page);
            QCOMPARE(PageName(panel()->pages(language)), QString::fromLatin1(names[page]));
            QVERIFY(back->isEnabled());
            QCOMPARE(next->isEnabled(), page != InfoPanel::kPageCount - 1);
        }
        for (int page = InfoPanel::kPageCount - 2; page >= 0; --page) {
            back->click();
            VerifyShown(language, page);
            QCOMPARE(back->isEnabled(), page != 0);
            QVERIFY(next->isEnabled());
        }
    }

    void aTabClickSetsBothPanelsAndTheirButtons() {
        window_->ShowPanel("pinfo");
        panel()->pages(Language::German)->setCurrentIndex(InfoPanel::Licence);
        VerifyShown(Language::German, InfoPanel::Licence);
        QVERIFY(!panel()->nextButton(Language::English)->isEnabled());
        QVERIFY(panel()->backButton(Language::English)->isEnabled());
        panel()->pages(Language::German)->setCurrentIndex(InfoPanel::Help);
        QVERIFY(!panel()->backButton(Language::German)->isEnabled());
        QVERIFY(!panel()->backButton(Language::English)->isEnabled());
    }

    void aLanguageSwitchShowsTheOtherPanelOnTheSamePage() {
        Switch(Language::English);
        window_->action("mfi1")->trigger();
        panel()->nextButton(Language::English)->click();
        panel()->nextButton(Language::English)->click();
        VerifyShown(Language::English, InfoPanel::Software);
        QVERIFY(context_->settings.IsOn("Tprog", "pinfo_en"));
        Switch(Language::German);
        VerifyShown(Language::German, InfoPanel::Software);
        QVERIFY(context_->settings.IsOn("Tprog", "pinfo_de"));
        QVERIFY(!context_->settings.IsOn("Tprog", "pinfo_en"));
        QVERIFY(panel()->backButton(Language::German)->isEnabled());
        QVERIFY(panel()->nextButton(Language::German)->isEnabled());
    }

    void theStoredPanelFlagsShowAndHideThePanels() {
        window_->ShowPanel("pinfo");
        context_->settings.Set("Tprog.pinfo_de", u"0");
        context_->settings.Set("Tprog.pinfo_en", u"1");
        QVERIFY(Find("pinfo_de")->isHidden());
        QVERIFY(!Find("pinfo_en")->isHidden());
        // No label of the panel shows the stored flags as text.
        for (const QLabel* label : panel()->findChildren<QLabel*>()) {
            QVERIFY2(label->text() != u"0" && label->text() != u"1",
                     qPrintable(label->objectName()));
        }
        // The language routine puts the language's panel back, whatever a configuration said.
        window_->ApplyAllTexts();
        QVERIFY(!Find("pinfo_de")->isHidden());
        QVERIFY(Find("pinfo_en")->isHidden());
    }

    void clickingAnAddressOpensItWithTheReferrer_data() {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("address");
        QTest::newRow("German text index help")
            << true << "tide1_textindex" << int(InfoPanel::Help)
            << "https://www.orvell.example/de/lexorim/hilfe/textindex/?rf=ih";
        QTest::newRow("English support") << false << "tien1_support" << int(InfoPanel::Help)
                                         << "https://www.orvell.example/en/lexorim/support/?rf=ih";
        QTest::newRow("English licence") << false << "tien4_licence" << int(InfoPanel::Licence)
                                         << "https://www.orvell.example/en/lexorim/licence/?rf=ih";
    }
    void clickingAnAddressOpensItWithTheReferrer() {
        QFETCH(bool, german);
        QFETCH(QString, label);
        QFETCH(int, page);
        QFETCH(QString, address);
        Switch(german ? Language::German : Language::English);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->ShowPanel("pinfo");
        panel()->ShowInfoPage(page);
        auto* link = panel()->findChild<QLabel*>(label);
        QVERIFY(link != nullptr);
        QTRY_VERIFY(link->isVisible());
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
        QCOMPARE(opened_.size(), 1);
        QCOMPARE(opened_.front().toString(), address);
    }

    void theInfoMenusWebItemsOpenTheirPages() {
        const std::tuple<Language, const char*, const char*> cases[] = {
            {Language::German, "minfo5", "https://www.orvell.example/de/lexorim/hilfe/?rf=im"},
            {Language::English, "minfo6", "https://www.orvell.example/en/lexorim/support/?rf=im"},
            {Language::English, "minfo8", "https://www.orvell.example/en/lexorim/"},
        };
        for (const auto& [language, item, address] : cases) {
            Switch(language);
            opened_.clear();
            QAction* action = window_->action(item);
            QVERIFY(action->text().contains(u" - "));
            action->trigger();
            QCOMPARE(opened_.size(), 1);
            QCOMPARE(opened_.front().toString(), QString::fromLatin1(address));
        }
    }

    void everyCaptionHasItsOwnAccelerator() {
        for (const Language language : {Language::German, Language::English}) {
            Switch(language);
            const QTabWidget* pages = panel()->pages(language);
            QStringList captions;
            for (int page = 0; page < pages->count(); ++page)
                captions << pages->tabText(page);
            captions << panel()->backButton(language)->text()
                     << panel()->nextButton(language)->text();
            VerifyMnemonicsUnique(captions, pages->objectName());
            for (const char* name : {"minfo", "mfi"}) {
                QStringList items;
                for (const QAction* action :
                     window_->findChild<QMenu*>(QString::fromLatin1(name))->actions()) {
                    if (!action->isSeparator())
                        items << action->text();
                }
                VerifyMnemonicsUnique(items, QString::fromLatin1(name));
            }
        }
    }

    void everyPageHasItsTextsInItsPanelsLanguage() {
        for (const Language language : {Language::German, Language::English}) {
            const QTabWidget* pages = panel()->pages(language);
            QCOMPARE(pages->count(), InfoPanel::kPageCount);
            for (int page = 0; page < pages->count(); ++page) {
                const QList<QLabel*> labels = pages->widget(page)->findChildren<QLabel*>();
                QVERIFY(labels.size() >= 2);
                for (const QLabel* label : labels)
                    QVERIFY2(!label->text().isEmpty(), qPrintable(pages->tabText(page)));
            }
        }
        // Each panel keeps its language whatever the interface shows.
        Switch(Language::English);
        QCOMPARE(panel()->pages(Language::German)->tabText(0), QStringLiteral("&Hilfe"));
        QCOMPARE(panel()->pages(Language::English)->tabText(0), QStringLiteral("&Help"));
        QCOMPARE(panel()->backButton(Language::German)->text(), QStringLiteral("<< &zurück"));
    }
};

QTEST_MAIN(InfoPanelTest)
#include "info_panel_test.moc"
