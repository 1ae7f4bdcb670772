#include "indexing/source_options_memo.h"

namespace lexorim {

SourceColumn SourceColumnOf(MemoColumn column) {
    switch (column) {
        case MemoColumn::Name:
            return SourceColumn::Name;
        case MemoColumn::Link:
            return SourceColumn::Link;
        case MemoColumn::Source:
            break;
    }
    return SourceColumn::Source;
}

Text MemoTextFor(const SourceList& list, MemoColumn column) {
    Text text;
    for (const SourceRow& row : list.rows()) {
        if (!text.empty() || &row != &list.rows().front())
            text += kCrLf;
        text += row.Column(SourceColumnOf(column));
    }
    return text;
}

bool MemoEditAllowed(TextView memoText, const SourceList& list) {
    return SplitLines(memoText).size() <= list.size();
}

void StoreMemoText(SourceList& list, MemoColumn column, TextView memoText) {
    const std::vector<TextView> lines = SplitLines(memoText);
    const size_t count = std::min(lines.size(), list.size());
    for (size_t i = 0; i < count; ++i)
        list.SetColumn(i, SourceColumnOf(column), Text(lines[i]));
    list.Resort();
}

Text SourceOptionsMemo::Select(SourceList& list, MemoColumn chosen, TextView memoText) {
    StoreMemoText(list, shown, memoText);
    shown = chosen;
    return MemoTextFor(list, chosen);
}

}  // namespace lexorim
