// The keyword index wizard driven as a user would: the buttons of every page, next, back and the
// tabs, the source page's path box, a run whose saved output is the core's, a cancelled run, the
// line wrap of the output, the design window and "Neu".

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

#include "app/app_context.h"
#include "app/common/error_display.h"
#include "app/common/qt_text.h"
#include "app/common/settings_binding.h"
#include "app/common/window_texts.h"
#include "app/keywordindex/keyword_design_dialog.h"
#include "app/keywordindex/keyword_index_wizard.h"
#include "engine/collation.h"
#include "gui_test_support.h"
#include "indexing/source_list.h"
#include "keywordindex/keyword_session.h"
#include "settings/index_run_options.h"
#include "settings/run_options.h"
#include "textfiles/text_writer.h"

using namespace lexorim;
using namespace lexorim::app;

namespace {

using lexorim::app::testing::WriteFile;
using W = KeywordIndexWizard;

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

}  // namespace

class KeywordIndexWizardTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<AppContext> context_;
    // Stands for the main window: its name is the window class the widgets are bound under.
    std::unique_ptr<QWidget> window_;
    KeywordIndexWizard* wizard_ = nullptr;
    KeywordDesignDialog* design_ = nullptr;
    QStringList messages_;
    std::unique_ptr<QTemporaryDir> folder_;

    template <typename T>
    T* Find(const char* name) const {
        T* child = window_->findChild<T*>(QString::fromLatin1(name));
        if (child == nullptr)
            qFatal("no control %s", name);
        return child;
    }
    QString Fixture(const QString& name, const QByteArray& bytes) const {
        const QString path = folder_->filePath(name);
        WriteFile(path, bytes);
        return path;
    }
    // Types the path into squpfad and presses Enter, as a user adds a file.
    void EnterPath(const QString& path) {
        QLineEdit* box = wizard_->sourcePage()->pathBox();
        box->setFocus();
        box->setText(path);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Starts the run with the create button and waits for its end; true when it succeeded.
    bool RunAndWait() {
        QSignalSpy finished(wizard_, &KeywordIndexWizard::runFinished);
        wizard_->createButton()->click();
        if (!finished.wait(30000))
            return false;
        return finished.front().front().toBool();
    }
    // What the core gives for the same files in the same order and the same settings.
    Text CoreOutput(const QStringList& paths) const {
        KeywordIndexSession session;
        for (const QString& path : paths)
            AddSourceFile(session.sources(), ToText(path), MakeSourceOptions(context_->settings));
        const LocaleCollator collator;
        return session.Run(MakeKeywordOptions(context_->settings),
                           {.lists = context_->lists, .collator = collator});
    }
    void ClickTab(int page) {
        QTabBar* tabs = wizard_->pages()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    }
    QString Summary() const { return Find<QPlainTextEdit>("szusammenfassung")->toPlainText(); }

  private slots:
    void init() {
        messages_.clear();
        SetMessageSink([this](MessageKind, const QString& text) { messages_ << text; });
        folder_ = std::make_unique<QTemporaryDir>();
        context_ = std::make_unique<AppContext>();
        window_ = std::make_unique<QWidget>();
        window_->setObjectName(QStringLiteral("Tprog"));
        auto* layout = new QVBoxLayout(window_.get());
        auto* panels = new QStackedWidget(window_.get());
        layout->addWidget(panels);
        wizard_ = new KeywordIndexWizard(*context_, panels);
        panels->addWidget(wizard_);
        design_ = new KeywordDesignDialog(*context_, window_.get());
        wizard_->SetDesignDialog(design_);
        new SettingsBinding(context_->settings, "Tprog", window_.get());
        ApplyWindowTexts(window_.get(), "Tprog", context_->language);
        window_->resize(900, 640);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup() {
        window_.reset();
        context_.reset();
        folder_.reset();
        SetMessageSink({});
        qunsetenv("LEXORIM_SOFFICE");
    }

    // Every page first shows back and next and enables all three buttons, so a page reached
    // after the progress page has its buttons back.
    void pagesSetTheButtonsByTheTable() {
        struct Case {
            W::Page page;
            bool backVisible, backEnabled, nextEnabled, createEnabled;
        };
        const Case cases[] = {
            {W::ts1, false, true, true, true},   {W::ts4, true, false, false, false},
            {W::ts2, true, true, true, true},    {W::ts3, true, true, false, true},
            {W::ts4, true, false, false, false}, {W::ts5, true, true, false, true},
            {W::ts1, false, true, true, true},
        };
        for (const Case& c : cases) {
            wizard_->ShowKeywordPage(c.page);
            const QByteArray where = QByteArray::number(c.page);
            QCOMPARE(wizard_->currentPage(), c.page);
            QVERIFY2(wizard_->backButton()->isVisible() == c.backVisible, where);
            QVERIFY2(wizard_->nextButton()->isVisible(), where);
            QVERIFY2(wizard_->backButton()->isEnabled() == c.backEnabled, where);
            QVERIFY2(wizard_->nextButton()->isEnabled() == c.nextEnabled, where);
            QVERIFY2(wizard_->createButton()->isEnabled() == c.createEnabled, where);
        }
    }

    void theResultPageResetsTheProgressAndTheSummaryIsBuiltOnItsPage() {
        Find<QProgressBar>("sfortschritt")->setValue(60);
        Find<QLabel>("sstatus")->setText(QStringLiteral("Index schreiben.."));
        wizard_->ShowKeywordPage(W::ts5);
        QCOMPARE(Find<QProgressBar>("sfortschritt")->value(), 0);
        QVERIFY(Find<QLabel>("sstatus")->text().isEmpty());

        QVERIFY(Summary().isEmpty());
        context_->settings.Set("stw_doppelt", u"0");
        wizard_->ShowKeywordPage(W::ts3);
        QVERIFY(Summary().startsWith(QStringLiteral("Suchkriterien")));
        QVERIFY(Summary().contains(
            QStringLiteral(" - Doppelte Einträge werden mehrfach in den Index aufgenommen")));
        // Built again whenever the page is shown, from the settings of that moment.
        context_->settings.Set("stw_doppelt", u"1");
        wizard_->ShowKeywordPage(W::ts2);
        wizard_->ShowKeywordPage(W::ts3);
        QVERIFY(Summary().contains(QStringLiteral(" - Doppelte Einträge werden aussortiert")));
    }

    void nextAndBackMoveByTheTable() {
        struct Case {
            W::Page from;
            bool next;
            W::Page to;
        };
        // Next does nothing beyond the summary; back from the result goes to the summary.
        const Case cases[] = {
            {W::ts1, true, W::ts2},  {W::ts2, true, W::ts3},  {W::ts3, true, W::ts3},
            {W::ts2, false, W::ts1}, {W::ts3, false, W::ts2}, {W::ts4, false, W::ts3},
            {W::ts5, false, W::ts3}, {W::ts1, false, W::ts1},
        };
        for (const Case& c : cases) {
            wizard_->ShowKeywordPage(c.from);
            if (c.next)
                wizard_->NextClicked();
            else
                wizard_->BackClicked();
            QVERIFY2(wizard_->currentPage() == c.to,
                     QByteArray::number(c.from) + (c.next ? " next" : " back"));
        }
        // The buttons themselves, clicked.
        wizard_->ShowKeywordPage(W::ts1);
        wizard_->nextButton()->click();
        wizard_->nextButton()->click();
        QCOMPARE(wizard_->currentPage(), W::ts3);
        QVERIFY(!Summary().isEmpty());
        wizard_->backButton()->click();
        QCOMPARE(wizard_->currentPage(), W::ts2);
    }

    void aTabClickShowsItsPageByThePageFunction() {
        wizard_->ShowKeywordPage(W::ts1);
        ClickTab(W::ts3);
        QCOMPARE(wizard_->currentPage(), W::ts3);
        QVERIFY(wizard_->backButton()->isVisible());
        QVERIFY(!wizard_->nextButton()->isEnabled());
        QVERIFY(!Summary().isEmpty());
        ClickTab(W::ts5);
        QVERIFY(wizard_->backButton()->isEnabled());
        QVERIFY(!wizard_->nextButton()->isEnabled());
        QVERIFY(wizard_->createButton()->isEnabled());
        ClickTab(W::ts1);
        QCOMPARE(wizard_->currentPage(), W::ts1);
        QVERIFY(!wizard_->backButton()->isVisible());
        QVERIFY(wizard_->nextButton()->isEnabled());
    }

    // Enter in squpfad adds the file and, with squdocsearch on, the pages it links to.
    void enterInThePathBoxAddsTheFileAndScansItWhenChosen() {
        Fixture(QStringLiteral("zwei.html"), "<html><body>Zwei</body></html>");
        const QString first =
            Fixture(QStringLiteral("eins.html"),
                    "<html><body><a href=\"zwei.html\">Seite zwei</a> <a href=\"fehlt.html\">x</a>"
                    "</body></html>");
        const std::pair<bool, size_t> cases[] = {{true, 2}, {false, 1}};
        for (const auto& [scan, rows] : cases) {
            wizard_->Clear();
            Find<QCheckBox>("squdocsearch")->setChecked(scan);
            EnterPath(first);
            QCOMPARE(context_->keywordIndex.sources().size(), rows);
            QCOMPARE(wizard_->sourcePage()->listView()->model()->rowCount(),
                     static_cast<int>(rows));
        }
        // A path that names no file adds nothing, and the key goes no further.
        EnterPath(folder_->filePath(QStringLiteral("fehlt.html")));
        QCOMPARE(context_->keywordIndex.sources().size(), size_t{1});
        QCOMPARE(wizard_->currentPage(), W::ts1);
    }

    // The run goes over copies on the worker; its output is the core's, saved byte for byte as
    // the core's would be, and the clipboard holds the same text.
    void aRunGivesTheCoreOutputAndSavesIt() {
        const QStringList paths = {
            Fixture(QStringLiteral("notizen.txt"), "Zebra Haus Baum Haus Äpfel Affe 10 haus\n"),
            Fixture(QStringLiteral("seite.html"),
                    "<html><head><title>Titel</title></head><body><p>Katze <b>Hund</b> "
                    "Jonas Weller &amp; Maus</p></body></html>"),
            Fixture(QStringLiteral("leer.txt"), "und oder\n")};
        for (const QString& path : paths)
            EnterPath(path);
        for (const char* underEachOther : {"0", "1"}) {
            Find<QCheckBox>("stw_untereinander")->setChecked(underEachOther[0] == '1');
            QVERIFY(RunAndWait());
            QCOMPARE(wizard_->currentPage(), W::ts5);
            QVERIFY(wizard_->backButton()->isEnabled());
            const Text expected = CoreOutput(paths);
            QCOMPARE(context_->keywordIndex.output(), expected);
            // The view holds the same lines; every line of the output ends with CR LF.
            QString shown = wizard_->output()->toPlainText();
            QCOMPARE(shown.replace(QStringLiteral("\n"), QStringLiteral("\r\n")),
                     ToQString(expected));
            const QString saved = folder_->filePath(QStringLiteral("Index.txt"));
            const QString reference = folder_->filePath(QStringLiteral("reference.txt"));
            QVERIFY(wizard_->SaveOutputTextTo(saved));
            WriteTextFile(expected, ToPath(reference), MakeOutputSettings(context_->settings));
            QCOMPARE(ReadBytes(saved), ReadBytes(reference));
            Find<QPushButton>("szwischenablage")->click();
            QCOMPARE(QApplication::clipboard()->text(), ToQString(expected));
        }
        // One word under the other, the tags gone, the combined name kept with its blank.
        QVERIFY(ToQString(context_->keywordIndex.output())
                    .contains(QStringLiteral("seite.html: Hund\r\nJonas Weller\r\nKatze\r\nMaus"
                                             "\r\nTitel\r\n\r\n")));
        QVERIFY(messages_.isEmpty());
    }

    // A file that cannot be written is a message naming it; the file that was there stays.
    void aFailedSaveNamesTheFileAndLeavesItAlone() {
        EnterPath(Fixture(QStringLiteral("a.txt"), "Haus\n"));
        QVERIFY(RunAndWait());
        const QString blocked = folder_->filePath(QStringLiteral("ordner"));
        QVERIFY(QDir().mkpath(blocked + QStringLiteral("/Index.txt")));
        QVERIFY(!wizard_->SaveOutputTextTo(blocked + QStringLiteral("/Index.txt")));
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_.front().contains(QStringLiteral("Index.txt")),
                 qPrintable(messages_.front()));
        QVERIFY(QFileInfo(blocked + QStringLiteral("/Index.txt")).isDir());
    }

    // AbbruchS stops the run between documents: back on the summary, no message, and the
    // output of the run before stands. The second document waits for an office program that
    // never finishes, so the cancel always comes during the run.
    void aCancelledRunKeepsThePreviousResult() {
        EnterPath(Fixture(QStringLiteral("a.txt"), "Haus Baum\n"));
        QVERIFY(RunAndWait());
        const Text before = context_->keywordIndex.output();
        const QString shownBefore = wizard_->output()->toPlainText();

        // Not scanned when added: only the run reads it.
        Find<QCheckBox>("squdocsearch")->setChecked(false);
        EnterPath(Fixture(QStringLiteral("b.rtf"), "{\\rtf1\\ansi Katze Hund}"));
        QCOMPARE(context_->keywordIndex.sources().size(), size_t{2});
        const QString office = Fixture(QStringLiteral("langsam-office"), "#!/bin/sh\nsleep 60\n");
        QFile::setPermissions(office, QFile::permissions(office) | QFileDevice::ExeOwner);
        qputenv("LEXORIM_SOFFICE", office.toLocal8Bit());

        const QSignalSpy finished(wizard_, &KeywordIndexWizard::runFinished);
        wizard_->createButton()->click();
        QVERIFY(wizard_->isRunning());
        QCOMPARE(wizard_->currentPage(), W::ts4);
        QVERIFY(!wizard_->backButton()->isEnabled());
        QVERIFY(!wizard_->createButton()->isEnabled());
        QTRY_VERIFY(Find<QLabel>("sstatus")->text().contains(QStringLiteral("Datei einlesen: ")));
        Find<QPushButton>("AbbruchS")->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
        QCOMPARE(finished.front().front().toBool(), false);
        QCOMPARE(wizard_->currentPage(), W::ts3);
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(u'\n')));
        QCOMPARE(context_->keywordIndex.output(), before);
        QCOMPARE(wizard_->output()->toPlainText(), shownBefore);
    }

    // Checked, the output wraps with a vertical scroll bar only; unchecked, both bars. A
    // configuration that changes the setting changes the output without a click.
    void theLineWrapFollowsItsSetting() {
        auto* box = Find<QCheckBox>("Zeilenumbruch");
        QPlainTextEdit* output = wizard_->output();
        QVERIFY(box->isChecked());
        const auto wraps = [output] {
            return output->lineWrapMode() == QPlainTextEdit::WidgetWidth &&
                   output->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff &&
                   output->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
        };
        const auto bothBars = [output] {
            return output->lineWrapMode() == QPlainTextEdit::NoWrap &&
                   output->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn &&
                   output->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
        };
        QVERIFY(wraps());
        box->click();
        QVERIFY(!context_->settings.IsOn("Tprog", "Zeilenumbruch"));
        QVERIFY(bothBars());
        context_->settings.Set("Zeilenumbruch", u"1");
        QVERIFY(box->isChecked());
        QVERIFY(wraps());
        context_->settings.Set("Zeilenumbruch", u"0");
        QVERIFY(bothBars());
    }

    // With stw_design on, the characters of the design window frame the lines; off, the
    // standard ones do whatever the window holds.
    void theDesignWindowFeedsTheOutput() {
        EnterPath(Fixture(QStringLiteral("a.txt"), "Haus Baum\n"));
        design_->findChild<QLineEdit*>(QStringLiteral("zw"))->setText(QStringLiteral(" => "));
        design_->findChild<QLineEdit*>(QStringLiteral("zwe"))->setText(QStringLiteral(" | "));
        QVERIFY(RunAndWait());
        QCOMPARE(context_->keywordIndex.output(), Text(u"a.txt: Baum, Haus\r\n\r\n"));
        Find<QCheckBox>("stw_design")->setChecked(true);
        QVERIFY(RunAndWait());
        QCOMPARE(context_->keywordIndex.output(), Text(u"a.txt => Baum | Haus\r\n\r\n"));
        design_->findChild<QCheckBox*>(QStringLiteral("leerzeile"))->setChecked(false);
        QVERIFY(RunAndWait());
        QCOMPARE(context_->keywordIndex.output(), Text(u"a.txt => Baum | Haus\r\n"));
    }

    void theDesignButtonOpensTheDesignWindowModally() {
        wizard_->ShowKeywordPage(W::ts2);
        bool shownModal = false;
        QTimer::singleShot(0, design_, [this, &shownModal] {
            shownModal = design_->isVisible() && design_->isModal();
            design_->accept();
        });
        Find<QPushButton>("stw_designanzeigen")->click();
        QVERIFY(shownModal);
    }

    // "Neu" > "Stichwort Index": the list, the path box and the output emptied, page 1.
    void clearEmptiesTheSessionTheListThePathAndTheOutput() {
        const QString path = Fixture(QStringLiteral("a.txt"), "Haus Baum\n");
        EnterPath(path);
        QVERIFY(RunAndWait());
        QVERIFY(!wizard_->output()->toPlainText().isEmpty());
        wizard_->Clear();
        QCOMPARE(wizard_->currentPage(), W::ts1);
        QCOMPARE(context_->keywordIndex.sources().size(), size_t{0});
        QVERIFY(context_->keywordIndex.output().empty());
        QCOMPARE(wizard_->sourcePage()->listView()->model()->rowCount(), 0);
        QVERIFY(wizard_->sourcePage()->pathBox()->text().isEmpty());
        QVERIFY(context_->settings.Value("Tprog", "squpfad").empty());
        QVERIFY(wizard_->output()->toPlainText().isEmpty());
        // The wizard works on after it: a new run sees only the new list.
        EnterPath(Fixture(QStringLiteral("b.txt"), "Katze\n"));
        QVERIFY(RunAndWait());
        QCOMPARE(context_->keywordIndex.output(), Text(u"b.txt: Katze\r\n\r\n"));
    }

    // Every button, check box and group of the wizard has its caption in both languages.
    void everyControlHasItsCaptionInBothLanguages() {
        for (const Language language : {Language::German, Language::English}) {
            context_->language = language;
            ApplyWindowTexts(window_.get(), "Tprog", language);
            for (QAbstractButton* button : wizard_->findChildren<QAbstractButton*>()) {
                if (button->objectName().isEmpty() || qobject_cast<QTabBar*>(button->parent()))
                    continue;
                QVERIFY2(!button->text().isEmpty(), qPrintable(button->objectName()));
            }
            for (QGroupBox* group : wizard_->findChildren<QGroupBox*>())
                QVERIFY2(!group->title().isEmpty(), qPrintable(group->objectName()));
            for (int page = 0; page < wizard_->pages()->count(); ++page)
                QVERIFY(!wizard_->pages()->tabText(page).isEmpty());
        }
        // Without the mnemonic marks the window adds.
        QCOMPARE(Find<QPushButton>("AbbruchS")->text().remove(u'&'), QStringLiteral("Break"));
        QCOMPARE(Find<QCheckBox>("stw_doppelt")->text().remove(u'&'),
                 QStringLiteral("Remove Double Items"));
        wizard_->ShowKeywordPage(W::ts3);
        QVERIFY(Summary().startsWith(QStringLiteral("Criteria")));
    }
};

QTEST_MAIN(KeywordIndexWizardTest)
#include "keyword_index_wizard_test.moc"
