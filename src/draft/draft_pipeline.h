#pragma once
// The word pipeline of a run with the clean draft's word options: the stop and caption words of
// the book's language after the user's negative list, the recurring technical terms kept when
// lower-case words are left out, and short words kept inside names. With those options off it
// is the plain pipeline.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "draft/dictionary.h"
#include "draft/draft_options.h"
#include "engine/text_helpers.h"
#include "engine/word_pipeline.h"
#include "indexing/run_environment.h"

namespace lexorim {

// The pages of a book: how many, and the text of one (`buffer` holds it when it has to be
// composed). The text function is called from several threads at once.
struct BookPages {
    size_t count = 0;
    std::function<TextView(size_t page, Text& buffer)> text;
};

// The pipeline options, negative list and draft rules of one language.
struct DraftWordSetup {
    PipelineOptions options;
    std::vector<Text> negativeList;
    DraftWordRules rules;
};
DraftWordSetup DraftWordSetupFor(const DraftOptions& draft, PipelineOptions options,
                                 const std::vector<Text>& negativeList,
                                 const std::string& language);

// The language of a book from a sample of its text, when an option needs it; otherwise "".
std::string BookLanguage(const DraftOptions& draft, TextView source);

// The pipeline of a book (the text index) in its `language` (BookLanguage), its technical terms
// from a first look at every page (only when that option is on and lower-case words are left
// out), on up to `threads` threads, told from the words of the run's `dictionaries`.
WordPipeline MakeBookPipeline(const DraftOptions& draft, PipelineOptions options,
                              const WordLists& lists, const std::string& language,
                              const BookPages& pages, unsigned threads,
                              RunDictionaries& dictionaries);

// The shortest part of a combined word that heads an expansion line of its own: with short words
// kept inside names, the minimum length, so that "No" of "Absolutely No Warranty" heads none.
size_t ShortestHeadingPart(const DraftOptions& draft, const WordCriteria& criteria);

// The pipelines of a run over documents (the file and the keyword index), where each document
// may be in a language of its own: For gives the one of a document's language.
class DraftPipelines {
  public:
    DraftPipelines(const DraftOptions& draft, const PipelineOptions& options,
                   const WordLists& lists);
    const WordPipeline& For(TextView documentText) const;

  private:
    DraftOptions draft_;
    std::vector<std::string> languages_;  // of the pipelines, the last one "" for any other
    std::vector<WordPipeline> pipelines_;
};

}  // namespace lexorim
