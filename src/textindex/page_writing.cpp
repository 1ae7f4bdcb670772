#include "textindex/page_writing.h"

#include <algorithm>
#include <vector>

namespace lexorim {

namespace {

Text WithLineBreaks(TextView text) {
    return ReplaceAll(text, u"#NL", kCrLf);
}

// The line starts of a text: positions after each CR LF, CR or LF.
std::vector<size_t> LineStarts(TextView text) {
    std::vector<size_t> starts = {0};
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        if (text[i] == u'\r' || text[i] == u'\n')
            starts.push_back(i + 1);
    }
    return starts;
}

size_t LineEnd(TextView text, size_t start) {
    const size_t end = text.find_first_of(u"\r\n", start);
    return end == TextView::npos ? text.size() : end;
}

}  // namespace

Text NumberFrame(TextView number, TextView before, TextView after) {
    return WithLineBreaks(before) + Text(number) + WithLineBreaks(after);
}

Text ReplaceEmptyLines(TextView text, int32_t firstPage, bool textAfterEveryNumber) {
    int64_t page = firstPage;
    bool numberMayFollow = true;
    Text result;
    for (const TextView line : SplitLines(text)) {
        if (line.empty() && numberMayFollow) {
            result += DecimalText(page++);
            if (textAfterEveryNumber)
                numberMayFollow = false;
        } else {
            if (!line.empty())
                numberMayFollow = true;
            result += line;
        }
        result += kCrLf;
    }
    return result;
}

Text ReplaceMarkers(TextView text, int32_t firstPage, TextView marker, TextView before,
                    TextView after) {
    if (marker.empty())
        return Text(text);
    int64_t page = firstPage;
    Text result;
    size_t from = 0;
    for (size_t at = text.find(marker); at != TextView::npos; at = text.find(marker, from)) {
        result += text.substr(from, at - from);
        result += NumberFrame(DecimalText(page++), before, after);
        from = at + marker.size();
    }
    result += text.substr(from);
    return result;
}

Text InsertAtLineAndColumn(TextView text, size_t line, size_t column, TextView framed) {
    const std::vector<size_t> starts = LineStarts(text);
    const size_t start = starts[std::min(line, starts.size() - 1)];
    const size_t at = std::min(start + column, LineEnd(text, start));
    Text result(text.substr(0, at));
    result += framed;
    result += text.substr(at);
    return result;
}

void PageWritingEditor::ReplaceEmptyLines(const PageWritingOptions& options) {
    snapshot_ = text;
    text = lexorim::ReplaceEmptyLines(text, options.emptyLineStart, options.textAfterEveryNumber);
}

void PageWritingEditor::ReplaceMarkers(const PageWritingOptions& options) {
    snapshot_ = text;
    text = lexorim::ReplaceMarkers(text, options.markerStart, options.marker, options.before,
                                   options.after);
}

void PageWritingEditor::InsertAtCaret(size_t line, size_t column, PageWritingOptions& options) {
    snapshot_ = text;
    text = InsertAtLineAndColumn(text, line, column,
                                 NumberFrame(options.caretPage, options.before, options.after));
    if (options.countUpAtCaret) {
        if (const std::optional<int32_t> page = ParseIntegerText(options.caretPage))
            options.caretPage = DecimalText(int64_t{*page} + 1);
    }
}

}  // namespace lexorim
