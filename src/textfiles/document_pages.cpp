#include "textfiles/internal/document_pages.h"

#include "textfiles/internal/document_readers.h"

#include <algorithm>

#include "textfiles/document_error.h"
#include "textfiles/source_limits.h"

namespace lexorim {

void PageCollector::Append(TextView text) {
    if (text.empty()) {
        return;
    }
    // Repeated blanks and repeated content can make a small file expand without bound.
    totalUnits_ += text.size();
    if (totalUnits_ > kMaxDocumentTextSize) {
        throw DocumentProblemError(DocumentProblem::TooLarge);
    }
    OpenPendingPage();
    current_.append(text);
}

void PageCollector::HardBreak() {
    OpenPendingPage();
    breakPending_ = true;
}

void PageCollector::SoftBreak() {
    if (!AtPageStart()) {
        breakPending_ = true;
    }
}

void PageCollector::OpenPendingPage() {
    if (breakPending_) {
        pages_.push_back(std::move(current_));
        current_.clear();
        breakPending_ = false;
    }
}

std::vector<Text> PageCollector::TakePages() {
    pages_.push_back(std::move(current_));
    current_.clear();
    breakPending_ = false;
    return std::move(pages_);
}

Text FormatDocumentPages(const std::vector<Text>& pages, const std::vector<Text>& numberLines,
                         int pageLimit) {
    size_t count = pages.size();
    if (pageLimit >= 0) {
        count = std::min(count, static_cast<size_t>(pageLimit));
    }
    Text joined;
    for (size_t i = 0; i < count; ++i) {
        joined += pages[i];
        joined += kCrLf;
        joined +=
            i < numberLines.size() ? numberLines[i] : DecimalText(static_cast<int64_t>(i) + 1);
        joined += kCrLf;
    }
    return ReplaceAll(ReplaceAll(joined, kCrLf, u"\r"), u"\r", kCrLf);
}

Text FormatDocumentPages(const std::vector<Text>& pages, int pageLimit) {
    return FormatDocumentPages(pages, {}, pageLimit);
}

void NumberByOwnSections(DocumentPages& pages, std::vector<NumberingSection> sections) {
    if (!DefinesOwnNumbering(sections)) {
        return;
    }
    pages.numbering = std::move(sections);
    pages.numberLines =
        NumberPages(pages.pages.size(), pages.numbering, RecordedFirstPages(pages.numbering));
}

bool RecordsItsWholeLayout(const DocumentPages& pages) {
    const size_t count = pages.pages.size();
    return pages.statedPageCount == count && (count == 1 || pages.recordedPageStarts > 0);
}

}  // namespace lexorim
