#pragma once
// The page options of a clean first draft on the pages of a text index: running heads and
// contents pages left out, a page range, and the printed page numbers of a document.

#include <string>
#include <vector>

#include "draft/draft_options.h"
#include "engine/language.h"
#include "engine/text_helpers.h"
#include "textfiles/text_reader.h"
#include "textfiles/word_documents.h"
#include "textindex/page_list.h"

namespace lexorim {

// The pages a run reads and the lines it leaves out of them.
class DraftPageSelection {
  public:
    // Leaves out nothing when the page options are off. Running heads and contents pages are
    // looked for only on pages of several lines. Throws UserError for a page range that cannot
    // be read.
    DraftPageSelection(const DraftOptions& draft, const PageList& pages, bool lineMode,
                       Language language);

    // The text of the page as the run reads it; empty for a page left out.
    TextView PageText(const PageList& pages, size_t page, Text& buffer) const;

  private:
    std::vector<bool> leftOutPages_;
    std::vector<std::vector<size_t>> leftOutLines_;
};

// A document numbered 1 to n, as every document is that does not say how its pages are
// numbered, takes the numbers printed on its pages; the note naming them goes to
// context.showMessage. Anything else stays as it is.
void TakePrintedPageNumbers(PagedDocument& document, const std::string& path,
                            const ReadContext& context);

// The designation items with `add` added to each designation that is a number.
std::vector<Text> OffsetNumericDesignations(const std::vector<Text>& items, int32_t add);

}  // namespace lexorim
