// The desktop program driven as a user would: wizard navigation, a whole run from a typed text,
// the page designations, configurations through the menu commands, the language switch and the
// start-up arguments.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/app_context.h"
#include "app/common/error_display.h"
#include "app/common/mnemonics.h"
#include "app/common/qt_text.h"
#include "app/common/source_page.h"
#include "app/common/word_list_dialogs.h"
#include "app/fileindex/file_index_wizard.h"
#include "app/keywordindex/keyword_index_wizard.h"
#include "app/main_window.h"
#include "app/start_up.h"
#include "app/textindex/text_index_dialogs.h"
#include "app/textindex/text_index_wizard.h"
#include "app/tools/page_writing_window.h"
#include "app/tools/text_to_index_window.h"
#include "engine/collation.h"
#include "gui_test_support.h"
#include "settings/numeric_controls.h"
#include "settings/run_options.h"
#include "textfiles/document_fixtures.h"
#include "textfiles/text_reader.h"
#include "textindex/text_index_session.h"
#include "textindex/text_index_source.h"

using namespace lexorim;
using namespace lexorim::app;

namespace {

using lexorim::app::testing::WriteFile;

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<MainWindow> window_;
    QStringList messages_;
    QTemporaryDir folder_;

    TextIndexWizard* wizard() const { return window_->textIndex(); }
    template <typename T>
    T* Find(const char* name) const {
        return window_->findChild<T*>(QString::fromLatin1(name));
    }
    void TypeSource(const QString& text) {
        Find<QRadioButton>("qu_text")->click();
        wizard()->source()->setPlainText(text);
    }
    void RunAndWait() {
        wizard()->createButton()->click();
        QTRY_COMPARE_WITH_TIMEOUT(wizard()->currentPage(), TextIndexWizard::tt6, 20000);
    }

