// The source page of the file and keyword index as a user drives it: a path typed and confirmed
// with Enter, the scan for linked pages switched by the page's check box, files and folders
// dropped in one batch with the drop option, and the delete buttons.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <memory>

#include "app/app_context.h"
#include "app/common/qt_text.h"
#include "app/common/settings_binding.h"
#include "app/common/source_page.h"
#include "app/common/widgets.h"
#include "gui_test_support.h"
#include "ui/control_ids.h"

using namespace lexorim;
using namespace lexorim::app;
using lexorim::app::testing::Drop;
using lexorim::app::testing::WriteFile;

namespace {

QStringList Sources(const SourceList& list) {
    QStringList sources;
    for (const SourceRow& row : list.rows())
        sources << QFileInfo(ToQString(row.source)).fileName();
    return sources;
}

}  // namespace

class SourcePageTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<SourcePage> page_;

    QString Path(const QString& name) const { return folder_->filePath(name); }
    void Build(const SourcePageNames& names, SourceList& list) {
        page_ = std::make_unique<SourcePage>(*context_, list, names);
        new SettingsBinding(context_->settings, "Tprog", page_.get());
        page_->resize(800, 500);
        page_->show();
        QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
    }
    void TypeAndConfirm(const QString& path) {
        QLineEdit* box = page_->pathBox();
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, path);
        QTest::keyClick(box, Qt::Key_Return);
    }

  private slots:
    void init() {
        context_ = std::make_unique<AppContext>();
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        QVERIFY(QDir(folder_->path()).mkdir(QStringLiteral("sub")));
        WriteFile(Path("index.html"),
                  "<html><body><a href=\"a.html\">Erste Seite</a> <a href=\"sub/b.html\">Zweite"
                  "</a> <a href=\"missing.html\">weg</a></body></html>");
        WriteFile(Path("a.html"), "<p>Alpha</p>");
        WriteFile(Path("sub/b.html"), "<p>Beta</p>");
        WriteFile(Path("notes.txt"), "Gamma");
    }

    void cleanup() {
        page_.reset();
        context_.reset();
        folder_.reset();
    }

    void enterAddsTheTypedFileAndScansItWhenTheBoxIsOn_data() {
        QTest::addColumn<bool>("scan");
        QTest::addColumn<QStringList>("sources");
        QTest::newRow("scan on") << true << QStringList{"a.html", "index.html", "b.html"};
        QTest::newRow("scan off") << false << QStringList{"index.html"};
    }
    void enterAddsTheTypedFileAndScansItWhenTheBoxIsOn() {
        QFETCH(bool, scan);
        QFETCH(QStringList, sources);
        Build(kFileIndexSourcePage, context_->fileIndex.sources());
        RequireChild<QCheckBox>(page_.get(), "la")->setChecked(scan);
        TypeAndConfirm(Path("index.html"));
        // Sorted by the name: "Erste Seite", "Index", "Zweite".
        QCOMPARE(Sources(context_->fileIndex.sources()), sources);
        QCOMPARE(page_->listView()->model()->rowCount(), sources.size());
    }

    void aPathThatNamesNoFileAddsNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("missing") << QStringLiteral("nothing.txt");
        QTest::newRow("folder") << QStringLiteral("sub");
        QTest::newRow("empty") << QString();
    }
    void aPathThatNamesNoFileAddsNothing() {
        QFETCH(QString, typed);
        Build(kKeywordIndexSourcePage, context_->keywordIndex.sources());
        TypeAndConfirm(typed.isEmpty() ? typed : Path(typed));
        QVERIFY(context_->keywordIndex.sources().empty());
    }

    void theKeywordPageScansWithItsOwnBox() {
        Build(kKeywordIndexSourcePage, context_->keywordIndex.sources());
        QVERIFY(RequireChild<QCheckBox>(page_.get(), "squdocsearch")->isChecked());
        TypeAndConfirm(Path("index.html"));
        QCOMPARE(context_->keywordIndex.sources().size(), size_t{3});
        QVERIFY(context_->fileIndex.sources().empty());
    }

    void droppedFilesAreOneBatchWithoutFoldersAndScannedOnlyByTheDropOption_data() {
        QTest::addColumn<bool>("scanDropped");
        QTest::addColumn<QStringList>("sources");
        QTest::newRow("drop option off") << false << QStringList{"index.html", "notes.txt"};
        QTest::newRow("drop option on")
            << true << QStringList{"a.html", "index.html", "notes.txt", "b.html"};
    }
    void droppedFilesAreOneBatchWithoutFoldersAndScannedOnlyByTheDropOption() {
        QFETCH(bool, scanDropped);
        QFETCH(QStringList, sources);
        context_->settings.Set(ui::tquhopt::dadweitere, scanDropped ? u"1" : u"0");
        Build(kFileIndexSourcePage, context_->fileIndex.sources());
        // The page's own scan box plays no part in drops.
        RequireChild<QCheckBox>(page_.get(), "la")->setChecked(!scanDropped);
        QSignalSpy changes(page_.get(), &SourcePage::listChanged);
        QVERIFY(Drop(page_->listView()->viewport(),
                     {QUrl::fromLocalFile(Path("index.html")), QUrl::fromLocalFile(Path("sub")),
                      QUrl::fromLocalFile(Path("notes.txt"))}));
        QCOMPARE(Sources(context_->fileIndex.sources()), sources);
        QCOMPARE(changes.count(), 1);
    }

    void aFolderAloneAddsNothing() {
        Build(kFileIndexSourcePage, context_->fileIndex.sources());
        Drop(page_->listView()->viewport(), {QUrl::fromLocalFile(Path("sub"))});
        QVERIFY(context_->fileIndex.sources().empty());
    }

    void deleteButtonsRemoveTheSelectedRowsOrAll() {
        Build(kKeywordIndexSourcePage, context_->keywordIndex.sources());
        TypeAndConfirm(Path("index.html"));
        QCOMPARE(context_->keywordIndex.sources().size(), size_t{3});
        SourceListView* view = page_->listView();
        view->selectionModel()->select(view->model()->index(0, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::mouseClick(RequireChild<QPushButton>(page_.get(), "squdeleteraw"), Qt::LeftButton);
        QCOMPARE(Sources(context_->keywordIndex.sources()), (QStringList{"index.html", "b.html"}));
        QTest::mouseClick(RequireChild<QPushButton>(page_.get(), "sqdeleteall"), Qt::LeftButton);
        QVERIFY(context_->keywordIndex.sources().empty());
        QCOMPARE(view->model()->rowCount(), 0);
    }

    void clearEmptiesThePathBox() {
        Build(kFileIndexSourcePage, context_->fileIndex.sources());
        TypeAndConfirm(Path("notes.txt"));
        context_->fileIndex.Clear();
        page_->Clear();
        QVERIFY(page_->pathBox()->text().isEmpty());
        QCOMPARE(page_->listView()->model()->rowCount(), 0);
    }
};

QTEST_MAIN(SourcePageTest)
#include "source_page_test.moc"
