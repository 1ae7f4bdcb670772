#pragma once
// The memo of the source options window: one column of every row of a source list, edited as
// lines and written back. Lines can be changed and removed but not added.

#include <vector>

#include "engine/text_helpers.h"
#include "indexing/source_list.h"

namespace lexorim {

// The columns the radio buttons rb1, rb2 and rb3 show.
enum class MemoColumn { Name, Link, Source };

SourceColumn SourceColumnOf(MemoColumn column);

// "Anzeigen": one line per row, in list order, joined by CR LF.
Text MemoTextFor(const SourceList& list, MemoColumn column);

// "listeChange": an edit that leaves more lines than the list has rows is undone.
bool MemoEditAllowed(TextView memoText, const SourceList& list);

// "Speichern": row i takes line i of the memo (rows without a line keep their value); the list
// is re-sorted once afterwards.
void StoreMemoText(SourceList& list, MemoColumn column, TextView memoText);

// The window's state: which column the memo shows.
struct SourceOptionsMemo {
    MemoColumn shown = MemoColumn::Name;

    // A radio button click: stores the memo into the column shown so far, shows the chosen column
    // and returns the memo's new text.
    Text Select(SourceList& list, MemoColumn chosen, TextView memoText);
    // "OK": stores the memo.
    void Accept(SourceList& list, TextView memoText) const { StoreMemoText(list, shown, memoText); }
};

}  // namespace lexorim