    ExistingIndexChooser* Chooser() const {
        return window_->findChild<ExistingIndexChooser*>(QStringLiteral("Tindexhinzu"));
    }
    // Answers the chooser's open dialog as soon as it is shown: with `path`, or cancelled when
    // it is empty.
    void AnswerOpenIndexDialog(const QString& path) {
        QFileDialog* dialog = Chooser()->openDialog();
        QTimer::singleShot(0, dialog, [dialog, path] {
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            // Typed into the name box, as a user may do.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (name == nullptr) {
                dialog->reject();  // the label check that follows then fails
                return;
            }
            name->setText(path);
            static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        });
    }
    static bool DropFiles(QWidget* target, const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        return lexorim::app::testing::Drop(target, urls);
    }

  private slots:
    void init() {
        messages_.clear();
        SetMessageSink([this](MessageKind, const QString& text) { messages_ << text; });
        context_ = std::make_unique<AppContext>();
        window_ = std::make_unique<MainWindow>(*context_);
    }

    void cleanup() {
        window_.reset();
        context_.reset();
        SetMessageSink({});
    }

    void startsOnTheStartPageWithEveryMenuItemCaptioned() {
        QCOMPARE(window_->visiblePanel(), QStringLiteral("pstart"));
        for (const char* name : {"mneutxt",
                                 "mtidxload",
                                 "ext1",
                                 "Indexidx1",
                                 "mbeenden",
                                 "mets",
                                 "metk",
                                 "metd",
                                 "mewlneg",
                                 "mewlpos",
                                 "spopt",
                                 "msprde",
                                 "mspren",
                                 "m_konfig_save",
                                 "m_konfig_save_start",
                                 "m_konfig_load",
                                 "m_konfig_autosave_nie",
                                 "m_konfig_autosave_alles",
                                 "m_konfig_standard",
                                 "m_konfig_start",
                                 "mfstart",
                                 "mt1",
                                 "mt4"}) {
            QVERIFY2(window_->action(name) != nullptr, name);
            QVERIFY2(!window_->action(name)->text().isEmpty(), name);
        }
        // Every item of the menus does something.
        for (QAction* item : window_->findChildren<QAction*>()) {
            // Qt's own items (of the file dialogs) start with "qt_".
            if (!item->objectName().isEmpty() && !item->objectName().startsWith(u"qt_"))
                QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
        }
        QCOMPARE(window_->action("m_konfig_load")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
        QCOMPARE(window_->action("m_konfig_standard")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(window_->action("m_konfig_start")->shortcut(), QKeySequence(Qt::Key_F3));
        QVERIFY(window_->action("m_konfig_autosave_nie")->isChecked());
    }

    void fileAndKeywordMenuItemsDoWhatTheySay() {
        for (const char* name : {"mneudatei", "mneustw", "mdidxload", "extHTML1", "Indexidx2",
                                 "mstwidxsave", "medd", "mesd", "medk", "mesk"}) {
            QVERIFY2(window_->action(name)->isEnabled(), name);
            QVERIFY2(!window_->action(name)->text().isEmpty(), name);
        }
        FileIndexWizard* files = window_->fileIndex();
        KeywordIndexWizard* keywords = window_->keywordIndex();
        window_->action("medk")->trigger();
        QCOMPARE(window_->visiblePanel(), QStringLiteral("pgdateien"));
        QCOMPARE(files->currentPage(), FileIndexWizard::td2);
        window_->action("mesk")->trigger();
        QCOMPARE(window_->visiblePanel(), QStringLiteral("pgstw"));
        QCOMPARE(keywords->currentPage(), KeywordIndexWizard::ts2);
        // The Fenster menu's page items use the page functions: the summary page is built.
        window_->action("mfd3")->trigger();
        QCOMPARE(files->currentPage(), FileIndexWizard::td3);
        QVERIFY(!files->nextButton()->isEnabled());
        QVERIFY(!Find<QPlainTextEdit>("dzusammenfassung")->toPlainText().isEmpty());
        window_->action("mfs1")->trigger();
        QCOMPARE(keywords->currentPage(), KeywordIndexWizard::ts1);
        QVERIFY(!keywords->backButton()->isVisible());

        // "Neu" empties the list, the path box and the output of its own kind only.
        const QString page = folder_.filePath(QStringLiteral("seite.txt"));
        WriteFile(page, "Apfel Birne");
        files->sourcePage()->AddChosenFile(page);
        keywords->sourcePage()->AddChosenFile(page);
        window_->action("mneudatei")->trigger();
        QVERIFY(context_->fileIndex.sources().empty());
        QCOMPARE(context_->keywordIndex.sources().size(), size_t{1});
        QCOMPARE(files->currentPage(), FileIndexWizard::td1);
        window_->action("mneustw")->trigger();
        QVERIFY(context_->keywordIndex.sources().empty());
        QCOMPARE(keywords->currentPage(), KeywordIndexWizard::ts1);
    }

    void theReportTheCompatibilityTestAndTheShortcutsOpenBesideTheWindow() {
        struct Case {
            const char* item;
            Language language;
            const char* window;
        };
        const Case cases[] = {{"m_bug", Language::German, "Tbugreport_de"},
                              {"m_bug", Language::English, "Tbugreport_en"},
                              {"m_komp", Language::English, "Tzusatzfunktion"},
                              {"verk_lkfg", Language::German, "Teinstshortcuts_lkfg"},
                              {"verk_idx", Language::English, "Teinstshortcuts_idx"}};
        for (const Case& c : cases) {
            window_->SetLanguage(c.language);
            QVERIFY2(window_->action(c.item)->isEnabled(), c.item);
            window_->action(c.item)->trigger();
            auto* opened = Find<QDialog>(c.window);
            QVERIFY2(opened->isVisible(), c.window);
            QVERIFY(!opened->isModal());
            opened->hide();
        }
        // Only the report of the interface language opens.
        QVERIFY(!Find<QDialog>("Tbugreport_de")->isVisible());
    }

    void theToolsOpenAndHandOverToTheWizards() {
        for (const auto& [item, name] : {std::pair{"mt3", "Tedittxt2idx"}, {"mt4", "Tedittxt"}}) {
            QVERIFY2(window_->action(item)->isEnabled(), item);
            window_->action(item)->trigger();
            auto* tool = Find<QDialog>(name);
            QVERIFY2(tool->isVisible() && !tool->isModal(), name);
            tool->hide();
        }
        const QString textIndex = folder_.filePath(QStringLiteral("werkzeug.idx"));
        WriteFile(textIndex, "Apfel:3>-|17>-\r\n");
        emit Find<TextToIndexWindow>("Tedittxt2idx")->textIndexHandOver(textIndex);
        QTRY_COMPARE_WITH_TIMEOUT(wizard()->currentPage(), TextIndexWizard::tt6, 20000);
        QTRY_VERIFY(!wizard()->isRunning());
        QCOMPARE(Find<QLabel>("kt_index")->text(), textIndex);
        QVERIFY(wizard()->output()->toPlainText().contains(QStringLiteral("Apfel 3, 17")));

        const QString fileIndex = folder_.filePath(QStringLiteral("werkzeug-dateien.idx"));
        WriteFile(fileIndex, "Preise:Preise>preise.html\r\n");
        emit Find<TextToIndexWindow>("Tedittxt2idx")->fileIndexHandOver(fileIndex);
        QTRY_COMPARE_WITH_TIMEOUT(window_->fileIndex()->currentPage(), FileIndexWizard::td5, 20000);
        QTRY_VERIFY(!window_->fileIndex()->isRunning());
        QVERIFY(context_->settings.IsOn("Tprog", "dkt_integrieren"));
        QVERIFY(window_->fileIndex()->output()->toPlainText().contains(QStringLiteral("Preise")));

        // A text handed over from the page-writing editor is what the next run indexes, also
        // when a file was the source before.
        context_->settings.Set(ui::tprog::qu_datei, u"1");
        emit Find<PageWritingWindow>("Tedittxt")
            ->textSourceHandOver(QStringLiteral("Birne\n1\nKirsche\n2\n"));
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt1);
        QCOMPARE(wizard()->source()->toPlainText(), QStringLiteral("Birne\n1\nKirsche\n2\n"));
        QVERIFY(context_->settings.IsOn("Tprog", "qu_text"));
        QVERIFY(messages_.isEmpty());
    }

    // A large text is read on the worker, so the window keeps answering; the memo shows it
    // whole, and typing in text mode afterwards still makes the typed text the source.
    void aLargeTextFileIsReadOnTheWorkerAndShownWhole() {
        QByteArray book;
        for (int line = 0; book.size() < 5 * 1024 * 1024; ++line)
            book += "Apfel Birne Kirsche " + QByteArray::number(line) + "\n";
        book += "Zwetschge\n";
        const QString path = folder_.filePath(QStringLiteral("gross.txt"));
        WriteFile(path, book);
        Find<QRadioButton>("qu_datei")->click();
        Find<QLineEdit>("edit_quelle")->setText(path);
        QVERIFY(wizard()->isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!wizard()->isRunning(), 30000);
        QCOMPARE(wizard()->source()->toPlainText(), QString::fromUtf8(book));
        QVERIFY(messages_.isEmpty());

        TypeSource(QStringLiteral("Quitte\n"));
        Find<QRadioButton>("sz_zeilezuseite")->click();
        RunAndWait();
        QCOMPARE(wizard()->output()->toPlainText(), QStringLiteral("Index\n\nQ\nQuitte 1\n"));
    }

    void designMenuItemsOpenTheDialogOfTheOutputKind() {
        struct Case {
            const char* item;
            const char* setting;  // the output kind switched on first, if any
            const char* dialog;
        };
        const Case cases[] = {{"medd", "htmlindex", "Thdesign"},
                              {"medd", "textindex", "Ttextdesign"},
                              {"mesd", nullptr, "Tsdesign"}};
        for (const Case& c : cases) {
            if (c.setting != nullptr)
                context_->settings.Set(ui::ControlId{ui::tprog::kWindow, c.setting}, u"1");
            QString opened;
            QTimer::singleShot(0, this, [&opened] {
                if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                    opened = dialog->objectName();
                    dialog->reject();
                }
            });
            window_->action(c.item)->trigger();
            QCOMPARE(opened, QString::fromLatin1(c.dialog));
        }
    }

    void sideButtonsShowTheirPanels() {
        const std::pair<const char*, const char*> cases[] = {{"rand_bttxtidx", "pgtxt"},
                                                             {"rand_btdidx", "pgdateien"},
                                                             {"rand_btstw", "pgstw"},
                                                             {"rand_btinfo", "pinfo"},
                                                             {"rand_btstart", "pstart"}};
        for (const auto& [button, panel] : cases) {
            Find<QPushButton>(button)->click();
            QCOMPARE(window_->visiblePanel(), QString::fromLatin1(panel));
            QVERIFY(context_->settings.IsOn("Tprog", panel));
        }
    }

    // The controls of a mode follow the click at once, and a configuration that switches the
    // mode without a click moves them too.
    void modeButtonsEnableTheirControlsAtOnce() {
        Find<QRadioButton>("qu_text")->click();
        QVERIFY(!Find<QWidget>("edit_quelle")->isEnabled());
        QVERIFY(Find<QWidget>("qu_laden")->isEnabled());
        Find<QRadioButton>("qu_datei")->click();
        QVERIFY(Find<QWidget>("edit_quelle")->isEnabled());
        QVERIFY(!Find<QWidget>("qu_laden")->isEnabled());

        Find<QRadioButton>("sz_zeilezuseite")->click();
        QVERIFY(Find<QWidget>("sz_beginn")->isEnabled());
        QVERIFY(!Find<QWidget>("Auslesen")->isEnabled());
        context_->settings.Set("sz_auslesen", u"1");
        QVERIFY(!Find<QWidget>("sz_beginn")->isEnabled());
        QVERIFY(Find<QWidget>("Auslesen")->isEnabled());
    }

    void pagesSetTheButtonsByTheTable() {
        struct Case {
            TextIndexWizard::Page page;
            bool backVisible, nextEnabled, createEnabled;
        };
        // Reached by a tab click, which shows back and next and enables all three first.
        const Case cases[] = {{TextIndexWizard::tt1, false, true, true},
                              {TextIndexWizard::tt2, true, true, true},
                              {TextIndexWizard::tt3, true, true, true},
                              {TextIndexWizard::tt4, true, false, true},
                              {TextIndexWizard::tt6, true, false, true}};
        window_->show();
        for (const Case& c : cases) {
            wizard()->TabChosen(c.page);
            QCOMPARE(wizard()->currentPage(), c.page);
            QCOMPARE(wizard()->backButton()->isVisible(), c.backVisible);
            QCOMPARE(wizard()->backButton()->isEnabled(), true);
            QCOMPARE(wizard()->nextButton()->isEnabled(), c.nextEnabled);
            QCOMPARE(wizard()->createButton()->isEnabled(), c.createEnabled);
        }
        wizard()->ShowTextPage(TextIndexWizard::tt5);
        QVERIFY(!wizard()->backButton()->isEnabled());
        QVERIFY(!wizard()->nextButton()->isEnabled());
        QVERIFY(!wizard()->createButton()->isEnabled());
    }

    void nextAndBackFollowTheirTables() {
        window_->show();
        wizard()->ShowTextPage(TextIndexWizard::tt1);
        const TextIndexWizard::Page forward[] = {TextIndexWizard::tt2, TextIndexWizard::tt3,
                                                 TextIndexWizard::tt4, TextIndexWizard::tt4};
        for (const TextIndexWizard::Page expected : forward) {
            wizard()->NextClicked();
            QCOMPARE(wizard()->currentPage(), expected);
        }
        QVERIFY(wizard()->backButton()->isVisible());
        const std::pair<TextIndexWizard::Page, TextIndexWizard::Page> back[] = {
            {TextIndexWizard::tt2, TextIndexWizard::tt1},
            {TextIndexWizard::tt3, TextIndexWizard::tt2},
            {TextIndexWizard::tt4, TextIndexWizard::tt3},
            {TextIndexWizard::tt5, TextIndexWizard::tt4},
            {TextIndexWizard::tt6, TextIndexWizard::tt4}};
        for (const auto& [from, to] : back) {
            wizard()->ShowTextPage(from);
            wizard()->BackClicked();
            QCOMPARE(wizard()->currentPage(), to);
        }
        // The Fenster menu moves without showing the back button again.
        wizard()->ShowTextPage(TextIndexWizard::tt1);
        window_->action("mft3")->trigger();
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt3);
        QVERIFY(!wizard()->backButton()->isVisible());
    }

    void createSequenceIndexesATypedText() {
        window_->show();
        TypeSource(QStringLiteral("Apfel und Birne\nder Apfel\nBirne Zitrone"));
        Find<QRadioButton>("sz_zeilezuseite")->click();
        RunAndWait();
        const QString output = wizard()->output()->toPlainText();
        QVERIFY2(output.startsWith(QStringLiteral("Index")), qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("Apfel 1, 2")), qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("Birne 1, 3")), qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("Zitrone 3")), qPrintable(output));
        // After a run the back button stays disabled on the result page.
        QVERIFY(!wizard()->backButton()->isEnabled());
        QVERIFY(window_->menuBar()->isEnabled());
        QVERIFY(messages_.isEmpty());

        Find<QPushButton>("zwischenablage")->click();
        QCOMPARE(QApplication::clipboard()->text(), ToQString(context_->textIndex.output()));
        QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("\r\n")));

        const QString saved = folder_.filePath(QStringLiteral("Index.txt"));
        QVERIFY(wizard()->SaveOutputTextTo(saved));
        QVERIFY(wizard()->SaveIndexFileTo(folder_.filePath(QStringLiteral("Buch"))));
        QFile index(folder_.filePath(QStringLiteral("Buch.idx")));
        QVERIFY(index.open(QIODevice::ReadOnly));
        QVERIFY(index.readAll().contains("Apfel:1>-|2>-"));
        // A save that cannot be written is reported and ends nothing else.
        QVERIFY(!wizard()->SaveOutputTextTo(folder_.filePath(QStringLiteral("fehlt/Index.txt"))));
        QCOMPARE(messages_.size(), 1);
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt6);
    }

    void closingSavesTheStartConfigurationWhenChosen() {
        const QString start = QString::fromStdString(StartConfigurationPath().string());
        QFile::remove(start);
        window_->show();
        window_->close();
        QVERIFY(!QFile::exists(start));
        window_->show();
        window_->action("m_konfig_autosave_alles")->trigger();
        QVERIFY(!window_->action("m_konfig_autosave_nie")->isChecked());
        window_->close();
        QVERIFY(QFile::exists(start));
        QFile::remove(start);
    }

    void fileModeIndexesTheNamedFileOnly() {
        window_->show();
        const QString book = folder_.filePath(QStringLiteral("quelle.txt"));
        WriteFile(book, "Apfel\nBirne\n");
        Find<QRadioButton>("sz_zeilezuseite")->click();
        Find<QRadioButton>("qu_datei")->click();
        Find<QLineEdit>("edit_quelle")->setText(book);
        QCOMPARE(wizard()->source()->toPlainText(), QStringLiteral("Apfel\nBirne\n"));
        RunAndWait();
        QVERIFY(wizard()->output()->toPlainText().contains(QStringLiteral("Birne 2")));
        // A source file that does not exist is named; there is nothing to index.
        Find<QLineEdit>("edit_quelle")->setText(folder_.filePath(QStringLiteral("fehlt.txt")));
        const QSignalSpy started(wizard(), &TextIndexWizard::runStarted);
        wizard()->createButton()->click();
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_.front().contains(QStringLiteral("fehlt.txt")));
        // The core's error in the interface language.
        QVERIFY2(messages_.front().startsWith(QStringLiteral("Die Datei \"")),
                 qPrintable(messages_.front()));
        QCOMPARE(started.size(), 0);
        QVERIFY(!wizard()->findChild<QLabel*>(QStringLiteral("hinweise"))->isVisible());
        QVERIFY(context_->textIndex.sourceText().empty());
    }

    // The window runs the core on the file, never on the memo that shows it: Qt's plain text
    // turns no-break spaces into blanks, which would join words the file keeps apart.
    void fileModeIndexesTheFileAsTheCoreReadsIt() {
        window_->show();
        const QString book = folder_.filePath(QStringLiteral("namen.txt"));
        WriteFile(book,
                  "Herr\xC2\xA0"
                  "Doktor Jonas\xC2\xA0Weller sagt\r\n");
        Find<QRadioButton>("sz_zeilezuseite")->click();
        Find<QRadioButton>("qu_datei")->click();
        Find<QLineEdit>("edit_quelle")->setText(book);
        RunAndWait();

        const auto runOnCore = [this](TextIndexSource source) {
            TextIndexSession session;
            session.SetSource(std::move(source));
            return session.Run(MakeTextIndexOptions(context_->settings),
                               MakeDesignationCriteria(context_->settings),
                               {.lists = context_->lists,
                                .collator = LocaleCollator(),
                                .language = context_->language});
        };
        const Text fromFile = runOnCore(ReadTextIndexSource(ToPath(book)));
        QCOMPARE(ToQString(context_->textIndex.output()), ToQString(fromFile));
        const Text fromMemo =
            runOnCore(TextIndexSourceFromText(ToText(wizard()->source()->toPlainText())));
        QVERIFY(fromFile != fromMemo);

        // A file changed on disk is read again by the next run.
        WriteFile(book, "Kirsche\r\n");
        RunAndWait();
        QCOMPARE(ToQString(context_->textIndex.output()),
                 QStringLiteral("Index\r\n\r\nK\r\nKirsche 1\r\n"));
    }

    // With the clean draft switched on in the wizard, the window's index of a file is the one the
    // core makes of that file with the same settings, as lexorim-cli --draft makes it.
    void aCleanDraftIsTheCoresDraftOfTheFile() {
        window_->show();
        const QString book = folder_.filePath(QStringLiteral("buch.txt"));
        // Twelve pages under one running head, each on a subject of its own.
        const char* const subjects[] = {"Kernel", "Debian",      "Netzwerk", "Drucker",
                                        "Server", "Dateisystem", "Benutzer", "Sicherheit",
                                        "Archiv", "Editor",      "Terminal", "Paketquelle"};
        std::string text;
        for (int page = 1; page <= 12; ++page) {
            const std::string subject = subjects[page - 1];
            text += "Handbuch der Pakete\r\nDas Kapitel " + subject + " beginnt hier.\r\n";
            text +=
                "Die Pakete und das Paket stehen hier, des Pakets wegen, mit dpkg und sudo.\r\n";
            text += "The BESCHREIBUNG of " + subject + "\r\nNoch mehr zu " + subject + ".\r\n";
            text += std::to_string(page) + "\r\n";
        }
        WriteFile(book, text.c_str());
        Find<QRadioButton>("qu_datei")->click();
        Find<QLineEdit>("edit_quelle")->setText(book);
        QCheckBox* draft = wizard()->findChild<QCheckBox*>(QStringLiteral("ew_entwurf"));
        QVERIFY(draft != nullptr);
        draft->click();
        QCOMPARE(draft->checkState(), Qt::Checked);
        RunAndWait();

        TextIndexSession session;
        session.SetSource(ReadTextIndexSource(ToPath(book)));
        const Text onCore = session.Run(MakeTextIndexOptions(context_->settings),
                                        MakeDesignationCriteria(context_->settings),
                                        {.lists = context_->lists,
                                         .collator = LocaleCollator(),
                                         .language = context_->language});
        QCOMPARE(ToQString(context_->textIndex.output()), ToQString(onCore));
        // The draft did something: the running head is gone, the forms are under one word, and
        // the recurring command stays.
        QVERIFY(!ToQString(onCore).contains(QStringLiteral("Handbuch")));
        QVERIFY(!ToQString(onCore).contains(QStringLiteral("Pakets")));
        QVERIFY(ToQString(onCore).contains(QStringLiteral("Paket 1, 2")));
        QVERIFY(ToQString(onCore).contains(QStringLiteral("dpkg 1, 2")));
    }

    // After a source file that cannot be read, nothing of the previous document is left to be
    // indexed in its name; every try to run reports the error again.
    void anUnreadableSourceFileLeavesNothingToIndex() {
        window_->show();
        const QString good = folder_.filePath(QStringLiteral("gut.txt"));
        WriteFile(good, "Apfel\r\nBirne\r\n");
        const QString damaged = folder_.filePath(QStringLiteral("kaputt.txt"));
        WriteFile(damaged, "+/v8-Haus\xFF");  // UTF-7 that breaks its rules
        Find<QRadioButton>("sz_zeilezuseite")->click();
        Find<QRadioButton>("qu_datei")->click();
        Find<QLineEdit>("edit_quelle")->setText(good);
        RunAndWait();
        const Text before = context_->textIndex.output();
        QVERIFY(ToQString(before).contains(QStringLiteral("Birne 2")));

        Find<QLineEdit>("edit_quelle")->setText(damaged);
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_.back().contains(QStringLiteral("kaputt.txt")));
        QVERIFY(wizard()->source()->toPlainText().isEmpty());
        QVERIFY(context_->textIndex.sourceText().empty());

        const QSignalSpy started(wizard(), &TextIndexWizard::runStarted);
        wizard()->createButton()->click();
        QCOMPARE(messages_.size(), 2);
        QVERIFY(messages_.back().contains(QStringLiteral("kaputt.txt")));
        QCOMPARE(started.size(), 0);
        QCOMPARE(context_->textIndex.output(), before);
    }

    // Word lists keep every character of their memo, and a saved list ends its lines with CR LF.
    void wordListsKeepTheirCharactersAndSaveWithCrLf() {
        auto* negative = window_->findChild<WordListDialog*>(QStringLiteral("Tnegliste"));
        QVERIFY(negative != nullptr);
        negative->SetListText(QStringLiteral("Herr\u00A0Doktor\nZweite\n"));
        QVERIFY(std::find(context_->lists.negative.begin(), context_->lists.negative.end(),
                          u"Herr\u00A0Doktor") != context_->lists.negative.end());
        const QString saved = folder_.filePath(QStringLiteral("neg.txt"));
        QVERIFY(negative->SaveTextTo(negative->listText(), saved));
        QCOMPARE(ToQString(ReadTextFile(ToPath(saved))),
                 QStringLiteral("Herr\u00A0Doktor\r\nZweite"));
    }

    void wordListToolMovesIndexWordsIntoTheList() {
        window_->show();
        TypeSource(QStringLiteral("Apfel und Birne und Zitrone"));
        Find<QRadioButton>("sz_zeilezuseite")->click();
        RunAndWait();
        context_->settings.Set("Teditneg.sitzung", u"1");
        window_->action("mt1")->trigger();
        auto* tool = window_->findChild<QDialog*>(QStringLiteral("Teditneg"));
        auto* words = tool->findChild<QListWidget*>(QStringLiteral("idxliste"));
        QCOMPARE(words->count(), 3);
        words->item(1)->setSelected(true);
        tool->findChild<QPushButton*>(QStringLiteral("versch"))->click();
        QCOMPARE(words->count(), 2);
        tool->findChild<QPushButton*>(QStringLiteral("Speichern"))->click();
        QVERIFY(std::find(context_->lists.negative.begin(), context_->lists.negative.end(),
                          u"Birne") != context_->lists.negative.end());
    }

    void statusTextsOfAManyPageRunAreCoalesced() {
        window_->show();
        constexpr int kPages = 200000;
        QString text;
        for (int page = 0; page < kPages; ++page)
            text += QStringLiteral("Apfel und Birne\n");
        TypeSource(text);
        Find<QRadioButton>("sz_zeilezuseite")->click();
        QStringList shown;
        connect(&wizard()->worker(), &RunWorker::statusChanged, this,
                [&shown](const QString& status) { shown << status; });
        wizard()->createButton()->click();
        // Input that would change the run's settings waits for its end.
        QVERIFY(!window_->menuBar()->isEnabled());
        QVERIFY(!wizard()->pages()->widget(TextIndexWizard::tt3)->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(wizard()->currentPage(), TextIndexWizard::tt6, 60000);
        // One status text per page arrives; the window shows a few of them and always the last.
        QVERIFY2(shown.size() < kPages / 100, qPrintable(QString::number(shown.size())));
        QCOMPARE(shown.last(), QStringLiteral("Index schreiben.."));
        QVERIFY(window_->menuBar()->isEnabled());
        QVERIFY(wizard()->output()->toPlainText().contains(QStringLiteral("Apfel 1, 2, 3")));
    }

    // The progress page's cancel stops the run between pages; the last result stands, and the
    // run never touched the session it was started from.
    void cancellingARunKeepsTheLastResult() {
        window_->show();
        Find<QRadioButton>("sz_zeilezuseite")->click();
        TypeSource(QStringLiteral("Apfel"));
        RunAndWait();
        const Text before = context_->textIndex.output();
        QString text;
        for (int page = 0; page < 200000; ++page)
            text += QStringLiteral("Kirsche und Birne\n");
        TypeSource(text);
        const QSignalSpy finished(wizard(), &TextIndexWizard::runFinished);
        wizard()->createButton()->click();
        QVERIFY(wizard()->isRunning());
        wizard()->findChild<QPushButton*>(QStringLiteral("lauf_abbrechen"))->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 60000);
        QCOMPARE(finished.front().front().toBool(), false);
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt4);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(context_->textIndex.output(), before);
        QVERIFY(window_->menuBar()->isEnabled());
    }

    // Ctrl+Tab changes the page as a click on its tab does: the same buttons, the designations
    // read out on the page-number step, the summary built.
    void keyboardPageSwitchingFollowsTheTable() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        TypeSource(QStringLiteral("Erste Seite\n1\nZweite Seite\n2\n"));
        wizard()->ShowTextPage(TextIndexWizard::tt1);
        QVERIFY(!wizard()->backButton()->isVisible());
        wizard()->source()->setFocus();
        QTest::keyClick(wizard()->source(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt2);
        QVERIFY(wizard()->backButton()->isVisible());
        QCOMPARE(wizard()->designationList()->count(), 2);
        QTest::keyClick(wizard()->pages(), Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(wizard()->pages(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt4);
        QVERIFY(!wizard()->nextButton()->isEnabled());
        QVERIFY(!Find<QPlainTextEdit>("zusammenfassung")->toPlainText().isEmpty());
        QTest::keyClick(wizard()->pages(), Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt3);
        QVERIFY(wizard()->nextButton()->isEnabled());
        // Enter on a focused button presses it.
        wizard()->nextButton()->setFocus();
        QTest::keyClick(wizard()->nextButton(), Qt::Key_Return);
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt4);
    }

    // A word-processor document is read on the worker: typing its path waits for a pause, the
    // progress page shows, and its cancel stops the layout and leaves the source as it was.
    void aDocumentIsReadOnTheWorkerAndItsReadCanBeCancelled() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        const QString office = folder_.filePath(QStringLiteral("langsam-office"));
        WriteFile(office, "#!/bin/sh\nsleep 60\n");
        QFile::setPermissions(office, QFile::permissions(office) | QFileDevice::ExeOwner);
        qputenv("LEXORIM_SOFFICE", office.toLocal8Bit());
        const QString book = folder_.filePath(QStringLiteral("buch.docx"));
        WriteFile(book, QByteArray::fromStdString(
                            lexorim::testing::MakeDocx("<w:p><w:r><w:t>Anton</w:t></w:r></w:p>")));
        Find<QRadioButton>("qu_datei")->click();
        TypeSource(QStringLiteral("Apfel"));
        Find<QRadioButton>("qu_datei")->click();
        const QSignalSpy started(wizard(), &TextIndexWizard::runStarted);
        const QSignalSpy finished(wizard(), &TextIndexWizard::runFinished);
        auto* path = Find<QLineEdit>("edit_quelle");
        path->setFocus();
        QTest::keyClicks(path, book);
        QCOMPARE(started.size(), 0);  // no layout for every key on the way
        QTRY_COMPARE_WITH_TIMEOUT(started.size(), 1, 5000);
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt5);
        QTRY_VERIFY(wizard()->statusLabel()->text().contains(QStringLiteral("buch.docx")));
        QTest::keyClick(wizard()->pages()->widget(TextIndexWizard::tt5), Qt::Key_Escape);
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 10000);
        qunsetenv("LEXORIM_SOFFICE");
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt1);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(wizard()->source()->toPlainText(), QStringLiteral("Apfel"));
        QVERIFY(window_->menuBar()->isEnabled());
    }

    // Tab walks every page from top to bottom, and from left to right within a line.
    void tabOrderRunsTopToBottomOnEveryPage() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        Find<QRadioButton>("qu_text")->click();
        for (int page = 0; page < wizard()->pages()->count(); ++page) {
            wizard()->TabChosen(page);
            QWidget* shown = wizard()->pages()->widget(page);
            QList<QWidget*> chain;
            for (QWidget* w = shown->nextInFocusChain(); w != shown; w = w->nextInFocusChain()) {
                if (shown->isAncestorOf(w) && w->isVisible() && w->focusPolicy() & Qt::TabFocus)
                    chain << w;
                if (chain.size() > 200)
                    break;
            }
            QVERIFY2(!chain.isEmpty(), qPrintable(shown->objectName()));
            for (qsizetype i = 1; i < chain.size(); ++i) {
                const QPoint before = chain[i - 1]->mapTo(window_.get(), QPoint(0, 0));
                const QPoint after = chain[i]->mapTo(window_.get(), QPoint(0, 0));
                const bool sameLine = std::abs(after.y() - before.y()) < 8;
                QVERIFY2(sameLine ? after.x() > before.x() : after.y() > before.y(),
                         qPrintable(shown->objectName() + ": " + chain[i - 1]->objectName() +
                                    " before " + chain[i]->objectName()));
            }
        }
    }

    void pageNumberStepReadsTheDesignationsOnce() {
        window_->show();
        TypeSource(QStringLiteral("Erste Seite Text\n1\nZweite Seite Text\n2\n"));
        wizard()->NextClicked();
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt2);
        QListWidget* list = wizard()->designationList();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("1 (1)"));
        QCOMPARE(list->item(1)->text(), QStringLiteral("2 (3)"));
        // A removed item stays removed until the text changes.
        list->item(0)->setSelected(true);
        Find<QPushButton>("sz_entfernen")->click();
        QCOMPARE(list->count(), 1);
        wizard()->BackClicked();
        wizard()->NextClicked();
        QCOMPARE(list->count(), 1);
        wizard()->BackClicked();
        wizard()->source()->appendPlainText(QStringLiteral("Dritte Seite\n3"));
        wizard()->NextClicked();
        QCOMPARE(list->count(), 3);

        // The edit dialog adds a line sorted by its line number; OK replaces the list.
        auto* edit = window_->findChild<QDialog*>(QStringLiteral("Tszbearbeiten"));
        QTimer::singleShot(0, edit, [edit] {
            edit->findChild<QLineEdit*>(QStringLiteral("ed1"))->setText(QStringLiteral("IV"));
            edit->findChild<QLineEdit*>(QStringLiteral("ed2"))->setText(QStringLiteral("2"));
            edit->findChild<QPushButton*>(QStringLiteral("add"))->click();
            edit->findChild<QPushButton*>(QStringLiteral("OK"))->click();
        });
        Find<QPushButton>("sz_bearbeiten")->click();
        QCOMPARE(list->count(), 4);
        QCOMPARE(list->item(1)->text(), QStringLiteral("IV (2)"));
    }

    void configurationRoundTripThroughTheMenuCommands() {
        const QString path = folder_.filePath(QStringLiteral("Test.lkfg"));
        Find<QCheckBox>("kt_zahlen")->setChecked(false);
        Find<QComboBox>("kt_max")->setCurrentText(QStringLiteral("5"));
        Find<QRadioButton>("sz_zeilezuseite")->click();
        Find<QLineEdit>("sz_beginn")->setText(QStringLiteral("17"));
        QVERIFY(window_->SaveConfiguration(path));
        window_->AddConfigurationToMenu(path);

        window_->action("m_konfig_standard")->trigger();
        QVERIFY(Find<QCheckBox>("kt_zahlen")->isChecked());
        QCOMPARE(Find<QComboBox>("kt_max")->currentText(), QStringLiteral("3"));

        // The recent entry loads the file back into every bound widget.
        QAction* recent = window_->findChild<QAction*>(QStringLiteral("m_konfig_8"));
        QVERIFY(recent != nullptr);
        QCOMPARE(recent->toolTip(), path);
        recent->trigger();
        QVERIFY(!Find<QCheckBox>("kt_zahlen")->isChecked());
        QCOMPARE(Find<QComboBox>("kt_max")->currentText(), QStringLiteral("5"));
        QVERIFY(Find<QRadioButton>("sz_zeilezuseite")->isChecked());
        QCOMPARE(Find<QLineEdit>("sz_beginn")->text(), QStringLiteral("17"));
        QVERIFY(Find<QLineEdit>("sz_beginn")->isEnabled());
        QVERIFY(!Find<QListWidget>("sz_libo")->isEnabled());
    }

    // The stored position is the frame's and is restored as the frame's, so the window stays
    // where it was however often a configuration is saved and loaded.
    void savingAndLoadingKeepsTheWindowWhereItWas() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        // Within the offscreen screen (800 x 600), which a loaded size is kept inside.
        window_->move(30, 20);
        window_->resize(770, 560);
        const QPoint frame = window_->pos();
        const QSize client = window_->size();
        const QString path = folder_.filePath(QStringLiteral("Lage.lkfg"));
        for (int cycle = 0; cycle < 10; ++cycle) {
            QVERIFY(window_->SaveConfiguration(path));
            window_->LoadConfiguration(path, false);
        }
        QCOMPARE(window_->pos(), frame);
        QCOMPARE(window_->size(), client);
    }

    // Every numeric box of the settings' table that a window shows refuses letters and, left
    // empty, comes back with its default from the window table.
    void everyNumericBoxRefusesLettersAndRefillsItsDefault() {
        Find<QRadioButton>("sz_zeilezuseite")->click();  // sz_beginn takes input in line mode
        int boxes = 0;
        for (const NumericControl& control : NumericControls()) {
            const QString name = QString::fromUtf8(control.id.name.data(),
                                                   static_cast<qsizetype>(control.id.name.size()));
            QWidget* widget = window_->findChild<QWidget*>(name);
            QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
            if (auto* combo = qobject_cast<QComboBox*>(widget))
                edit = combo->lineEdit();
            if (edit == nullptr)
                continue;  // a window of a later tool
            ++boxes;
            edit->setEnabled(true);
            edit->setText(QStringLiteral("4"));
            QTest::keyClicks(edit, QStringLiteral("a!"));
            QCOMPARE(edit->text(), QStringLiteral("4"));
            edit->clear();
            QFocusEvent leave(QEvent::FocusOut);
            QApplication::sendEvent(edit, &leave);
            QCOMPARE(edit->text(), ToQString(control.DefaultText()));
        }
        QVERIFY(boxes >= 4);  // kt_max, sz_beginn, sz_laenge and cb_pluswert at least
    }

    void minimumLengthBoxTakesDigitsOnly() {
        window_->show();
        wizard()->TabChosen(TextIndexWizard::tt3);
        auto* box = Find<QComboBox>("kt_max");
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("7x"));
        QCOMPARE(box->currentText(), QStringLiteral("7"));
        QCOMPARE(messages_,
                 QStringList{QStringLiteral("In diesem Feld sind nur Zahleneingaben erlaubt.")});
        QCOMPARE(context_->settings.Value("Tprog", "kt_max"), Text(u"7"));
        // Keys that reach the box itself, and pasted letters, are refused the same way.
        QTest::keyClicks(box, QStringLiteral("a"));
        QCOMPARE(box->currentText(), QStringLiteral("7"));
        QCOMPARE(messages_.size(), 2);
        QApplication::clipboard()->setText(QStringLiteral("1b"));
        box->lineEdit()->paste();
        QCOMPARE(box->currentText(), QStringLiteral("7"));
        Find<QRadioButton>("sz_zeilezuseite")->click();
        auto* firstPage = Find<QLineEdit>("sz_beginn");
        firstPage->setText(QStringLiteral("1"));
        QTest::keyClicks(firstPage, QStringLiteral("2q"));
        QCOMPARE(firstPage->text(), QStringLiteral("12"));
        // The custom item empties the box; left empty, it is refilled with "3".
        box->activated(box->count() - 1);
        QTRY_COMPARE(box->currentText(), QString());
        QFocusEvent leave(QEvent::FocusOut);
        QApplication::sendEvent(box->lineEdit(), &leave);
        QCOMPARE(box->currentText(), QStringLiteral("3"));
    }

    void designPreviewFollowsTheSeparators() {
        auto* design = window_->findChild<QDialog*>(QStringLiteral("Tdesign"));
        auto* preview = design->findChild<QLabel*>(QStringLiteral("vorschau"));
        QCOMPARE(preview->text(), QStringLiteral("Vorschau: Eintrag 17, 38, 69, 193"));
        context_->settings.Set("Tdesign.dsep", u" - ");
        context_->settings.Set("Tdesign.dzw", u": ");
        QCOMPARE(preview->text(), QStringLiteral("Vorschau: Eintrag: 17 - 38 - 69 - 193"));
        QCOMPARE(design->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("\" - \""));
    }

    void outputSettingsShowTheBackgroundColour() {
        auto* dialog = window_->findChild<QDialog*>(QStringLiteral("Teinstausgabe"));
        auto* colour = dialog->findChild<QLineEdit*>(QStringLiteral("Edit1"));
        const std::pair<const char*, const char*> cases[] = {
            {"#000000", "color: white"}, {"##FFFF00", "color: black"}, {"#12", "color: black"}};
        colour->setText(QStringLiteral("#FFFFFF"));
        for (const auto& [typed, textColour] : cases) {
            colour->setText(QString::fromLatin1(typed));
            QVERIFY2(colour->styleSheet().contains(QLatin1String(textColour)), typed);
        }
        // The radio buttons are one group: choosing one switches the one before off.
        dialog->findChild<QRadioButton*>(QStringLiteral("rb_utf16le"))->click();
        QVERIFY(!dialog->findChild<QRadioButton*>(QStringLiteral("rb_beibehalten"))->isChecked());
        QVERIFY(context_->settings.IsOn("Teinstausgabe", "rb_utf16le"));
    }

    void unreadableSourceIsReportedAndChangesNothing() {
        TypeSource(QStringLiteral("Apfel"));
        QVERIFY(!wizard()->LoadSourceFile(folder_.filePath(QStringLiteral("fehlt.txt"))));
        QCOMPARE(messages_.size(), 1);
        QVERIFY(messages_.front().contains(QStringLiteral("fehlt.txt")));
        QCOMPARE(wizard()->source()->toPlainText(), QStringLiteral("Apfel"));
    }

    void missingStartConfigurationIsReported() {
        window_->action("m_konfig_start")->trigger();
        QCOMPARE(messages_, QStringList{QStringLiteral("Keine Startkonfiguration definiert.")});
    }

    // One language change reaches every window, and Qt's own dialog texts follow it.
    void languageSwitchReachesEveryWindowAndQtsOwnTexts() {
        auto* load = window_->findChild<QDialog*>(QStringLiteral("Tnegliste"))
                         ->findChild<QPushButton*>(QStringLiteral("laden"));
        window_->action("mspren")->trigger();
        QCOMPARE(load->text().remove(u'&'), QStringLiteral("Load"));
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel)
                     .button(QDialogButtonBox::Cancel)
                     ->text()
                     .remove(u'&'),
                 QStringLiteral("Cancel"));
        window_->action("msprde")->trigger();
        QCOMPARE(load->text().remove(u'&'), QStringLiteral("Laden"));
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel)
                     .button(QDialogButtonBox::Cancel)
                     ->text()
                     .remove(u'&'),
                 QStringLiteral("Abbrechen"));
        QVERIFY(window_->action("msprde")->isChecked());
        QVERIFY(!window_->action("mspren")->isChecked());
    }

    // Every menu, every wizard page with the wizard's buttons, and every dialog has mnemonics
    // that are unique in it, in both languages; a letter typed with Alt does what a click does.
    void mnemonicsAreUniquePerMenuPageAndDialog() {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        // A caption goes without a mnemonic only when each of its letters is taken already (a
        // dialog with more controls than letters).
        const auto checkUnique = [](const QStringList& captions, const QString& where) {
            QSet<QChar> seen;
            for (const QString& caption : captions) {
                const QChar letter = MnemonicOf(caption);
                if (letter.isNull())
                    continue;
                QVERIFY2(!seen.contains(letter), qPrintable(where + ": " + caption));
                seen.insert(letter);
            }
            for (const QString& caption : captions) {
                if (!MnemonicOf(caption).isNull())
                    continue;
                const bool freeLetter =
                    std::any_of(caption.begin(), caption.end(), [&seen](QChar c) {
                        return c.isLetterOrNumber() && !seen.contains(c.toLower());
                    });
                QVERIFY2(!freeLetter, qPrintable(where + ": " + caption));
            }
        };
        const auto captionsOf = [](const QList<QAction*>& actions) {
            QStringList captions;
            for (const QAction* action : actions) {
                if (!action->isSeparator() && !action->text().isEmpty())
                    captions << action->text();
            }
            return captions;
        };
        const auto controlCaptions = [](QWidget* scope) {
            QStringList captions;
            const auto inFileDialog = [scope](QWidget* widget) {
                for (QWidget* w = widget; w != nullptr && w != scope; w = w->parentWidget()) {
                    if (qobject_cast<QFileDialog*>(w) != nullptr)
                        return true;
                }
                return false;
            };
            for (QAbstractButton* button : scope->findChildren<QAbstractButton*>()) {
                if (inFileDialog(button))
                    continue;
                if (!button->text().isEmpty() &&
                    button->objectName() != QLatin1String("qt_tabwidget_scrollbutton"))
                    captions << button->text();
            }
            // A label that names a control takes the focus to it with its letter.
            for (QLabel* label : scope->findChildren<QLabel*>()) {
                if (label->buddy() != nullptr && !inFileDialog(label) && !label->text().isEmpty())
                    captions << label->text();
            }
            return captions;
        };
        for (const char* language : {"mspren", "msprde"}) {
            window_->action(language)->trigger();
            checkUnique(captionsOf(window_->menuBar()->actions()), QStringLiteral("menu bar"));
            for (QMenu* menu : window_->findChildren<QMenu*>()) {
                if (menu->parentWidget() == nullptr ||
                    menu->parentWidget()->window() == window_.get())
                    checkUnique(captionsOf(menu->actions()), menu->objectName());
            }
            for (int page = 0; page < wizard()->pages()->count(); ++page) {
                QStringList captions = controlCaptions(wizard()->pages()->widget(page));
                captions << wizard()->backButton()->text() << wizard()->nextButton()->text()
                         << wizard()->createButton()->text();
                checkUnique(captions, wizard()->pages()->widget(page)->objectName());
            }
            // A dialog with pages: its own controls and each page's, which are seen together.
            for (QDialog* dialog : window_->findChildren<QDialog*>()) {
                if (qobject_cast<QFileDialog*>(dialog) != nullptr)
                    continue;
                QStringList own = controlCaptions(dialog);
                QList<QWidget*> pages;
                for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>()) {
                    for (int page = 0; page < tabs->count(); ++page) {
                        pages << tabs->widget(page);
                        for (const QString& caption : controlCaptions(tabs->widget(page)))
                            own.removeOne(caption);
                    }
                }
                if (pages.isEmpty())
                    checkUnique(own, dialog->objectName());
                for (QWidget* page : pages)
                    checkUnique(own + controlCaptions(page),
                                dialog->objectName() + u'/' + page->objectName());
            }
        }
        QVERIFY(window_->menuBar()->actions().front()->text().startsWith(QStringLiteral("&D")));
        wizard()->ShowTextPage(TextIndexWizard::tt3);
        auto* numbers = Find<QCheckBox>("kt_zahlen");
        const bool before = numbers->isChecked();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QVERIFY(numbers->isVisible());
        wizard()->nextButton()->setFocus();
        QTest::keyClick(QApplication::focusWidget(),
                        MnemonicOf(numbers->text()).toUpper().toLatin1(), Qt::AltModifier);
        QTRY_COMPARE(numbers->isChecked(), !before);  // a mnemonic clicks after a moment
    }

    // The side bar marks the panel on show; the output settings stay open beside the window
    // and name the pages about formats and the byte order mark.
    void sideBarAndOutputSettingsFollowTheUser() {
        window_->show();
        wizard()->ShowTextPage(TextIndexWizard::tt1);
        QVERIFY(Find<QPushButton>("rand_bttxtidx")->isChecked());
        QVERIFY(!Find<QPushButton>("rand_btstart")->isChecked());
        Find<QPushButton>("rand_btinfo")->click();
        QVERIFY(Find<QPushButton>("rand_btinfo")->isChecked());
        QVERIFY(!Find<QPushButton>("rand_bttxtidx")->isChecked());

        window_->action("spopt")->trigger();
        auto* output = window_->findChild<QDialog*>(QStringLiteral("Teinstausgabe"));
        QVERIFY(output->isVisible());
        QVERIFY(!output->isModal());
        QVERIFY(window_->menuBar()->isEnabled());
        QVERIFY(output->findChild<QLabel*>(QStringLiteral("Link4"))
                    ->text()
                    .contains(QStringLiteral("hilfe/kodierungen/")));
        QVERIFY(output->findChild<QLabel*>(QStringLiteral("Link1"))
                    ->text()
                    .contains(QStringLiteral("hilfe/bom/")));
        output->close();
    }

    void languageSwitchKeepsAChosenIndexPath() {
        auto* label = Find<QLabel>("kt_index");
        QCOMPARE(label->text(), QStringLiteral("Kein anderer Index ausgewählt"));
        window_->action("mspren")->trigger();
        QCOMPARE(label->text(), QStringLiteral("No Index Selected"));
        QCOMPARE(WithoutMnemonic(Find<QPushButton>("bt2")->text()), QStringLiteral("next >>"));
        QCOMPARE(WithoutMnemonic(window_->action("m_konfig_load")->text()),
                 QStringLiteral("Load Configuration"));
        QVERIFY(window_->action("mspren")->isChecked());
        QCOMPARE(Find<QComboBox>("kt_max")->itemText(6), QStringLiteral("Custom.."));

        const QString chosen = folder_.filePath(QStringLiteral("Buch.idx"));
        context_->settings.Set("Tprog.kt_index", ToText(chosen));
        window_->action("msprde")->trigger();
        QCOMPARE(label->text(), chosen);
        QCOMPARE(WithoutMnemonic(Find<QPushButton>("bt2")->text()), QStringLiteral("weiter >>"));
        window_->action("mspren")->trigger();
        QCOMPARE(label->text(), chosen);
    }

    void existingIndexIsChosenThroughItsOwnWindow() {
        ExistingIndexChooser* chooser = Chooser();
        QVERIFY(chooser != nullptr);
        QVERIFY(!chooser->isVisible());
        QCOMPARE(
            chooser->openDialog()->nameFilters(),
            (QStringList{QStringLiteral("Index (*.idx)"), QStringLiteral("Alle Dateien (*)")}));
        window_->action("mspren")->trigger();
        QCOMPARE(chooser->openDialog()->nameFilters(),
                 (QStringList{QStringLiteral("Index (*.idx)"), QStringLiteral("All Files (*)")}));
        window_->action("msprde")->trigger();

        // A cancelled choice still switches the adding on and keeps the label.
        auto* label = Find<QLabel>("kt_index");
        AnswerOpenIndexDialog(QString());
        Find<QPushButton>("andindex")->click();
        QVERIFY(context_->settings.IsOn("Tprog", "kt_integrieren"));
        QCOMPARE(label->text(), QStringLiteral("Kein anderer Index ausgewählt"));
        QCOMPARE(ToQString(context_->settings.Value("Tindexhinzu", "edit_quelle")), QString());

        const QString index = folder_.filePath(QStringLiteral("Buch.idx"));
        WriteFile(index, "Apfel:3>-|17>-\r\n");
        Find<QCheckBox>("kt_integrieren")->setChecked(false);
        AnswerOpenIndexDialog(index);
        Find<QPushButton>("andindex")->click();
        QCOMPARE(label->text(), index);
        QVERIFY(context_->settings.IsOn("Tprog", "kt_integrieren"));
        QCOMPARE(chooser->findChild<QLineEdit*>(QStringLiteral("edit_quelle"))->text(), index);

        // The chosen index is part of a configuration; the standard configuration empties it.
        const QString configuration = folder_.filePath(QStringLiteral("Index.lkfg"));
        QVERIFY(window_->SaveConfiguration(configuration));
        window_->action("m_konfig_standard")->trigger();
        QCOMPARE(ToQString(context_->settings.Value("Tindexhinzu", "edit_quelle")), QString());
        window_->LoadConfiguration(configuration);
        QCOMPARE(ToQString(context_->settings.Value("Tindexhinzu", "edit_quelle")), index);
    }

    void loadTextIndexRebuildsTheChosenIndex() {
        const QString index = folder_.filePath(QStringLiteral("Alt.idx"));
        WriteFile(index, "Birne:4>-\r\nApfel:3>-|17>-\r\n");
        TypeSource(QString());
        AnswerOpenIndexDialog(index);
        window_->action("mtidxload")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(wizard()->currentPage(), TextIndexWizard::tt6, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!wizard()->isRunning(), 20000);
        const QString output = wizard()->output()->toPlainText();
        QVERIFY2(output.contains(QStringLiteral("Apfel 3, 17")), qPrintable(output));
        QVERIFY2(output.contains(QStringLiteral("Birne 4")), qPrintable(output));
        QCOMPARE(Find<QLabel>("kt_index")->text(), index);
    }

    void filesDroppedOnTheSourcePageBecomeTheSource() {
        const QString text = folder_.filePath(QStringLiteral("kapitel.txt"));
        const QString other = folder_.filePath(QStringLiteral("anhang.txt"));
        WriteFile(text, "Apfel\nBirne\n");
        WriteFile(other, "Kirsche\n");
        QVERIFY(QDir(folder_.path()).mkdir(QStringLiteral("ordner")));
        const QString subfolder = folder_.filePath(QStringLiteral("ordner"));
        TypeSource(QStringLiteral("getippt"));
        wizard()->ShowTextPage(TextIndexWizard::tt1);

        // A folder alone is no source: nothing changes.
        QVERIFY(DropFiles(wizard()->source()->viewport(), {subfolder}));
        QCOMPARE(wizard()->source()->toPlainText(), QStringLiteral("getippt"));
        QVERIFY(context_->settings.IsOn("Tprog", "qu_text"));

        // The first file after the folder is read and named as the source file.
        QVERIFY(DropFiles(wizard()->source()->viewport(), {subfolder, text, other}));
        QCOMPARE(wizard()->source()->toPlainText(), QStringLiteral("Apfel\nBirne\n"));
        QVERIFY(context_->settings.IsOn("Tprog", "qu_datei"));
        QCOMPARE(Find<QLineEdit>("edit_quelle")->text(), text);

        // The page itself takes drops too, also while the memo is read-only in file mode.
        QVERIFY(DropFiles(wizard()->pages()->widget(TextIndexWizard::tt1), {other}));
        QCOMPARE(wizard()->source()->toPlainText(), QStringLiteral("Kirsche\n"));
        QCOMPARE(Find<QLineEdit>("edit_quelle")->text(), other);

        Find<QRadioButton>("sz_zeilezuseite")->click();
        RunAndWait();
        QVERIFY2(wizard()->output()->toPlainText().contains(QStringLiteral("Kirsche 1")),
                 qPrintable(wizard()->output()->toPlainText()));
    }

    void criteriaItemsOfTheOtherWizardsShowTheirCriteriaPage() {
        window_->action("medk")->trigger();
        QCOMPARE(window_->visiblePanel(), QStringLiteral("pgdateien"));
        QCOMPARE(Find<QTabWidget>("dct")->currentWidget()->objectName(), QStringLiteral("td2"));
        window_->action("mesk")->trigger();
        QCOMPARE(window_->visiblePanel(), QStringLiteral("pgstw"));
        QCOMPARE(Find<QTabWidget>("sct")->currentWidget()->objectName(), QStringLiteral("ts2"));
    }

    void latchingIsAShellChoiceNoConfigurationTouches() {
        QAction* latching = window_->action("zspmenu");
        QVERIFY(latching->isCheckable());
        QVERIFY(latching->isChecked());
        QVERIFY(context_->previewCaching);
        latching->trigger();
        QVERIFY(!context_->previewCaching);

        const QString configuration = folder_.filePath(QStringLiteral("Latching.lkfg"));
        QVERIFY(window_->SaveConfiguration(configuration));
        latching->trigger();
        QVERIFY(context_->previewCaching);
        window_->LoadConfiguration(configuration);
        QVERIFY(context_->previewCaching);
        QVERIFY(latching->isChecked());
        latching->trigger();
        window_->action("m_konfig_standard")->trigger();
        QVERIFY(!context_->previewCaching);
        QVERIFY(!latching->isChecked());
    }

    void startUpArgumentsFollowTheirRules() {
        const QString text = folder_.filePath(QStringLiteral("buch.txt"));
        const QString configuration = folder_.filePath(QStringLiteral("eins.lkfg"));
        const QString upperConfiguration = folder_.filePath(QStringLiteral("zwei.LKFG"));
        const QString textIndex = folder_.filePath(QStringLiteral("buch.idx"));
        const QString fileIndex = folder_.filePath(QStringLiteral("dateien.idx"));
        WriteFile(text, "Apfel\nBirne\n");
        WriteFile(upperConfiguration, "Apfel\n");
        WriteFile(textIndex, "Apfel:3>-|17>-\r\n");
        WriteFile(fileIndex, "Preise:Preise>preise.html\r\n");
        QVERIFY(window_->SaveConfiguration(configuration));

        struct Case {
            QStringList arguments;
            FirstArgumentUse use;
            int configurations;
        };
        const Case cases[] = {
            {{text}, FirstArgumentUse::TextSource, 0},
            {{configuration}, FirstArgumentUse::Nothing, 1},
            {{configuration, configuration}, FirstArgumentUse::Nothing, 2},
            {{upperConfiguration}, FirstArgumentUse::TextSource, 0},
            {{textIndex}, FirstArgumentUse::TextIndexFile, 0},
            {{fileIndex}, FirstArgumentUse::FileIndexFile, 0},
            {{folder_.filePath(QStringLiteral("fehlt.txt"))}, FirstArgumentUse::Nothing, 0},
        };
        for (const Case& c : cases) {
            std::vector<std::string> arguments;
            for (const QString& argument : c.arguments)
                arguments.push_back(argument.toStdString());
            const StartupPlan plan = PlanStartup(arguments);
            QCOMPARE(plan.firstUse, c.use);
            QCOMPARE(static_cast<int>(plan.configurations.size()), c.configurations);
            QCOMPARE(plan.loadStartConfiguration, c.configurations == 0);
        }

        window_->show();
        window_->StartUp({text.toStdString()});
        QCOMPARE(wizard()->source()->toPlainText(), QStringLiteral("Apfel\nBirne\n"));
        QCOMPARE(wizard()->currentPage(), TextIndexWizard::tt1);
        QCOMPARE(window_->visiblePanel(), QStringLiteral("pgtxt"));
        QCOMPARE(Find<QLineEdit>("edit_quelle")->text(), text);

        // A file index opens on the file index's result page, rebuilt from the file.
        window_->StartUp({fileIndex.toStdString()});
        QTRY_COMPARE_WITH_TIMEOUT(window_->fileIndex()->currentPage(), FileIndexWizard::td5, 20000);
        QCOMPARE(window_->visiblePanel(), QStringLiteral("pgdateien"));
        QVERIFY(context_->settings.IsOn("Tprog", "dkt_integrieren"));
        QCOMPARE(Find<QLabel>("dkt_index")->text(), fileIndex);
        QVERIFY2(window_->fileIndex()->output()->toPlainText().contains(QStringLiteral("Preise")),
                 qPrintable(window_->fileIndex()->output()->toPlainText()));
        QVERIFY(messages_.isEmpty());

        window_->StartUp({textIndex.toStdString()});
        QTRY_COMPARE_WITH_TIMEOUT(wizard()->currentPage(), TextIndexWizard::tt6, 20000);
        QVERIFY(context_->settings.IsOn("Tprog", "kt_integrieren"));
        QVERIFY2(wizard()->output()->toPlainText().contains(QStringLiteral("Apfel 3, 17")),
                 qPrintable(wizard()->output()->toPlainText()));
    }
};

LEXORIM_GUI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
