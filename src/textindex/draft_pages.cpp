#include "textindex/draft_pages.h"

#include "draft/page_furniture.h"
#include "draft/page_range.h"
#include "draft/printed_page_numbers.h"
#include "textindex/page_designations.h"

namespace lexorim {

namespace {

std::vector<PageLines> LinesOfPages(const PageList& pages) {
    std::vector<PageLines> lines;
    lines.reserve(pages.size());
    for (size_t i = 0; i < pages.size(); ++i) {
        const std::span<const TextView> page = pages.Lines(i);
        lines.emplace_back(page.begin(), page.end());
    }
    return lines;
}

}  // namespace

DraftPageSelection::DraftPageSelection(const DraftOptions& draft, const PageList& pages,
                                       bool lineMode, Language language) {
    const bool furniture = !lineMode && (draft.leaveOutRunningHeads || draft.leaveOutContentsPages);
    if (!furniture && draft.pageRange.empty())
        return;
    leftOutPages_.assign(pages.size(), false);
    if (!draft.pageRange.empty()) {
        const PageRange range = PageRange::Parse(draft.pageRange, language);
        for (size_t i = 0; i < pages.size(); ++i)
            leftOutPages_[i] = !range.Contains(pages.Label(i));
    }
    if (!furniture)
        return;
    const std::vector<PageLines> lines = LinesOfPages(pages);
    std::vector<std::vector<size_t>> heads = FindRunningHeads(lines);
    if (draft.leaveOutContentsPages) {
        for (size_t i = 0; i < pages.size(); ++i) {
            if (IsContentsPage(lines[i], heads[i]))
                leftOutPages_[i] = true;
        }
    }
    if (draft.leaveOutRunningHeads)
        leftOutLines_ = std::move(heads);
}

TextView DraftPageSelection::PageText(const PageList& pages, size_t page, Text& buffer) const {
    if (!leftOutPages_.empty() && leftOutPages_[page])
        return {};
    if (leftOutLines_.empty())
        return pages.PageText(page, buffer);
    return pages.PageTextWithout(page, leftOutLines_[page], buffer);
}

void TakePrintedPageNumbers(PagedDocument& document, const std::string& path,
                            const ReadContext& context) {
    std::vector<PageNumberLine>& numbers = document.pageNumbers;
    for (size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i].number != DecimalText(static_cast<int64_t>(i) + 1))
            return;  // the document numbers its pages itself
    }
    // Each page's lines end before its number line.
    const std::vector<TextView> lines = SplitLines(document.text);
    std::vector<PageLines> pages;
    size_t begin = 0;
    for (const PageNumberLine& number : numbers) {
        const auto end = std::min(static_cast<size_t>(number.line), lines.size());
        pages.emplace_back(lines.begin() + static_cast<std::ptrdiff_t>(std::min(begin, end)),
                           lines.begin() + static_cast<std::ptrdiff_t>(end));
        begin = end + 1;
    }
    const std::optional<PrintedPageNumbers> printed = ReadPrintedPageNumbers(pages);
    if (!printed)
        return;
    for (size_t i = 0; i < numbers.size(); ++i)
        numbers[i].number = printed->labels[i];
    if (context.showMessage)
        context.showMessage(PrintedPageNumbersNote(context.language, path, *printed));
}

std::vector<Text> OffsetNumericDesignations(const std::vector<Text>& items, int32_t add) {
    std::vector<Text> shifted;
    shifted.reserve(items.size());
    for (const Text& item : items) {
        const DesignationItem parsed = ParseDesignationItem(item);
        const std::optional<int32_t> value = ParseIntegerText(parsed.designation);
        if (!parsed.lineNumber || !value) {
            shifted.push_back(item);
            continue;
        }
        shifted.push_back(
            FormatDesignationItem(DecimalText(int64_t{*value} + add), *parsed.lineNumber));
    }
    return shifted;
}

}  // namespace lexorim
