#pragma once
// Writing page numbers into a text that has none yet: in place of empty lines, at a clicked
// position, or in place of a marker, with a one-step undo of each.

#include <cstddef>

#include "engine/text_helpers.h"

namespace lexorim {

struct PageWritingOptions {
    int32_t emptyLineStart = 1;        // l2sstart
    bool textAfterEveryNumber = true;  // cb_l2skeinedoppelt
    Text caretPage = u"1";             // cursak
    bool countUpAtCaret = true;        // curaut
    int32_t markerStart = 1;           // zes
    Text marker = u"#";                // zez
    Text before = u"#NL";              // vor
    Text after = u"#NL";               // nach
};

// The text around a page number: `before`, the number, `after`, each "#NL" a line break.
Text NumberFrame(TextView number, TextView before, TextView after);

// Every empty line becomes the next page number (unframed). With `textAfterEveryNumber` a run
// of empty lines gets one number, on its first line. The lines are ended by CR LF.
Text ReplaceEmptyLines(TextView text, int32_t firstPage, bool textAfterEveryNumber);

// Every marker, from the left, becomes the framed next page number; an empty marker changes
// nothing. Scanning goes on after the inserted text.
Text ReplaceMarkers(TextView text, int32_t firstPage, TextView marker, TextView before,
                    TextView after);

// The framed `number` inserted into line `line` at column `column` (both counted from 0 and
// kept inside the text).
Text InsertAtLineAndColumn(TextView text, size_t line, size_t column, TextView framed);

// The editor: its text and the snapshot that each numbering operation takes first.
class PageWritingEditor {
  public:
    Text text;

    const Text& snapshot() const { return snapshot_; }

    void ReplaceEmptyLines(const PageWritingOptions& options);
    void ReplaceMarkers(const PageWritingOptions& options);
    // Inserts the framed caret page at the click and counts the caret page up when asked to.
    void InsertAtCaret(size_t line, size_t column, PageWritingOptions& options);
    // "Text Laden" replaces the text; "Hinzuladen" puts a line break and the loaded text after it.
    void LoadText(TextView loaded, bool append) {
        text = append ? text + Text(kCrLf) + Text(loaded) : Text(loaded);
    }
    // "Rückgängig": exchanges the text and the snapshot, so a second press redoes.
    void SwapWithSnapshot() { std::swap(text, snapshot_); }

  private:
    Text snapshot_;
};

}  // namespace lexorim
