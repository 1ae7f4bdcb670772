#pragma once
// The pages of one text index run: (page text, page label) pairs over the source's lines. Page
// texts are views into the source or composed on demand, so a large book is not copied.

#include <cstdint>
#include <span>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

class PageList {
  public:
    // Every line is a page; page i is labelled firstPage + i.
    static PageList FromLines(TextView source, int32_t firstPage);

    // Pages cut at the designation items ("17 (40)"): below mode, a page ends before the line of
    // its designation; above mode, a page starts at its designation line.
    static PageList FromDesignations(TextView source, const std::vector<Text>& items, bool above);

    size_t size() const { return lineMode_ ? lines_.size() : pages_.size(); }
    bool empty() const { return size() == 0; }

    Text Label(size_t page) const;
    // The page's text; `buffer` holds it when it has to be composed.
    TextView PageText(size_t page, Text& buffer) const;
    // The lines of the page, and its text without the lines at these positions among them.
    std::span<const TextView> Lines(size_t page) const;
    TextView PageTextWithout(size_t page, const std::vector<size_t>& leftOut, Text& buffer) const;
    // Where the page's first line starts in the source (null for a page past its end). Pages
    // start in the order of their numbers, and a page reads nothing before its start.
    const char16_t* SourceStart(size_t page) const;

  private:
    struct LineRange {
        Text label;
        size_t begin = 0;
        size_t end = 0;        // exclusive, at most the number of lines
        bool pastEnd = false;  // the page also took lines past the end of the source
    };

    std::vector<TextView> lines_;
    bool lineMode_ = true;
    int64_t firstPage_ = 1;
    std::vector<LineRange> pages_;
};

}  // namespace lexorim
