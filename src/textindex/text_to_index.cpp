#include "textindex/text_to_index.h"

#include <algorithm>

#include "engine/collation.h"
#include "engine/program_folder.h"
#include "indexing/index_file.h"

namespace lexorim {

namespace {

Text JoinParts(const std::vector<Text>& parts, size_t first, size_t end, TextView separator) {
    Text joined;
    for (size_t i = first; i < end; ++i) {
        if (i > first)
            joined += separator;
        joined += parts[i];
    }
    return joined;
}

bool Contains(TextView text, TextView part) {
    return !part.empty() && text.find(part) != TextView::npos;
}

// Several pieces of one line, formatted and joined by ", ".
void AppendPages(Text& pages, const std::vector<Text>& parts, size_t first,
                 const TextToIndexOptions& options) {
    for (size_t i = first; i < parts.size(); ++i) {
        pages += u", ";
        pages += FormatIndexPage(parts[i], options);
    }
}

// Collects the selected positions (all when none), largest first, without duplicates or
// positions outside the list.
std::vector<size_t> LastToFirst(std::vector<size_t> selected, size_t size, bool allWhenNone) {
    if (selected.empty() && allWhenNone) {
        for (size_t i = 0; i < size; ++i)
            selected.push_back(i);
    }
    std::erase_if(selected, [size](size_t i) { return i >= size; });
    std::sort(selected.begin(), selected.end(), std::greater<>());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    return selected;
}

const Text& ColumnText(const IndexRow& row, size_t column) {
    switch (column) {
        case 1:
            return row.pages;
        case 2:
            return row.source;
        default:
            return row.entry;
    }
}

}  // namespace

Text FormatIndexPage(TextView page, const TextToIndexOptions& options) {
    if (options.linksPresent && Contains(page, options.linkSeparator)) {
        const std::vector<Text> parts = SplitAt(page, options.linkSeparator);
        const size_t n = parts.size();
        const Text& link = options.pageBeforeLink ? parts.back() : parts.front();
        const Text number = options.pageBeforeLink
                                ? JoinParts(parts, 0, n - 1, options.linkSeparator)
                                : JoinParts(parts, 1, n, options.linkSeparator);
        return number + u"(" + link + u")";
    }
    return Text(page) + u"(-)";
}

std::optional<IndexRow> ConvertTextLine(TextView line, const TextToIndexOptions& o) {
    const size_t found = o.entrySeparator.empty() ? TextView::npos : line.find(o.entrySeparator);
    const size_t p = found == TextView::npos ? 0 : found + 1;
    if (p < 2 || p >= line.size())
        return std::nullopt;
    IndexRow row;
    row.source = Text(line);
    const bool severalPages = Contains(line, o.pageSeparator);
    const std::vector<Text> a =
        severalPages ? SplitAt(line, o.pageSeparator) : std::vector<Text>{Text(line)};
    const std::vector<Text> b = SplitAt(a[0], o.entrySeparator);
    const size_t m = b.size() - 1;
    if (m == 1) {
        row.entry = b[0];
        row.pages = FormatIndexPage(b[1], o);
        AppendPages(row.pages, a, 1, o);
        return row;
    }
    switch (o.multiWord) {
        case MultiWordEntry::Ignore:
            return std::nullopt;
        case MultiWordEntry::AddToEntry:
            row.entry = JoinParts(b, 0, m, o.entrySeparator);
            row.pages = FormatIndexPage(b[m], o);
            AppendPages(row.pages, a, 1, o);
            return row;
        case MultiWordEntry::AddToPages:
            row.entry = b[0];
            if (!severalPages) {
                row.pages = FormatIndexPage(JoinParts(b, 1, b.size(), o.entrySeparator), o);
                return row;
            }
            for (size_t i = 1; i < b.size(); ++i)
                row.pages += FormatIndexPage(b[i], o) + u", ";
            for (size_t i = 1; i < a.size(); ++i) {
                if (i > 1)
                    row.pages += u", ";
                row.pages += FormatIndexPage(a[i], o);
            }
            return row;
    }
    return std::nullopt;
}

Text IndexRowFileLine(const IndexRow& row) {
    Text references = ReplaceAll(row.pages, u"), ", u"|");
    references = ReplaceAll(references, u"(", u">");
    references = ReplaceAll(references, u") ", u"");
    references = ReplaceAll(references, u")", u"");
    return row.entry + u":" + references;
}

Text IndexRowsFileText(const std::vector<IndexRow>& rows) {
    Text text;
    for (const IndexRow& row : rows) {
        text += IndexRowFileLine(row);
        text += kCrLf;
    }
    return text;
}

std::string SaveIndexRows(const std::vector<IndexRow>& rows, const std::string& chosenName,
                          const OutputSettings& output) {
    const std::string name = IndexFileName(chosenName);
    WriteTextFile(IndexRowsFileText(rows), name, output);
    return name;
}

std::filesystem::path TemporaryIndexFilePath() {
    return TemporaryFolder() / "lexorim-temp.idx";
}

std::vector<IndexRow> IndexRowsFromFileText(TextView text) {
    std::vector<IndexRow> rows;
    for (const TextView line : SplitLines(text)) {
        const size_t colon = line.find(u':');
        if (colon == TextView::npos || colon + 1 == line.size())
            continue;
        IndexRow row;
        row.entry = Text(line.substr(0, colon));
        for (const TextView reference : SplitViewsAt(line.substr(colon + 1), u"|")) {
            if (!row.pages.empty())
                row.pages += u", ";
            row.pages += ReplaceAll(reference, u">", u"(") + u")";
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void ListSortState::ClickColumn(size_t clicked) {
    if (clicked == column) {
        ascending = !ascending;
    } else {
        column = clicked;
        ascending = true;
    }
}

bool TextToIndexLists::IndexRowLess(const IndexRow& a, const IndexRow& b) const {
    const Text& left = ColumnText(sort_.ascending ? a : b, sort_.column);
    const Text& right = ColumnText(sort_.ascending ? b : a, sort_.column);
    return collator_.Less(left, right);
}

void TextToIndexLists::SortIndex() {
    std::stable_sort(indexRows_.begin(), indexRows_.end(),
                     [this](const IndexRow& a, const IndexRow& b) { return IndexRowLess(a, b); });
}

void TextToIndexLists::SortText() {
    // The text list has one column; a click on another column of the shared state leaves it.
    if (sort_.column != 0)
        return;
    std::stable_sort(textRows.begin(), textRows.end(), [this](const Text& a, const Text& b) {
        return sort_.ascending ? collator_.Less(a, b) : collator_.Less(b, a);
    });
}

void TextToIndexLists::AddIndexRow(IndexRow row) {
    const auto at = std::upper_bound(
        indexRows_.begin(), indexRows_.end(), row,
        [this](const IndexRow& a, const IndexRow& b) { return IndexRowLess(a, b); });
    indexRows_.insert(at, std::move(row));
}

void TextToIndexLists::LoadText(TextView text, bool replace) {
    if (replace)
        textRows.clear();
    for (const TextView line : SplitLines(text))
        textRows.emplace_back(line);
}

void TextToIndexLists::LoadIndex(TextView fileText, bool replace) {
    if (replace)
        indexRows_.clear();
    for (IndexRow& row : IndexRowsFromFileText(fileText))
        AddIndexRow(std::move(row));
}

std::vector<Text> TextToIndexLists::ConvertToIndex(std::vector<size_t> selected,
                                                   const TextToIndexOptions& options) {
    std::vector<Text> notConverted;
    for (const size_t i : LastToFirst(std::move(selected), textRows.size(), true)) {
        std::optional<IndexRow> row = ConvertTextLine(textRows[i], options);
        if (!row) {
            notConverted.push_back(textRows[i]);
            continue;
        }
        textRows.erase(textRows.begin() + static_cast<std::ptrdiff_t>(i));
        AddIndexRow(std::move(*row));
    }
    std::reverse(notConverted.begin(), notConverted.end());
    return notConverted;
}

void TextToIndexLists::MoveBackToText(std::vector<size_t> selected) {
    const std::vector<size_t> rows = LastToFirst(std::move(selected), indexRows_.size(), false);
    for (const size_t i : rows) {
        const IndexRow& row = indexRows_[i];
        textRows.push_back(row.source.empty() ? row.entry + u" " + row.pages : row.source);
    }
    for (const size_t i : rows)
        indexRows_.erase(indexRows_.begin() + static_cast<std::ptrdiff_t>(i));
}

void TextToIndexLists::RemoveTextRows(std::vector<size_t> selected) {
    for (const size_t i : LastToFirst(std::move(selected), textRows.size(), false))
        textRows.erase(textRows.begin() + static_cast<std::ptrdiff_t>(i));
}

void TextToIndexLists::RemoveIndexRows(std::vector<size_t> selected) {
    for (const size_t i : LastToFirst(std::move(selected), indexRows_.size(), false))
        indexRows_.erase(indexRows_.begin() + static_cast<std::ptrdiff_t>(i));
}

void TextToIndexLists::SetIndexEntry(size_t row, Text entry) {
    if (row < indexRows_.size())
        indexRows_[row].entry = std::move(entry);
}

void TextToIndexLists::RemoveShortLines(TextView minimumLength) {
    const std::optional<int32_t> m = ParseIntegerText(minimumLength);
    if (!m)
        return;
    std::erase_if(textRows, [m](const Text& row) { return static_cast<int64_t>(row.size()) < *m; });
}

void TextToIndexLists::RemoveLinesContaining(TextView part) {
    if (part.empty())
        return;
    std::erase_if(textRows, [part](const Text& row) { return row.find(part) != Text::npos; });
}

void TextToIndexLists::ClickColumn(size_t column) {
    sort_.ClickColumn(column);
    SortIndex();
    SortText();
}

}  // namespace lexorim
