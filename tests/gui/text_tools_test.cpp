// The two text tools driven as a user would: the editor that turns an index written as text into
// an index file (its lists, buttons, keys, sorting, editing in place, options and hand-over) and
// the editor that writes page numbers into a text (its three numberings, both undos, loading and
// the hand-over of its text).

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <memory>

#include "app/app_context.h"
#include "app/common/error_display.h"
#include "app/common/mnemonics.h"
#include "app/common/qt_text.h"
#include "app/tools/page_writing_window.h"
#include "app/tools/text_to_index_window.h"
#include "gui/gui_test_support.h"
#include "settings/run_options.h"

using namespace lexorim;
using namespace lexorim::app;
// The window, not the core's model of the same name.
using PageEditorWindow = PageWritingWindow;

namespace {

QStringList Column(const QTreeWidget* list, int column) {
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(column);
    return texts;
}

void SelectRows(QTreeWidget* list, const std::vector<int>& rows) {
    list->clearSelection();
    for (const int row : rows)
        list->topLevelItem(row)->setSelected(true);
}

void ClickHeader(QTreeWidget* list, int section) {
    QHeaderView* header = list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
}

// A double click as the desktop delivers it: a press, a release, then the double click.
void DoubleClick(QWidget* target, const QPoint& at) {
    const QPointF global(target->mapToGlobal(at));
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, QPointF(at), global, Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
}

// Answers the next file dialog with `path`, as the user would pick it.
void PickInNextFileDialog(const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // accept is not public in QFileDialog
    });
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString Lines(const QStringList& lines) {
    return lines.join(u'\n');
}

}  // namespace

class TextToolsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<AppContext> context_;
    std::unique_ptr<QTemporaryDir> folder_;
    QStringList messages_;

    QString Fixture(const char* name, const QByteArray& bytes) const {
        const QString path = folder_->filePath(QString::fromLatin1(name));
        testing::WriteFile(path, bytes);
        return path;
    }

    template <typename T>
    static T* Find(QWidget& window, const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no %s", name);
        return found;
    }

    static void Click(QWidget& window, const char* button) {
        Find<QPushButton>(window, button)->click();
    }

    static void Type(QWidget& window, const char* edit, const QString& text) {
        auto* box = Find<QLineEdit>(window, edit);
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
    }

    // A text editor with `lines` in its text list.
    std::unique_ptr<TextToIndexWindow> TextEditorWith(const QByteArray& lines) {
        auto editor = std::make_unique<TextToIndexWindow>(*context_, nullptr);
        editor->Open();
        if (!editor->LoadTextFile(Fixture("lines.txt", lines)))
            qFatal("fixture not loaded");
        return editor;
    }

    // Clicks a point of the page editor's text, as a user places the caret.
    static void ClickAtPosition(PageEditorWindow& editor, int position) {
        QTextCursor cursor(editor.editor()->document());
        cursor.setPosition(position);
        const QRect at = editor.editor()->cursorRect(cursor);
        QTest::mouseClick(editor.editor()->viewport(), Qt::LeftButton, {},
                          QPoint(at.left() + 1, at.center().y()));
    }

  private slots:
    void init() {
        messages_.clear();
        SetMessageSink([this](MessageKind, const QString& text) { messages_ << text; });
        context_ = std::make_unique<AppContext>();
        folder_ = std::make_unique<QTemporaryDir>();
    }

    void cleanup() {
        context_.reset();
        folder_.reset();
        SetMessageSink({});
        QVERIFY2(messages_.isEmpty(), qPrintable(messages_.join(u'\n')));
    }

    // ------------------------------------------------------------------------------------------
    // Text > index file.

    void textEditorIsAWindowOfItsOwn() {
        TextToIndexWindow editor(*context_, nullptr);
        editor.Open();
        QCOMPARE(editor.objectName(), QStringLiteral("Tedittxt2idx"));
        QVERIFY(editor.isVisible());
        QVERIFY(!editor.isModal());
        QCOMPARE(Column(editor.textList(), 0), QStringList());
        QCOMPARE(editor.indexList()->headerItem()->text(1), QStringLiteral("Seite(Link)"));
        QCOMPARE(editor.textList()->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(editor.indexList()->selectionMode(), QAbstractItemView::ExtendedSelection);
    }

    // "Text Laden" through its file dialog adds the lines, or replaces them when the old text is
    // to be deleted first.
    void textLoadsThroughItsDialogAndReplacesOnRequest() {
        TextToIndexWindow editor(*context_, nullptr);
        editor.Open();
        const QString first = Fixture("a.txt", "Apfel 12\r\nBirne 3\r\n");
        const QString second = Fixture("b.txt", "Kiwi 7\n");
        PickInNextFileDialog(first);
        Click(editor, "TextOffnen");
        QCOMPARE(Column(editor.textList(), 0), QStringList({"Apfel 12", "Birne 3"}));
        PickInNextFileDialog(second);
        Click(editor, "TextOffnen");
        QCOMPARE(Column(editor.textList(), 0), QStringList({"Apfel 12", "Birne 3", "Kiwi 7"}));
        Find<QCheckBox>(editor, "cb_deletetxt")->click();
        QVERIFY(context_->settings.IsOn("Tedittxt2idx", "cb_deletetxt"));
        PickInNextFileDialog(second);
        Click(editor, "TextOffnen");
        QCOMPARE(Column(editor.textList(), 0), QStringList({"Kiwi 7"}));
        // A file that cannot be read is a message, and the list stays.
        QVERIFY(!editor.LoadTextFile(folder_->filePath(QStringLiteral("missing.txt"))));
        QCOMPARE(messages_.size(), 1);
        messages_.clear();
        QCOMPARE(Column(editor.textList(), 0), QStringList({"Kiwi 7"}));
    }

    // ">" converts the selected rows, or all rows when none is selected; rows that do not
    // convert stay in the text list.
    void convertsSelectedOrAllRows() {
        auto editor = TextEditorWith("Apfel 12, 15, 17\r\nnoentry\r\nBirne 3\r\nKiwi 9\r\n");
        SelectRows(editor->textList(), {2});
        Click(*editor, "bt_t2i");
        QCOMPARE(Column(editor->textList(), 0),
                 QStringList({"Apfel 12, 15, 17", "noentry", "Kiwi 9"}));
        QCOMPARE(Column(editor->indexList(), 0), QStringList({"Birne"}));
        editor->textList()->clearSelection();
        Click(*editor, "bt_t2i");
        QCOMPARE(Column(editor->textList(), 0), QStringList({"noentry"}));
        QCOMPARE(Column(editor->indexList(), 0), QStringList({"Apfel", "Birne", "Kiwi"}));
        QCOMPARE(Column(editor->indexList(), 1),
                 QStringList({"12(-), 15(-), 17(-)", "3(-)", "9(-)"}));
        QCOMPARE(Column(editor->indexList(), 2),
                 QStringList({"Apfel 12, 15, 17", "Birne 3", "Kiwi 9"}));
    }

    // The options of the window change what a line becomes.
    void optionsChangeTheConversion() {
        struct Case {
            const char* line;
            std::vector<const char*> clicks;                     // radio buttons and check boxes
            std::vector<std::pair<const char*, QString>> typed;  // edit boxes
            QString entry;  // empty: the line stays in the text list
            QString pages;
        };
        const std::vector<Case> cases = {
            {"Jonas Weller 12, 15", {"zus_eintrag"}, {}, "Jonas Weller", "12(-), 15(-)"},
            {"Jonas Weller 12, 15", {"zus_seite"}, {}, "Jonas", "Weller(-), 12(-), 15(-)"},
            {"Jonas Weller 12, 15", {"zus_auslassen"}, {}, "", ""},
            {"Jonas Weller 12", {"zus_seite"}, {}, "Jonas", "Weller 12(-)"},
            {"Apfel 12>kapitel2.html", {"cb_linksvorhanden"}, {}, "Apfel", "12(kapitel2.html)"},
            {"Apfel kap.html>12", {"cb_linksvorhanden", "ls"}, {}, "Apfel", "12(kap.html)"},
            {"Apfel 12#k.html", {"cb_linksvorhanden"}, {{"zwsl", "#"}}, "Apfel", "12(k.html)"},
            {"Apfel 12>k.html", {}, {}, "Apfel", "12>k.html(-)"},
            {"Apfel: 1; 2", {}, {{"zwes", ": "}, {"zws", "; "}}, "Apfel", "1(-), 2(-)"},
            {" Apfel 12", {}, {}, "", ""},
        };
        for (const Case& c : cases) {
            context_ = std::make_unique<AppContext>();
            auto editor = TextEditorWith(QByteArray(c.line));
            for (const char* name : c.clicks) {
                if (auto* radio = editor->findChild<QRadioButton*>(QString::fromLatin1(name)))
                    radio->click();
                else
                    Find<QCheckBox>(*editor, name)->click();
            }
            for (const auto& [name, text] : c.typed)
                Type(*editor, name, text);
            Click(*editor, "bt_t2i");
            if (c.entry.isEmpty()) {
                QCOMPARE(Column(editor->textList(), 0), QStringList({QString::fromUtf8(c.line)}));
                QCOMPARE(editor->indexList()->topLevelItemCount(), 0);
            } else {
                QCOMPARE(Column(editor->indexList(), 0), QStringList({c.entry}));
                QCOMPARE(Column(editor->indexList(), 1), QStringList({c.pages}));
            }
        }
    }

    // "<" gives the selected index rows back: their source line, or entry and pages for rows
    // read from an index file.
    void movesIndexRowsBackToTheText() {
        auto editor = TextEditorWith("Apfel 12, 15\r\n");
        Click(*editor, "bt_t2i");
        QVERIFY(editor->LoadIndexFile(Fixture("i.idx", "Birne:3>k.html|4>-\r\n")));
        QCOMPARE(Column(editor->indexList(), 0), QStringList({"Apfel", "Birne"}));
        SelectRows(editor->indexList(), {0, 1});
        Click(*editor, "i2t");
        QCOMPARE(Column(editor->textList(), 0),
                 QStringList({"Birne 3(k.html), 4(-)", "Apfel 12, 15"}));
        QCOMPARE(editor->indexList()->topLevelItemCount(), 0);
    }

    // Short lines and lines with a given text go; an empty text removes nothing.
    void removesLinesFromTheText() {
        auto editor = TextEditorWith("ab\r\nabc\r\nx;y\r\nlonger line\r\n");
        Click(*editor, "LangEntf");  // the default minimum length 3
        QCOMPARE(Column(editor->textList(), 0), QStringList({"abc", "x;y", "longer line"}));
        auto* length = Find<QComboBox>(*editor, "lentf");
        QCOMPARE(length->count(), 13);
        length->setCurrentText(QStringLiteral("5"));
        QCOMPARE(ToQString(context_->settings.Value("Tedittxt2idx", "lentf")), QStringLiteral("5"));
        Click(*editor, "LangEntf");
        QCOMPARE(Column(editor->textList(), 0), QStringList({"longer line"}));
        length->setCurrentText(QStringLiteral("viele"));
        Click(*editor, "LangEntf");
        QCOMPARE(Column(editor->textList(), 0), QStringList({"longer line"}));

        editor = TextEditorWith("a;b\r\nc d\r\ne;f\r\n");
        Type(*editor, "bentf", QString());
        Click(*editor, "BstEntf");
        QCOMPARE(editor->textList()->topLevelItemCount(), 3);
        Type(*editor, "bentf", QStringLiteral(";"));
        Click(*editor, "BstEntf");
        QCOMPARE(Column(editor->textList(), 0), QStringList({"c d"}));
    }

    // Rows go by button, by the Delete key in the list with the focus, or all at once;
    // "Alles Markieren" selects every row and puts the focus on the list.
    void deletesAndSelectsRows() {
        auto editor = TextEditorWith("a 1\r\nb 2\r\nc 3\r\nd 4\r\ne 5\r\nf 6\r\n");
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        SelectRows(editor->textList(), {0, 2});
        Click(*editor, "ZeileLoschen");
        QCOMPARE(Column(editor->textList(), 0), QStringList({"b 2", "d 4", "e 5", "f 6"}));
        SelectRows(editor->textList(), {1});
        QTest::keyClick(editor->textList(), Qt::Key_Delete);
        QCOMPARE(Column(editor->textList(), 0), QStringList({"b 2", "e 5", "f 6"}));
        Click(*editor, "bt_t2i");
        QCOMPARE(editor->indexList()->topLevelItemCount(), 3);

        Click(*editor, "IdxSelectAll");
        QCOMPARE(editor->indexList()->selectionModel()->selectedRows().size(), 3);
        QCOMPARE(QApplication::focusWidget(), editor->indexList());
        SelectRows(editor->indexList(), {1});
        QTest::keyClick(editor->indexList(), Qt::Key_Delete);
        QCOMPARE(Column(editor->indexList(), 0), QStringList({"b", "f"}));
        SelectRows(editor->indexList(), {0});
        Click(*editor, "IdxZeile");
        QCOMPARE(Column(editor->indexList(), 0), QStringList({"f"}));
        Click(*editor, "IdxAlles");
        QCOMPARE(editor->indexList()->topLevelItemCount(), 0);

        QVERIFY(editor->LoadTextFile(Fixture("more.txt", "x\r\ny\r\n")));
        Click(*editor, "AllesMarkieren");
        QCOMPARE(editor->textList()->selectionModel()->selectedRows().size(), 2);
        QCOMPARE(QApplication::focusWidget(), editor->textList());
        Click(*editor, "TextLoschen");
        QCOMPARE(editor->textList()->topLevelItemCount(), 0);
    }

    // A header click sorts both lists; the column and the direction are shared, and rows added
    // later take their place in the order.
    void headerClicksSortBothLists() {
        auto editor = TextEditorWith("birne 5\r\nApfel 9\r\nZitrone 1\r\n");
        Click(*editor, "bt_t2i");
        QVERIFY(editor->LoadTextFile(Fixture("more.txt", "mango\r\nÄhre\r\nkiwi\r\n")));
        QCOMPARE(Column(editor->indexList(), 0), QStringList({"Apfel", "birne", "Zitrone"}));
        ClickHeader(editor->textList(), 0);  // the same column: descending, both lists
        QCOMPARE(Column(editor->indexList(), 0), QStringList({"Zitrone", "birne", "Apfel"}));
        QCOMPARE(Column(editor->textList(), 0), QStringList({"mango", "kiwi", "Ähre"}));
        QCOMPARE(editor->indexList()->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        ClickHeader(editor->indexList(), 0);  // again: ascending
        QCOMPARE(Column(editor->textList(), 0), QStringList({"Ähre", "kiwi", "mango"}));
        QCOMPARE(Column(editor->indexList(), 0), QStringList({"Apfel", "birne", "Zitrone"}));
        ClickHeader(editor->indexList(), 1);  // pages, ascending
        QCOMPARE(Column(editor->indexList(), 1), QStringList({"1(-)", "5(-)", "9(-)"}));
        QCOMPARE(Column(editor->textList(), 0), QStringList({"Ähre", "kiwi", "mango"}));
        QVERIFY(editor->LoadIndexFile(Fixture("i.idx", "Feige:7>-\r\n")));
        QCOMPARE(Column(editor->indexList(), 0),
                 QStringList({"Zitrone", "birne", "Feige", "Apfel"}));
        ClickHeader(editor->indexList(), 1);
        QCOMPARE(Column(editor->indexList(), 1), QStringList({"9(-)", "7(-)", "5(-)", "1(-)"}));
    }

    // A double click edits the first column in place; what is typed is what is saved.
    void editsTheFirstColumnInPlace() {
        auto editor = TextEditorWith("Apfel 12\r\nBirne 3\r\n");
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        SelectRows(editor->textList(), {1});
        Click(*editor, "bt_t2i");
        QTreeWidget* index = editor->indexList();
        const QRect row = index->visualItemRect(index->topLevelItem(0));
        DoubleClick(index->viewport(), QPoint(row.left() + 10, row.center().y()));
        auto* box = index->viewport()->findChild<QLineEdit*>();
        QVERIFY(box != nullptr);
        QCOMPARE(box->text(), QStringLiteral("Birne"));
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("Pflaume"));
        QTest::keyClick(box, Qt::Key_Return);
        // The delegate commits after the key, once the events have been processed.
        QTRY_COMPARE(ToQString(editor->lists().indexRows()[0].entry), QStringLiteral("Pflaume"));
        QCOMPARE(index->topLevelItem(0)->text(0), QStringLiteral("Pflaume"));
        QCOMPARE(ToQString(editor->lists().indexRows()[0].entry), QStringLiteral("Pflaume"));

        QTreeWidget* text = editor->textList();
        const QRect line = text->visualItemRect(text->topLevelItem(0));
        DoubleClick(text->viewport(), QPoint(line.left() + 10, line.center().y()));
        box = text->viewport()->findChild<QLineEdit*>();
        QVERIFY(box != nullptr);
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("Quitte 8"));
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_COMPARE(ToQString(editor->lists().textRows[0]), QStringLiteral("Quitte 8"));
        Click(*editor, "bt_t2i");
        QCOMPARE(Column(index, 0), QStringList({"Pflaume", "Quitte"}));

        const QString saved = folder_->filePath(QStringLiteral("saved"));
        QVERIFY(editor->SaveIndexFile(saved));
        QVERIFY(FileBytes(saved + ".idx").contains("Pflaume:3>-\r\nQuitte:8>-\r\n"));
    }

    // "Index Speichern" and "Index Laden" through their dialogs: a saved index reads back with
    // the same page lists, added to the list or in its place.
    void savesAndLoadsIndexFiles() {
        auto editor = TextEditorWith("Apfel 12, 15, 17\r\n");
        Find<QCheckBox>(*editor, "cb_linksvorhanden")->click();
        QVERIFY(editor->LoadTextFile(Fixture("links.txt", "Birne 3>k.html, 4\r\n")));
        Click(*editor, "bt_t2i");
        const QStringList pages = Column(editor->indexList(), 1);
        QCOMPARE(pages, QStringList({"12(-), 15(-), 17(-)", "3(k.html), 4(-)"}));
        const QString path = folder_->filePath(QStringLiteral("book.idx"));
        PickInNextFileDialog(path);
        Click(*editor, "IdxSpeichern");
        QVERIFY(FileBytes(path).contains("Apfel:12>-|15>-|17>-\r\nBirne:3>k.html|4>-\r\n"));
        PickInNextFileDialog(path);
        Click(*editor, "IdxLaden");
        QCOMPARE(Column(editor->indexList(), 1),
                 QStringList({pages[0], pages[0], pages[1], pages[1]}));
        QCOMPARE(Column(editor->indexList(), 2),
                 QStringList({"Apfel 12, 15, 17", "", "Birne 3>k.html, 4", ""}));
        Find<QCheckBox>(*editor, "cb_deleteidx")->click();
        PickInNextFileDialog(path);
        Click(*editor, "IdxLaden");
        QCOMPARE(Column(editor->indexList(), 1), pages);
        QCOMPARE(Column(editor->indexList(), 2), QStringList({"", ""}));
    }

    // The hand-over buttons write the temporary index file as the core's writer does, say so
    // with their signal and close the editor.
    void handsTheIndexOverThroughTheTemporaryFile() {
        const QString temporary = QString::fromStdString(TemporaryIndexFilePath().string());
        context_->settings.Set("Teinstausgabe.rb_utf8bom", u"1");
        context_->settings.Set("Teinstausgabe.jazubom", u"1");
        for (const char* button : {"ToTxtIdx", "ToHTMLIdx"}) {
            QFile::remove(temporary);
            auto editor = TextEditorWith("Apfel 12, 15, 17\r\nÄhre 4>x.html\r\n");
            Click(*editor, "bt_t2i");
            QSignalSpy toText(editor.get(), &TextToIndexWindow::textIndexHandOver);
            QSignalSpy toFiles(editor.get(), &TextToIndexWindow::fileIndexHandOver);
            Click(*editor, button);
            const bool text = QByteArray(button) == "ToTxtIdx";
            QCOMPARE(toText.size(), text ? 1 : 0);
            QCOMPARE(toFiles.size(), text ? 0 : 1);
            QCOMPARE((text ? toText : toFiles).front().front().toString(), temporary);
            QVERIFY(!editor->isVisible());
            const QString expected = folder_->filePath(QStringLiteral("expected.idx"));
            SaveIndexRows(editor->lists().indexRows(), ToPath(expected),
                          MakeOutputSettings(context_->settings));
            QCOMPARE(FileBytes(temporary), FileBytes(expected));
            // In the list's order, "Ähre" sorted as "Ahre".
            QCOMPARE(FileBytes(temporary),
                     QByteArray("\xEF\xBB\xBF\xC3\x84hre:4>x.html>-\r\nApfel:12>-|15>-|17>-\r\n"));
        }
        QFile::remove(temporary);
    }

    // A window closed while a row is being edited keeps the typed text out of its lists, which
    // are gone by then.
    void closesWhileEditingInPlace() {
        auto editor = TextEditorWith("Apfel 12\r\n");
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        QTreeWidget* text = editor->textList();
        text->editItem(text->topLevelItem(0), 0);
        auto* box = text->viewport()->findChild<QLineEdit*>();
        QVERIFY(box != nullptr);
        QTest::keyClicks(box, QStringLiteral("Birne"));
        editor.reset();
    }

    void textEditorSpeaksBothLanguages() {
        TextToIndexWindow editor(*context_, nullptr);
        QCOMPARE(editor.windowTitle(), QStringLiteral("Editor: Text > Index (*.idx)"));
        QCOMPARE(WithoutMnemonic(Find<QPushButton>(editor, "TextOffnen")->text()),
                 QStringLiteral("Text Laden"));
        context_->language = Language::English;
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&editor, &change);
        QCOMPARE(WithoutMnemonic(Find<QPushButton>(editor, "TextOffnen")->text()),
                 QStringLiteral("Load Text"));
        QCOMPARE(editor.indexList()->headerItem()->text(0), QStringLiteral("Entry"));
        QCOMPARE(editor.textList()->headerItem()->text(0), QStringLiteral("Lines"));
    }

    // ------------------------------------------------------------------------------------------
    // Page numbers into a text.

    void pageEditorOpensOnTheFirstTab() {
        PageEditorWindow editor(*context_, nullptr);
        editor.Open();
        QCOMPARE(editor.objectName(), QStringLiteral("Tedittxt"));
        QVERIFY(!editor.isModal());
        QCOMPARE(editor.tabs()->currentWidget()->objectName(), QStringLiteral("tab1"));
        QCOMPARE(editor.tabs()->count(), 4);
        QCOMPARE(editor.tabs()->tabToolTip(1),
                 QStringLiteral("Fügt eine Seitenzahl an der Cursorposition ein."));
        QVERIFY(editor.snapshot().empty());
    }

    // Empty lines become numbers, one per run of empty lines or one each; "Rückgängig"
    // exchanges the text with the one before, so a second press numbers again.
    void replacesEmptyLinesAndUndoesBothWays() {
        struct Case {
            bool oneNumberPerRun;
            const char* start;
            QString result;
        };
        for (const Case& c : {Case{true, "1", "Text A\n1\n\nText B\n2\n"},
                              Case{false, "1", "Text A\n1\n2\nText B\n3\n"},
                              Case{true, "7", "Text A\n7\n\nText B\n8\n"},
                              Case{true, "sieben", "Text A\n1\n\nText B\n2\n"}}) {
            context_ = std::make_unique<AppContext>();
            PageEditorWindow editor(*context_, nullptr);
            editor.Open();
            editor.editor()->setPlainText(QStringLiteral("Text A\n\n\nText B\n\n"));
            auto* box = Find<QCheckBox>(editor, "cb_l2skeinedoppelt");
            if (box->isChecked() != c.oneNumberPerRun)
                box->click();
            Type(editor, "l2sstart", QString::fromLatin1(c.start));
            Click(editor, "LeerZuSeite");
            QCOMPARE(MemoText(*editor.editor()), c.result);
            QCOMPARE(ToQString(editor.snapshot()), QStringLiteral("Text A\n\n\nText B\n\n"));
            Click(editor, "l2sback");
            QCOMPARE(MemoText(*editor.editor()), QStringLiteral("Text A\n\n\nText B\n\n"));
            Click(editor, "l2sback");
            QCOMPARE(MemoText(*editor.editor()), c.result);
        }
    }

    // Markers become framed numbers; the frame's "#NL" are line breaks.
    void replacesMarkersInTheirFrame() {
        struct Case {
            const char* before;
            const char* after;
            const char* marker;
            const char* start;
            QString result;
        };
        for (const Case& c : {
                 Case{"#NL", "#NL", "#", "1", "eins \n1\n zwei \n2\n drei"},
                 Case{"", "", "#", "1", "eins 1 zwei 2 drei"},
                 Case{"[", "]", "#", "4", "eins [4] zwei [5] drei"},
                 Case{"#", "", "#", "1", "eins #1 zwei #2 drei"},
                 Case{"", "", "", "1", "eins # zwei # drei"},
             }) {
            context_ = std::make_unique<AppContext>();
            PageEditorWindow editor(*context_, nullptr);
            editor.Open();
            editor.editor()->setPlainText(QStringLiteral("eins # zwei # drei"));
            editor.tabs()->setCurrentIndex(3);
            Type(editor, "vor", QString::fromLatin1(c.before));
            Type(editor, "nach", QString::fromLatin1(c.after));
            editor.tabs()->setCurrentIndex(2);
            Type(editor, "zez", QString::fromLatin1(c.marker));
            Type(editor, "zes", QString::fromLatin1(c.start));
            Click(editor, "zeanwenden");
            QCOMPARE(MemoText(*editor.editor()), c.result);
            Click(editor, "zeback");
            QCOMPARE(MemoText(*editor.editor()), QStringLiteral("eins # zwei # drei"));
        }
    }

    // On the cursor tab a press in the text inserts the current page at the press and counts it
    // up; the editor's own undo takes the last insertion back. On other tabs a press only moves
    // the caret.
    void insertsAtTheCaretOnTheCursorTab() {
        PageEditorWindow editor(*context_, nullptr);
        editor.Open();
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.editor()->setPlainText(QStringLiteral("abcdef\nghij"));
        ClickAtPosition(editor, 3);
        QCOMPARE(MemoText(*editor.editor()), QStringLiteral("abcdef\nghij"));

        editor.tabs()->setCurrentIndex(1);
        ClickAtPosition(editor, 3);
        QCOMPARE(MemoText(*editor.editor()), QStringLiteral("abc\n1\ndef\nghij"));
        QCOMPARE(ToQString(editor.snapshot()), QStringLiteral("abcdef\nghij"));
        ClickAtPosition(editor, 12);  // "gh|ij"
        QCOMPARE(MemoText(*editor.editor()), QStringLiteral("abc\n1\ndef\ngh\n2\nij"));
        QCOMPARE(Find<QLineEdit>(editor, "cursak")->text(), QStringLiteral("3"));
        QCOMPARE(ToQString(context_->settings.Value("Tedittxt", "cursak")), QStringLiteral("3"));
        QCOMPARE(editor.editor()->textCursor().position(), 15);

        Click(editor, "curback");
        QCOMPARE(MemoText(*editor.editor()), QStringLiteral("abc\n1\ndef\nghij"));
        Click(editor, "Ruckgangig");
        QCOMPARE(MemoText(*editor.editor()), QStringLiteral("abcdef\nghij"));

        // Without counting up, or with a page that is not a number, the page stays.
        Find<QCheckBox>(editor, "curaut")->click();
        Type(editor, "cursak", QStringLiteral("iv"));
        ClickAtPosition(editor, 0);
        QCOMPARE(MemoText(*editor.editor()), QStringLiteral("\niv\nabcdef\nghij"));
        QCOMPARE(Find<QLineEdit>(editor, "cursak")->text(), QStringLiteral("iv"));
        Find<QCheckBox>(editor, "curaut")->click();
        ClickAtPosition(editor, 4);
        QCOMPARE(Find<QLineEdit>(editor, "cursak")->text(), QStringLiteral("iv"));
        // A press with the right button opens the menu and inserts nothing.
        const QString before = MemoText(*editor.editor());
        QTest::mousePress(editor.editor()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(editor.editor()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(MemoText(*editor.editor()), before);
    }

    // "Text Laden" replaces the text, "Hinzuladen" adds a line break and the file's text;
    // "Text Löschen" empties it.
    void loadsAddsAndDeletesText() {
        PageEditorWindow editor(*context_, nullptr);
        editor.Open();
        const QString first = Fixture("first.txt",
                                      "\xEF\xBB\xBF"
                                      "Größe eins\r\nzwei\r\n");
        const QString second = Fixture("second.txt", "drei");
        editor.editor()->setPlainText(QStringLiteral("alt"));
        PickInNextFileDialog(first);
        Click(editor, "Laden");
        QCOMPARE(MemoText(*editor.editor()), QStringLiteral("Größe eins\nzwei\n"));
        PickInNextFileDialog(second);
        Click(editor, "HinzuLaden");
        QCOMPARE(MemoText(*editor.editor()), QStringLiteral("Größe eins\nzwei\n\ndrei"));
        QVERIFY(editor.LoadTextFile(second, false));
        QCOMPARE(MemoText(*editor.editor()), QStringLiteral("drei"));
        QVERIFY(!editor.LoadTextFile(folder_->filePath(QStringLiteral("missing.txt")), true));
        QCOMPARE(messages_.size(), 1);
        messages_.clear();
        QCOMPARE(MemoText(*editor.editor()), QStringLiteral("drei"));
        Click(editor, "delete");
        QCOMPARE(MemoText(*editor.editor()), QString());
    }

    void lineBreakSwitchesWrappingAndScrollBars() {
        PageEditorWindow editor(*context_, nullptr);
        QCOMPARE(editor.editor()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(editor.editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        Find<QCheckBox>(editor, "Zeilenumbruch")->click();
        QVERIFY(!context_->settings.IsOn("Tedittxt", "Zeilenumbruch"));
        QCOMPARE(editor.editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(editor.editor()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(editor.editor()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        // A configuration that switches it on again reaches the text box.
        context_->settings.Set("Tedittxt.Zeilenumbruch", u"1");
        QCOMPARE(editor.editor()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    void handsTheTextToTheTextIndex() {
        PageEditorWindow editor(*context_, nullptr);
        editor.Open();
        editor.editor()->setPlainText(QStringLiteral("Text A\n\nText B"));
        Click(editor, "LeerZuSeite");
        QSignalSpy handOver(&editor, &PageEditorWindow::textSourceHandOver);
        Click(editor, "ToTXTIndex");
        QCOMPARE(handOver.size(), 1);
        QCOMPARE(handOver.front().front().toString(), QStringLiteral("Text A\n1\nText B\n"));
        QVERIFY(!editor.isVisible());
    }

    void pageEditorSpeaksBothLanguages() {
        PageEditorWindow editor(*context_, nullptr);
        QCOMPARE(editor.windowTitle(), QStringLiteral("Editor: Seitenzahlen in Text schreiben"));
        QCOMPARE(WithoutMnemonic(editor.tabs()->tabText(0)), QStringLiteral("Leerzeilen Ersetzen"));
        context_->language = Language::English;
        QEvent change(QEvent::LanguageChange);
        QApplication::sendEvent(&editor, &change);
        QCOMPARE(editor.windowTitle(), QStringLiteral("Editor: Write Folio to Text"));
        QCOMPARE(WithoutMnemonic(editor.tabs()->tabText(2)), QStringLiteral("Replace Characters"));
        QCOMPARE(editor.tabs()->tabToolTip(1),
                 QStringLiteral("Insert a Page Number at Cursor Position."));
        QCOMPARE(WithoutMnemonic(Find<QPushButton>(editor, "HinzuLaden")->text()),
                 QStringLiteral("Add Text"));
    }
};

QTEST_MAIN(TextToolsTest)
#include "text_tools_test.moc"
