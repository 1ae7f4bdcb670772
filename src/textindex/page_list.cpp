#include "textindex/page_list.h"

#include <algorithm>

#include "textindex/page_designations.h"

namespace lexorim {

PageList PageList::FromLines(TextView source, int32_t firstPage) {
    PageList list;
    list.lines_ = SplitLines(source);
    list.lineMode_ = true;
    list.firstPage_ = firstPage;
    return list;
}

namespace {

// Takes lines from `next` on: always one, then more while the index stays below `stop`. Lines
// past the end of the source are empty; they are not walked one by one, since a hand-edited
// line number may be huge and empty lines add nothing but a word boundary.
void TakeLines(int64_t& next, int64_t stop, size_t lineCount, size_t& begin, size_t& end,
               bool& pastEnd) {
    const auto count = static_cast<int64_t>(lineCount);
    const int64_t last = std::max(next + 1, stop);  // exclusive
    const int64_t clampedBegin = std::clamp<int64_t>(next, 0, count);
    const int64_t clampedEnd = std::clamp<int64_t>(last, clampedBegin, count);
    begin = static_cast<size_t>(clampedBegin);
    end = static_cast<size_t>(clampedEnd);
    pastEnd = last > count || next < 0;
    next = last;
}

}  // namespace

PageList PageList::FromDesignations(TextView source, const std::vector<Text>& items, bool above) {
    PageList list;
    list.lines_ = SplitLines(source);
    list.lineMode_ = false;
    std::vector<DesignationItem> parsed;
    parsed.reserve(items.size());
    for (const Text& item : items) {
        DesignationItem p = ParseDesignationItem(item);
        // An item without a readable line number cannot place its page; it is left out.
        if (p.lineNumber)
            parsed.push_back(std::move(p));
    }
    const size_t lineCount = list.lines_.size();
    int64_t next = 0;
    for (size_t k = 0; k < parsed.size(); ++k) {
        int64_t stop = *parsed[k].lineNumber;
        if (above) {
            stop =
                k + 1 < parsed.size() ? *parsed[k + 1].lineNumber : static_cast<int64_t>(lineCount);
            if (k == 0)
                next = *parsed[k].lineNumber + 1;
        }
        LineRange range;
        range.label = std::move(parsed[k].designation);
        TakeLines(next, stop, lineCount, range.begin, range.end, range.pastEnd);
        list.pages_.push_back(std::move(range));
    }
    return list;
}

Text PageList::Label(size_t page) const {
    if (lineMode_)
        return DecimalText(firstPage_ + static_cast<int64_t>(page));
    return pages_[page].label;
}

TextView PageList::PageText(size_t page, Text& buffer) const {
    if (lineMode_)
        return lines_[page];
    const LineRange& range = pages_[page];
    buffer.assign(1, u'.');
    for (size_t i = range.begin; i < range.end; ++i) {
        buffer += lines_[i];
        buffer += u'.';
    }
    if (range.pastEnd)
        buffer += u'.';
    return buffer;
}

std::span<const TextView> PageList::Lines(size_t page) const {
    if (lineMode_)
        return {&lines_[page], 1};
    const LineRange& range = pages_[page];
    return std::span<const TextView>(lines_).subspan(range.begin, range.end - range.begin);
}

TextView PageList::PageTextWithout(size_t page, const std::vector<size_t>& leftOut,
                                   Text& buffer) const {
    if (leftOut.empty())
        return PageText(page, buffer);
    if (lineMode_)
        return {};
    const LineRange& range = pages_[page];
    buffer.assign(1, u'.');
    auto next = leftOut.begin();  // ascending
    for (size_t i = range.begin; i < range.end; ++i) {
        if (next != leftOut.end() && *next == i - range.begin) {
            ++next;
            continue;
        }
        buffer += lines_[i];
        buffer += u'.';
    }
    if (range.pastEnd)
        buffer += u'.';
    return buffer;
}

const char16_t* PageList::SourceStart(size_t page) const {
    const size_t line = lineMode_ ? page : pages_[page].begin;
    return line < lines_.size() ? lines_[line].data() : nullptr;
}

}  // namespace lexorim
