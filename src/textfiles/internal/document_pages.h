#pragma once
// Collecting the pages of a document while its content is walked in reading order, and turning
// the pages into the page format every document reader returns.

#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

// Page texts use a lone CR for every paragraph end and line break, as Word does.
inline constexpr char16_t kParagraphMark = u'\r';

// Gathers page texts. A page break only takes effect when more content follows, so that a
// break at the very end of a document does not add an empty last page.
class PageCollector {
  public:
    // Appends text to the current page (an empty text changes nothing). Throws
    // DocumentProblemError (TooLarge) once all pages together exceed the source size limit.
    void Append(TextView text);
    void Append(char16_t c) { Append(TextView(&c, 1)); }

    // A break the author inserted by hand: every such break starts a page, so two in a row
    // leave an empty page between them.
    void HardBreak();

    // A break that only asks for the following content to start on a fresh page (a rendered
    // layout break, "page break before", a section start): nothing happens when the content
    // would start a page anyway.
    void SoftBreak();

    // The index of the page that the next content goes to.
    size_t PageOfNextContent() const { return pages_.size() + (breakPending_ ? 1 : 0); }

    // True when nothing has been written on the page that the next content goes to.
    bool AtPageStart() const { return breakPending_ || current_.empty(); }

    // The pages in order; a document without any content has one empty page.
    std::vector<Text> TakePages();

  private:
    void OpenPendingPage();

    std::vector<Text> pages_;
    Text current_;
    size_t totalUnits_ = 0;
    bool breakPending_ = false;
};

// The page format: for each page its text, CR LF, its number line, CR LF; then every CR LF
// becomes CR and every CR becomes CR LF, so that each paragraph mark ends as CR LF.
// `numberLines` holds one line per page (pages without one are numbered from 1); at most
// `pageLimit` pages are written unless the limit is below 0.
Text FormatDocumentPages(const std::vector<Text>& pages, const std::vector<Text>& numberLines,
                         int pageLimit);
Text FormatDocumentPages(const std::vector<Text>& pages, int pageLimit);

}  // namespace lexorim
