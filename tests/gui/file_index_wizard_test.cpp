// The file index wizard driven as a user would: its navigation, runs in both output kinds
// against the core's own run, cancelling, the code and its preview, the design dialogs and
// "Neu".

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <memory>

#include "app/app_context.h"
#include "app/common/error_display.h"
#include "app/common/qt_text.h"
#include "app/common/source_page.h"
#include "app/fileindex/file_index_design_dialogs.h"
#include "app/fileindex/file_index_wizard.h"
#include "app/fileindex/html_preview_view.h"
#include "engine/collation.h"
#include "fileindex/file_index_session.h"
#include "fileindex/file_index_summary.h"
#include "fileindex/html_preview.h"
#include "gui_test_support.h"
#include "settings/index_run_options.h"
#include "settings/languages.h"
#include "settings/run_options.h"
#include "textfiles/text_writer.h"

using namespace lexorim;
using namespace lexorim::app;

namespace {

using lexorim::app::testing::WriteFile;

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable " + path.toUtf8() + ">";
    return file.readAll();
}

// What a page function left the three buttons as.
struct Buttons {
    bool backVisible;
    bool backEnabled;
    bool nextEnabled;
    bool createEnabled;
    bool operator==(const Buttons&) const = default;
};

}  // namespace

class FileIndexWizardTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<FileIndexWizard> wizard_;
    QStringList messages_;
    QTemporaryDir folder_;

    Buttons ButtonStates() const {
        return {!wizard_->backButton()->isHidden(), wizard_->backButton()->isEnabled(),
                wizard_->nextButton()->isEnabled(), wizard_->createButton()->isEnabled()};
    }
    QString Fixture(const QString& name, const QByteArray& bytes) const {
        const QString path = folder_.filePath(name);
        WriteFile(path, bytes);
        return path;
    }
    // Three small documents, one of them without tags, added as a user adds them.
    void AddFixtureDocuments() {
        wizard_->sourcePage()->AddChosenFile(
            Fixture(QStringLiteral("angebot.html"),
                    "<html><body><h1>Haus Angebot</h1><p>Das Haus am See, Gr\xc3\xb6\xc3\x9f"
                    "e 120</p></body></html>"));
        wizard_->sourcePage()->AddChosenFile(
            Fixture(QStringLiteral("preise.html"),
                    "<html><body><p>Preise f\xc3\xbcr Haus und Garten. Jonas Weller</p>"
                    "</body></html>"));
        wizard_->sourcePage()->AddChosenFile(
            Fixture(QStringLiteral("notiz.txt"), "Eine Notiz zum Garten und zum Zaun.\r\n"));
        QCOMPARE(context_->fileIndex.sources().size(), size_t{3});
    }
    void ChooseOutput(bool html) {
        context_->settings.Set(ui::tprog::htmlindex, html ? u"1" : u"0");
        context_->settings.Set(ui::ControlId{ui::tprog::kWindow, "textindex"}, html ? u"0" : u"1");
    }
    // The same run made by the core over an equal list, as the command line makes it.
    FileIndexSession CoreRun() const {
        FileIndexSession session(context_->fileIndex.sources());
        const LocaleCollator collator;
        session.Run(
            MakeFileIndexOptions(context_->settings),
            {.lists = context_->lists, .collator = collator, .language = context_->language});
        return session;
    }
    bool RunAndWait() {
        const QSignalSpy finished(wizard_.get(), &WizardBase::runFinished);
        wizard_->createButton()->click();
        if (!QTest::qWaitFor([&] { return !finished.isEmpty(); }, 30000))
            return false;
        return finished.front().front().toBool();
    }
    OutputSettings Output() const { return MakeOutputSettings(context_->settings); }

  private slots:
    void init() {
        messages_.clear();
        SetMessageSink([this](MessageKind, const QString& text) { messages_ << text; });
        context_ = std::make_unique<AppContext>();
        wizard_ = std::make_unique<FileIndexWizard>(*context_, nullptr);
        wizard_->resize(800, 600);
        wizard_->show();
    }

    void cleanup() {
        wizard_.reset();
        context_.reset();
        SetMessageSink({});
    }

    void thePageFunctionSetsTheButtonsByTheTable() {
        using W = FileIndexWizard;
        // Each row starts from the states the previous one left: the table only sets what it
        // names, so a back button disabled on the progress page stays disabled on td2.
        const struct {
            W::Page page;
            Buttons expected;
        } steps[] = {
            {W::td4, {true, false, false, false}}, {W::td2, {true, false, true, true}},
            {W::td5, {true, true, false, true}},   {W::td1, {false, true, true, true}},
            {W::td3, {true, true, false, true}},   {W::td2, {true, true, true, true}},
        };
        for (const auto& step : steps) {
            wizard_->ShowFilePage(step.page);
            QCOMPARE(wizard_->currentPage(), step.page);
            QVERIFY2(ButtonStates() == step.expected, qPrintable(QString::number(step.page)));
        }
        QCOMPARE(context_->settings.IsOn(ui::ControlId{ui::tprog::kWindow, "pgdateien"}), true);
    }

    void nextAndBackMoveByTheTable() {
        using W = FileIndexWizard;
        const struct {
            W::Page from;
            bool next;
            W::Page to;
        } moves[] = {
            {W::td1, true, W::td2},  {W::td2, true, W::td3},  {W::td3, true, W::td3},
            {W::td2, false, W::td1}, {W::td3, false, W::td2}, {W::td4, false, W::td3},
            {W::td5, false, W::td3}, {W::td1, false, W::td1}, {W::td5, true, W::td5},
        };
        for (const auto& move : moves) {
            wizard_->ShowFilePage(move.from);
            if (move.next)
                wizard_->NextClicked();
            else
                wizard_->BackClicked();
            QCOMPARE(wizard_->currentPage(), move.to);
        }
    }

    // A tab click shows and enables back and next first; the progress page is only selected,
    // with next disabled and the create button as it was.
    void aTabClickFollowsItsOwnRule() {
        using W = FileIndexWizard;
        QTabBar* tabs = wizard_->pages()->tabBar();
        const auto click = [&](int page) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
            QCOMPARE(wizard_->currentPage(), page);
        };
        const struct {
            W::Page before;
            W::Page clicked;
            Buttons expected;
        } clicks[] = {
            {W::td1, W::td2, {true, true, true, true}},
            {W::td1, W::td3, {true, true, false, true}},
            {W::td2, W::td1, {false, true, true, true}},
            {W::td2, W::td4, {true, true, false, true}},
            {W::td4, W::td4, {true, true, false, false}},
            {W::td4, W::td5, {true, true, false, true}},
        };
        for (const auto& step : clicks) {
            wizard_->ShowFilePage(step.before);
            click(step.clicked);
            QVERIFY2(ButtonStates() == step.expected,
                     qPrintable(QStringLiteral("%1 to %2").arg(step.before).arg(step.clicked)));
        }
    }

    void theSummaryIsBuiltOnItsPageInTheInterfaceLanguage() {
        auto* summary = wizard_->findChild<QPlainTextEdit*>(QStringLiteral("dzusammenfassung"));
        QVERIFY(summary != nullptr);
        wizard_->ShowFilePage(FileIndexWizard::td3);
        const auto expected = [&] {
            return ToQString(
                FileIndexSummary(MakeFileIndexSummaryInput(context_->settings, context_->language),
                                 context_->language));
        };
        QCOMPARE(summary->toPlainText(), QString(expected()).replace(QStringLiteral("\r\n"), "\n"));
        QVERIFY(summary->toPlainText().startsWith(QStringLiteral("Suchkriterien")));
        context_->language = Language::English;
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(wizard_.get(), &change);
        QVERIFY(summary->toPlainText().startsWith(QStringLiteral("Criteria")));
        QCOMPARE(summary->toPlainText(), QString(expected()).replace(QStringLiteral("\r\n"), "\n"));
    }

    // Both output kinds give what the core gives for the same list and settings, on screen,
    // in the saved files and on the clipboard.
    void aRunGivesTheCoresOutput_data() {
        QTest::addColumn<bool>("html");
        QTest::addColumn<Language>("language");
        QTest::newRow("text") << false << Language::German;
        QTest::newRow("html") << true << Language::German;
        QTest::newRow("html english") << true << Language::English;
    }
    void aRunGivesTheCoresOutput() {
        QFETCH(bool, html);
        QFETCH(Language, language);
        context_->language = language;
        ChooseOutput(html);
        AddFixtureDocuments();
        QVERIFY(RunAndWait());
        QCOMPARE(wizard_->currentPage(), FileIndexWizard::td5);
        QVERIFY(messages_.isEmpty());
        const FileIndexSession core = CoreRun();
        QVERIFY(core.output().find(u"Haus") != Text::npos);
        QCOMPARE(ToQString(context_->fileIndex.output()), ToQString(core.output()));
        QCOMPARE(wizard_->output()->toPlainText(),
                 ToQString(core.output()).replace(QStringLiteral("\r\n"), "\n"));

        // The code and its preview, or the text alone.
        QCOMPARE(wizard_->preview()->isHidden(), !html);
        QCOMPARE(wizard_->output()->isHidden(), html);
        QCOMPARE(wizard_->showDesignButton()->isHidden(), !html);
        QCOMPARE(wizard_->showCodeButton()->isHidden(), !html);

        const QString saved = folder_.filePath(QStringLiteral("saved.txt"));
        const QString coreSaved = folder_.filePath(QStringLiteral("core.txt"));
        QVERIFY(wizard_->SaveOutputTextTo(saved));
        WriteTextFile(core.output(), ToPath(coreSaved), Output());
        QCOMPARE(ReadBytes(saved), ReadBytes(coreSaved));

        QVERIFY(wizard_->SaveIndexFileTo(folder_.filePath(QStringLiteral("saved"))));
        SaveFileIndex(core.store(), ToPath(folder_.filePath(QStringLiteral("core"))), Output());
        QCOMPARE(ReadBytes(folder_.filePath(QStringLiteral("saved.idx"))),
                 ReadBytes(folder_.filePath(QStringLiteral("core.idx"))));

        wizard_->CopyOutputToClipboard();
        QCOMPARE(QApplication::clipboard()->text(), ToQString(core.output()));
    }

    // "Zwischenspeichern" on: the page goes through its preview file, written as the core's
    // output with a byte-order mark; off: nothing is written and the page comes from memory.
    void thePreviewFollowsTheCachingOption_data() {
        QTest::addColumn<bool>("caching");
        QTest::newRow("on") << true;
        QTest::newRow("off") << false;
    }
    void thePreviewFollowsTheCachingOption() {
        QFETCH(bool, caching);
        context_->previewCaching = caching;
        const QString previewFile =
            QString::fromStdString(PreviewFileFor(PreviewOrigin::AfterRun).path.string());
        QFile::remove(previewFile);
        ChooseOutput(true);
        AddFixtureDocuments();
        QVERIFY(RunAndWait());
        const QByteArray page = ToQString(context_->fileIndex.output()).toUtf8();
        const QUrl shown = wizard_->preview()->requestedUrl();
        if (caching) {
            QCOMPARE(shown, QUrl::fromLocalFile(previewFile));
            QCOMPARE(ReadBytes(previewFile), QByteArray("\xEF\xBB\xBF") + page);
            QVERIFY(wizard_->preview()->content().isEmpty());
        } else {
            QVERIFY(!QFile::exists(previewFile));
            QCOMPARE(shown.scheme(), QString::fromLatin1(kPreviewScheme));
            QCOMPARE(wizard_->preview()->content(), page);
        }
    }

    // "Code" shows the memo, "Design" the preview of the memo's code as it is now, edits
    // included; the saved text and the clipboard take the edited code too.
    void codeAndDesignSwitchAndTheEditedCodeIsPreviewed_data() {
        QTest::addColumn<bool>("caching");
        QTest::newRow("caching") << true;
        QTest::newRow("from memory") << false;
    }
    void codeAndDesignSwitchAndTheEditedCodeIsPreviewed() {
        QFETCH(bool, caching);
        context_->previewCaching = caching;
        ChooseOutput(true);
        AddFixtureDocuments();
        QVERIFY(RunAndWait());
        wizard_->showCodeButton()->click();
        QVERIFY(!wizard_->output()->isHidden());
        QVERIFY(wizard_->preview()->isHidden());
        const QString edited =
            QStringLiteral("<html><body>Gr\u00f6\u00dfe ge\u00e4ndert</body>\n</html>");
        wizard_->output()->setPlainText(edited);
        wizard_->showDesignButton()->click();
        QVERIFY(wizard_->output()->isHidden());
        QVERIFY(!wizard_->preview()->isHidden());
        const QByteArray code = QString(edited).replace(u'\n', QStringLiteral("\r\n")).toUtf8();
        if (caching) {
            const QString designFile =
                QString::fromStdString(PreviewFileFor(PreviewOrigin::DesignButton).path.string());
            QCOMPARE(wizard_->preview()->requestedUrl(), QUrl::fromLocalFile(designFile));
            QCOMPARE(ReadBytes(designFile), code);
        } else {
            QCOMPARE(wizard_->preview()->content(), code);
        }
        const QString saved = folder_.filePath(QStringLiteral("edited.html"));
        QVERIFY(wizard_->SaveOutputTextTo(saved));
        const QString expected = folder_.filePath(QStringLiteral("expected.html"));
        WriteTextFile(ToText(QString::fromUtf8(code)), ToPath(expected), Output());
        QCOMPARE(ReadBytes(saved), ReadBytes(expected));
        wizard_->CopyOutputToClipboard();
        QCOMPARE(QApplication::clipboard()->text(), QString::fromUtf8(code));
    }

    // The cancel stops the run between documents; the previous result, output and preview
    // stand, and the wizard is back on the summary.
    void aCancelledRunKeepsThePreviousResult() {
        ChooseOutput(false);
        AddFixtureDocuments();
        QVERIFY(RunAndWait());
        const Text before = context_->fileIndex.output();
        const QString shownBefore = wizard_->output()->toPlainText();
        for (int document = 0; document < 300; ++document)
            AddDocumentQuietly(QStringLiteral("viel%1.txt").arg(document));
        ChooseOutput(true);
        const QSignalSpy finished(wizard_.get(), &WizardBase::runFinished);
        wizard_->createButton()->click();
        QVERIFY(wizard_->isRunning());
        QCOMPARE(wizard_->currentPage(), FileIndexWizard::td4);
        auto* cancel = wizard_->findChild<QPushButton*>(QStringLiteral("dlauf_abbrechen"));
        QVERIFY(cancel != nullptr);
        cancel->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
        QCOMPARE(finished.front().front().toBool(), false);
        QCOMPARE(wizard_->currentPage(), FileIndexWizard::td3);
        QVERIFY(messages_.isEmpty());
        QCOMPARE(ToQString(context_->fileIndex.output()), ToQString(before));
        QCOMPARE(wizard_->output()->toPlainText(), shownBefore);
        QVERIFY(wizard_->preview()->isHidden());
        QVERIFY(wizard_->showDesignButton()->isHidden());
    }

    // A damaged document in the list ends the run with its error, naming it; the last result
    // stays as it was.
    void aDamagedDocumentIsAMessageAndKeepsThePreviousResult() {
        ChooseOutput(false);
        AddFixtureDocuments();
        QVERIFY(RunAndWait());
        const Text before = context_->fileIndex.output();
        const QString shownBefore = wizard_->output()->toPlainText();
        AddDocumentQuietly(QStringLiteral("kaputt.docx"));
        Fixture(QStringLiteral("kaputt.docx"), "PK\x03\x04 only the start of an archive");
        QVERIFY(!RunAndWait());
        QCOMPARE(wizard_->currentPage(), FileIndexWizard::td3);
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_.front().contains(u"kaputt.docx"), qPrintable(messages_.front()));
        QCOMPARE(ToQString(context_->fileIndex.output()), ToQString(before));
        QCOMPARE(wizard_->output()->toPlainText(), shownBefore);
    }

    void theDesignButtonOpensTheDialogOfTheOutputKind() {
        FileTextDesignDialog textDesign(*context_, wizard_.get());
        HtmlDesignDialog htmlDesign(*context_, wizard_.get());
        wizard_->SetDialogs({.textDesign = &textDesign, .htmlDesign = &htmlDesign});
        wizard_->ShowFilePage(FileIndexWizard::td2);
        auto* button = wizard_->findChild<QPushButton*>(QStringLiteral("d_design"));
        QVERIFY(button != nullptr);
        for (const bool html : {true, false}) {
            ChooseOutput(html);
            QWidget* opened = nullptr;
            QTimer::singleShot(0, this, [&] {
                opened = QApplication::activeModalWidget();
                if (auto* dialog = qobject_cast<QDialog*>(opened))
                    dialog->reject();
            });
            button->click();
            QCOMPARE(opened, html ? static_cast<QWidget*>(&htmlDesign)
                                  : static_cast<QWidget*>(&textDesign));
        }
    }

    // A value typed into the design dialog of the output kind reaches the output of the next
    // run once "Angepasstes Design" is on, and only then.
    void theDesignDialogsFeedTheOutput_data() {
        QTest::addColumn<bool>("html");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::newRow("html title")
            << true << QStringLiteral("htmltitel") << QStringLiteral("Unser Verzeichnis");
        QTest::newRow("html text colour")
            << true << QStringLiteral("farbe_text") << QStringLiteral("#123456");
        QTest::newRow("text title")
            << false << QStringLiteral("titel") << QStringLiteral("Unser Verzeichnis");
    }
    void theDesignDialogsFeedTheOutput() {
        QFETCH(bool, html);
        QFETCH(QString, field);
        QFETCH(QString, value);
        FileTextDesignDialog textDesign(*context_, wizard_.get());
        HtmlDesignDialog htmlDesign(*context_, wizard_.get());
        wizard_->SetDialogs({.textDesign = &textDesign, .htmlDesign = &htmlDesign});
        ChooseOutput(html);
        AddFixtureDocuments();
        QDialog& dialog = html ? static_cast<QDialog&>(htmlDesign) : textDesign;
        auto* box = dialog.findChild<QLineEdit*>(field);
        QVERIFY2(box != nullptr, qPrintable(field));
        box->clear();
        QTest::keyClicks(box, value);
        QVERIFY(RunAndWait());
        QVERIFY(!wizard_->output()->toPlainText().contains(value));
        context_->settings.Set(ui::tprog::dkt_design, u"1");
        QVERIFY(RunAndWait());
        QVERIFY2(wizard_->output()->toPlainText().contains(value),
                 qPrintable(wizard_->output()->toPlainText().left(2000)));
        QCOMPARE(ToQString(context_->fileIndex.output()), ToQString(CoreRun().output()));
    }

    void newEmptiesTheSessionTheListAndTheOutput() {
        ChooseOutput(true);
        AddFixtureDocuments();
        wizard_->sourcePage()->pathBox()->setText(QStringLiteral("halb getippt"));
        QVERIFY(RunAndWait());
        QVERIFY(!wizard_->output()->toPlainText().isEmpty());
        wizard_->Clear();
        QCOMPARE(wizard_->currentPage(), FileIndexWizard::td1);
        QCOMPARE(context_->fileIndex.sources().size(), size_t{0});
        QVERIFY(context_->fileIndex.output().empty());
        QVERIFY(context_->fileIndex.store().Empty());
        QVERIFY(wizard_->output()->toPlainText().isEmpty());
        QVERIFY(wizard_->sourcePage()->pathBox()->text().isEmpty());
        QCOMPARE(wizard_->sourcePage()->listView()->model()->rowCount(), 0);
        wizard_->CopyOutputToClipboard();
        QVERIFY(QApplication::clipboard()->text().isEmpty());
    }

    // A failed save names the file and leaves what was there.
    void aFailedSaveIsAMessageNamingTheFile() {
        ChooseOutput(false);
        AddFixtureDocuments();
        QVERIFY(RunAndWait());
        const QString missingFolder = folder_.filePath(QStringLiteral("fehlt/index.txt"));
        QVERIFY(!wizard_->SaveOutputTextTo(missingFolder));
        QCOMPARE(messages_.size(), 1);
        QVERIFY2(messages_.front().contains(missingFolder), qPrintable(messages_.front()));
        QVERIFY(!wizard_->SaveIndexFileTo(folder_.filePath(QStringLiteral("fehlt/index"))));
        QCOMPARE(messages_.size(), 2);
        QVERIFY2(messages_.back().contains(QStringLiteral("fehlt/index.idx")),
                 qPrintable(messages_.back()));
    }

    // A page far above the 2 MB that the browser takes through setHtml shows whole.
    void aLargePageFromMemoryShowsWhole() {
        HtmlPreviewView view;
        view.resize(600, 400);
        view.show();
        constexpr int kEntries = 13000;
        QString page = QStringLiteral("<html><head><meta charset=\"iso-8859-1\"></head><body>\n");
        for (int entry = 0; entry < kEntries; ++entry) {
            page += QStringLiteral(
                        "<div id=\"box\"><div id=\"l\">Eintrag%1 Gr\u00f6\u00dfe</div><div "
                        "id=\"r\"><a href=\"seite%1.html\">Seite Nummer %1 mit etwas Text "
                        "dazu, damit die Seite gro\u00df wird</a> | <a href=\"b.html\">B</a>"
                        " | <a href=\"c.html\">Noch ein Verweis auf eine weitere "
                        "Seite</a></div></div>\r\n")
                        .arg(entry);
        }
        page += QStringLiteral("</body></html>");
        QVERIFY(page.toUtf8().size() > 3 * 1000 * 1000);
        const QSignalSpy loaded(&view, &HtmlPreviewView::loadFinished);
        view.ShowContent(page);
        QVERIFY(QTest::qWaitFor([&] { return !loaded.isEmpty(); }, 60000));
        QCOMPARE(loaded.front().front().toBool(), true);
        QVariant counted;
        view.browser()->page()->runJavaScript(
            QStringLiteral("[document.querySelectorAll('div#box').length,"
                           " document.body.innerText.indexOf('Gr\u00f6\u00dfe') > 0].join()"),
            [&](const QVariant& result) { counted = result; });
        QVERIFY(QTest::qWaitFor([&] { return counted.isValid(); }, 30000));
        QCOMPARE(counted.toString(), QStringLiteral("%1,true").arg(kEntries));
    }

  private:
    void AddDocumentQuietly(const QString& name) {
        AddSourceFile(context_->fileIndex.sources(),
                      ToText(Fixture(name, "Apfel Birne Kirsche Pflaume\r\n")),
                      MakeSourceOptions(context_->settings));
    }
};

LEXORIM_GUI_TEST_MAIN(FileIndexWizardTest)

#include "file_index_wizard_test.moc"
