// The source list view and the source options window driven as a user would: rows added
// through the core, header clicks, renames, deleting, dropping files, editing a column through
// the memo, a long list and both interface languages.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

#include "app/app_context.h"
#include "app/common/qt_text.h"
#include "app/common/source_list_view.h"
#include "app/common/source_options_dialog.h"
#include "gui_test_support.h"
#include "indexing/source_list.h"
#include "settings/index_run_options.h"
#include "ui/control_ids.h"

using namespace lexorim;
using namespace lexorim::app;

namespace {

SourceRow Row(const char16_t* name, uint64_t bytes = 0, const char16_t* link = u"") {
    SourceRow row;
    row.name = name;
    row.link = link;
    row.format = u"TXT";
    row.encoding = u"UTF-8";
    row.sizeBytes = bytes;
    row.sizeText = FileSizeText(bytes, "de_DE");
    row.source = Text(u"/docs/") + name + u".txt";
    return row;
}

QStringList Names(const SourceList& list) {
    QStringList names;
    for (const SourceRow& row : list.rows())
        names << ToQString(row.name);
    return names;
}

QStringList Column(const SourceListModel& model, int column) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

QStringList Headers(const SourceListModel& model) {
    QStringList headers;
    for (int column = 0; column < model.columnCount(); ++column)
        headers << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    return headers;
}

using lexorim::app::testing::WriteFile;

using lexorim::app::testing::Drop;

}  // namespace

class SourceListViewTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<SourceList> list_;
    std::unique_ptr<SourceListView> view_;

    void Fill(std::initializer_list<SourceRow> rows) {
        for (const SourceRow& row : rows)
            list_->Insert(row);
        view_->Refresh();
    }
    void ClickHeader(int section) {
        QHeaderView* header = view_->header();
        const QPoint point(header->sectionViewportPosition(section) + 4, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, point);
    }
    QPoint CellCentre(int row, int column) const {
        return view_->visualRect(view_->sourceModel()->index(row, column)).center();
    }

  private slots:
    void init() {
        context_ = std::make_unique<AppContext>();
        list_ = std::make_unique<SourceList>("de_DE");
        view_ =
            std::make_unique<SourceListView>(*context_, *list_, QStringLiteral("qulist"), nullptr);
        view_->resize(900, 400);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }

    void cleanup() {
        view_.reset();
        list_.reset();
        context_.reset();
    }

    void showsRowsAddedThroughTheCoreWithAnIconPerFormat() {
        QTemporaryDir folder;
        const QString report = folder.filePath(QStringLiteral("zeitung bericht.txt"));
        const QString page = folder.filePath(QStringLiteral("anfang.html"));
        WriteFile(report, QByteArray(1536, 'x'));
        WriteFile(page, "<html><body>Hallo</body></html>");
        for (const QString& path : {report, page})
            QVERIFY(AddSourceFile(*list_, ToText(path), SourceOptions{}));
        view_->Refresh();

        const SourceListModel& model = *view_->sourceModel();
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(Column(model, 0), (QStringList{"Anfang", "Zeitung Bericht"}));
        QCOMPARE(Column(model, 2), (QStringList{"HTML", "TXT"}));
        QCOMPARE(model.index(1, 4).data().toString(), QStringLiteral("1,500 KB"));
        QCOMPARE(Column(model, 5), (QStringList{page, report}));
        for (int row = 0; row < 2; ++row)
            QVERIFY(!model.index(row, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(view_->objectName(), QStringLiteral("qulist"));
    }

    void headerClicksSortByTheColumnsOwnRules() {
        Fill({Row(u"birne", 999 * 1024, u"c.html"), Row(u"Apfel", 1000 * 1024, u"a.html"),
              Row(u"citrone", 2 * 1024, u"B.html")});
        struct Case {
            int section;
            QStringList names;
        };
        // The size column compares numbers, not the texts "1.000,000", "2,000" and "999,000".
        const Case cases[] = {
            {4, {"citrone", "birne", "Apfel"}},  // Größe ascending
            {4, {"Apfel", "birne", "citrone"}},  // the same header again: descending
            {1, {"Apfel", "citrone", "birne"}},  // Link ascending, case-insensitive
            {0, {"Apfel", "birne", "citrone"}},  // Bezeichnung ascending, case-insensitive
            {0, {"citrone", "birne", "Apfel"}},
        };
        for (const Case& c : cases) {
            ClickHeader(c.section);
            QCOMPARE(Column(*view_->sourceModel(), 0), c.names);
            QCOMPARE(Names(*list_), c.names);
            QCOMPARE(view_->header()->sortIndicatorSection(), c.section);
        }
        QCOMPARE(view_->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    void doubleClickRenamesTheRowAndMovesItToItsPlace() {
        Fill({Row(u"Alpha"), Row(u"Beta"), Row(u"Gamma")});
        QSignalSpy changed(view_.get(), &SourceListView::listChanged);
        // A double click on another column still edits the name.
        QTest::mouseDClick(view_->viewport(), Qt::LeftButton, {}, CellCentre(0, 3));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor != nullptr);
        QCOMPARE(editor->text(), QStringLiteral("Alpha"));
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Zeta"));
        QTest::keyClick(editor, Qt::Key_Return);

        // The delegate commits the edit through the event loop.
        QTRY_COMPARE(Names(*list_), (QStringList{"Beta", "Gamma", "Zeta"}));
        QCOMPARE(Column(*view_->sourceModel(), 0), (QStringList{"Beta", "Gamma", "Zeta"}));
        QCOMPARE(view_->currentIndex().row(), 2);  // the renamed row stays current
        QCOMPARE(list_->rows()[2].source, Text(u"/docs/Alpha.txt"));
        QCOMPARE(changed.count(), 1);
    }

    void deleteKeyRemovesTheSelectedRowsAndDeleteAllEmptiesTheList() {
        Fill({Row(u"a"), Row(u"b"), Row(u"c"), Row(u"d")});
        auto* model = view_->sourceModel();
        auto* selection = view_->selectionModel();
        for (int row : {1, 3})
            selection->select(model->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        view_->setFocus();
        QTest::keyClick(view_.get(), Qt::Key_Delete);
        QCOMPARE(Names(*list_), (QStringList{"a", "c"}));
        QCOMPARE(model->rowCount(), 2);

        QTest::keyClick(view_.get(), Qt::Key_Delete);  // nothing selected: nothing removed
        QCOMPARE(model->rowCount(), 2);

        view_->DeleteAllRows();
        QVERIFY(list_->empty());
        QCOMPARE(model->rowCount(), 0);
    }

    void dropHandsOverOnlyTheFilesInDropOrder() {
        QTemporaryDir folder;
        const QString later = folder.filePath(QStringLiteral("zweite.txt"));
        const QString first = folder.filePath(QStringLiteral("erste.txt"));
        WriteFile(later, "b");
        WriteFile(first, "a");
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("ordner")));
        QSignalSpy dropped(view_.get(), &SourceListView::filesDropped);

        const QList<QUrl> urls = {QUrl::fromLocalFile(later),
                                  QUrl::fromLocalFile(folder.filePath(QStringLiteral("ordner"))),
                                  QUrl::fromLocalFile(folder.filePath(QStringLiteral("fehlt.txt"))),
                                  QUrl(QStringLiteral("https://example.org/seite.html")),
                                  QUrl::fromLocalFile(first)};
        QVERIFY(Drop(view_->viewport(), urls));
        QCOMPARE(dropped.count(), 1);
        QCOMPARE(dropped.front().front().toStringList(), (QStringList{later, first}));

        QVERIFY(Drop(view_->viewport(),
                     {QUrl::fromLocalFile(folder.filePath(QStringLiteral("ordner")))}));
        QCOMPARE(dropped.count(), 1);  // a folder alone gives no batch
        QVERIFY(list_->empty());       // the caller decides what to add
    }

    void memoEditsOneColumnOfAllRows_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");  // the column in list order after OK
        QTest::addColumn<QStringList>("names");
        QTest::newRow("links") << "rb2" << 1 << "x.html\ny.html\nz.html"
                               << QStringList{"x.html", "y.html", "z.html"}
                               << QStringList{"Alpha", "Beta", "Gamma"};
        // Fewer lines than rows: the rows without a line keep their value.
        QTest::newRow("files") << "rb3" << 5 << "/neu/a.txt"
                               << QStringList{"/neu/a.txt", "/docs/Beta.txt", "/docs/Gamma.txt"}
                               << QStringList{"Alpha", "Beta", "Gamma"};
        // New names are sorted once all lines are in.
        QTest::newRow("names") << "rb1" << 0 << "Zeta\nEta\nDelta"
                               << QStringList{"Delta", "Eta", "Zeta"}
                               << QStringList{"Delta", "Eta", "Zeta"};
    }

    void memoEditsOneColumnOfAllRows() {
        QFETCH(QString, button);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, names);
        Fill(
            {Row(u"Alpha", 1, u"a.html"), Row(u"Beta", 2, u"b.html"), Row(u"Gamma", 3, u"c.html")});
        SourceOptionsDialog dialog(*context_, *list_, nullptr);
        dialog.show();
        QCOMPARE(dialog.memo()->toPlainText(), QStringLiteral("Alpha\nBeta\nGamma"));

        dialog.findChild<QRadioButton*>(button)->click();
        QCOMPARE(dialog.memo()->toPlainText(), Column(*view_->sourceModel(), column).join(u'\n'));
        dialog.memo()->selectAll();
        dialog.memo()->insertPlainText(typed);
        dialog.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        QVERIFY(!dialog.isVisible());

        view_->Refresh();
        QCOMPARE(Column(*view_->sourceModel(), column), expected);
        QCOMPARE(Names(*list_), names);
    }

    void memoRefusesAnExtraLine() {
        Fill({Row(u"Alpha", 1, u"a.html"), Row(u"Beta", 2, u"b.html")});
        SourceOptionsDialog dialog(*context_, *list_, nullptr);
        dialog.show();
        QPlainTextEdit* memo = dialog.memo();
        memo->moveCursor(QTextCursor::End);
        QTest::keyClick(memo, Qt::Key_Return);  // an empty last line is not yet a line
        QTest::keyClicks(memo, QStringLiteral("Neu"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("Alpha\nBeta\n"));
        QVERIFY(!memo->document()->isUndoAvailable());
        QVERIFY(!memo->document()->isRedoAvailable());

        // Changing and removing lines is allowed.
        memo->selectAll();
        QTest::keyClicks(memo, QStringLiteral("Eins"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("Eins"));
        dialog.accept();
        QCOMPARE(Names(*list_), (QStringList{"Beta", "Eins"}));
    }

    void optionsOpenWithTheStoredColumnAndSetTheSharedSettings() {
        Fill({Row(u"Alpha", 1, u"a.html")});
        context_->settings.Set(ui::tquhopt::rb2, u"1");
        SourceOptionsDialog dialog(*context_, *list_, nullptr);
        QVERIFY(dialog.findChild<QRadioButton*>(QStringLiteral("rb2"))->isChecked());
        QCOMPARE(dialog.memo()->toPlainText(), QStringLiteral("a.html"));
        dialog.memo()->setPlainText(QStringLiteral("b.html"));
        dialog.accept();
        QCOMPARE(list_->rows()[0].link, Text(u"b.html"));
        QCOMPARE(list_->rows()[0].name, Text(u"Alpha"));  // the lines go back where they came from

        SourceOptionsDialog again(*context_, *list_, nullptr);
        again.findChild<QCheckBox*>(QStringLiteral("doppelteweg"))->click();
        again.findChild<QCheckBox*>(QStringLiteral("endungenweg"))->click();
        const SourceOptions options = MakeSourceOptions(context_->settings);
        QVERIFY(!options.skipDuplicates);
        QVERIFY(options.linksWithoutExtension);
        QVERIFY(options.capitalizeNames);
        QVERIFY(!options.scanDroppedFiles);
    }

    void fiveThousandRowsFillSortAndScroll() {
        for (int i = 0; i < 5000; ++i) {
            const Text name = u"Dokument " + ToText(QString::number((i * 7919) % 5000));
            list_->Insert(Row(name.c_str(), static_cast<uint64_t>((i * 104729) % 100000)));
        }
        view_->Refresh();
        QCOMPARE(view_->sourceModel()->rowCount(), 5000);
        ClickHeader(4);
        for (size_t i = 1; i < list_->size(); ++i)
            QVERIFY(list_->rows()[i - 1].sizeBytes <= list_->rows()[i].sizeBytes);
        view_->scrollToBottom();
        QVERIFY(view_->indexAt(CellCentre(4999, 0)).isValid());
        QCOMPARE(view_->sourceModel()->index(4999, 4).data().toString(),
                 ToQString(list_->rows().back().sizeText));
    }

    void headersAndTitlesFollowTheInterfaceLanguage() {
        SourceList other("de_DE");
        SourceListView keywordList(*context_, other, QStringLiteral("squlist"), nullptr);
        SourceOptionsDialog dialog(*context_, *list_, nullptr);
        const QStringList german{"Bezeichnung", "Link", "Format", "Kodierung", "Größe", "Quelle"};
        QCOMPARE(Headers(*view_->sourceModel()), german);
        QCOMPARE(Headers(*keywordList.sourceModel()), german);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Erweiterte Einstellungen"));

        context_->language = Language::English;
        QEvent change(QEvent::LanguageChange);
        for (QWidget* widget :
             {static_cast<QWidget*>(view_.get()), static_cast<QWidget*>(&keywordList),
              static_cast<QWidget*>(&dialog)})
            QApplication::sendEvent(widget, &change);
        const QStringList english{"Name", "Link", "Type", "Coding", "Size", "Source"};
        QCOMPARE(Headers(*view_->sourceModel()), english);
        QCOMPARE(Headers(*keywordList.sourceModel()), english);
        QCOMPARE(view_->header()->model()->headerData(4, Qt::Horizontal).toString(),
                 QStringLiteral("Size"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Settings"));
        QCOMPARE(dialog.findChild<QRadioButton*>(QStringLiteral("rb1"))->text().remove(u'&'),
                 QStringLiteral("Synonym"));
    }
};

QTEST_MAIN(SourceListViewTest)
#include "source_list_view_test.moc"
