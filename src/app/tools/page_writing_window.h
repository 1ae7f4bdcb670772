#pragma once
// Tedittxt: writes consecutive page numbers into a text that has none yet, in place of empty
// lines, at clicked positions or in place of a marker, and hands the text to the text index.

#include <QDialog>
#include <QPlainTextEdit>
#include <QString>
#include <QTabWidget>

#include "app/app_context.h"
#include "app/common/translated.h"
#include "textindex/page_writing.h"

namespace lexorim::app {

// The editor's text box: tells when a mouse button has been pressed in it, after the caret has
// moved to the press. While numbers go in at the caret, a double click counts as a press too,
// so two quick clicks insert two numbers.
class PageTextEdit : public QPlainTextEdit {
    Q_OBJECT

  public:
    using QPlainTextEdit::QPlainTextEdit;
    void SetInsertingOnPress(bool on) { insertingOnPress_ = on; }

  signals:
    void pressed(Qt::MouseButton button);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool insertingOnPress_ = false;
};

class PageWritingWindow : public Translated<QDialog> {
    Q_OBJECT

  public:
    PageWritingWindow(AppContext& context, QWidget* parent);

    // Shows the editor beside the main window, in front.
    void Open();

    QPlainTextEdit* editor() const { return editor_; }
    QTabWidget* tabs() const { return tabs_; }
    // The text before the last numbering operation (or the text an undo exchanged it for).
    const Text& snapshot() const { return model_.snapshot(); }

    // What "Text Laden" and "Hinzuladen" do once the user has picked a file; false when the
    // file could not be read (the error has been shown).
    bool LoadTextFile(const QString& path, bool append);

    void ApplyTexts() override;

  signals:
    // "Textindex..": the editor's text becomes the text index source; the editor has closed.
    void textSourceHandOver(const QString& text);

  private:
    QWidget* MakeOptions();
    QWidget* MakeEmptyLinesPage();
    QWidget* MakeCaretPage();
    QWidget* MakeMarkersPage();
    QWidget* MakeFramePage();

    void ChooseTextFile(bool append);
    void ReplaceEmptyLines();
    void ReplaceMarkers();
    void SwapWithSnapshot();
    void InsertAtCaret(Qt::MouseButton button);
    void ShowLineBreaks();
    void HandOver();

    // The editor and the core's model meet here: the model takes the text as shown, and the
    // editor shows the model's text with the caret and the scroll position kept.
    void TakeEditorText();
    void ShowModelText();
    bool caretTabActive() const;

    AppContext& context_;
    lexorim::PageWritingEditor model_;
    PageTextEdit* editor_ = nullptr;
    QTabWidget* tabs_ = nullptr;
};

}  // namespace lexorim::app
