#pragma once
// The word pipeline: turns the text of one page or document into the words that enter an index.
// The page is rewritten into one string where "." marks every word boundary and "&" joins the
// words of a combined name; only the last step splits it.

#include <functional>
#include <memory>
#include <vector>

#include "engine/text_helpers.h"
#include "engine/word_criteria.h"

namespace lexorim {

// The most words a run of capitalised words is joined into; a longer run gives several names.
inline constexpr int kMaxCombinedParts = 8;

// Receives each word with the page's key and tag.
using WordSink = std::function<void(TextView word, TextView key, TextView tag)>;

struct PipelineOptions {
    WordCriteria criteria;
    // Whether a positive-list hit has its blanks turned into the join mark "&" before it is
    // entered (the text index: combined words on; the file index: combined words several times).
    bool positiveHitsJoinBlanks = true;
};

// What a clean draft changes in the pipeline; nothing by default.
struct DraftWordRules {
    // When lower-case words are left out, a lower-case word for which this answers true is kept
    // all the same (the recurring technical terms of a book). Empty: none is.
    std::function<bool(TextView)> keepLowerCaseWord;
    // A combined name keeps its short parts and the negative-list words inside it.
    bool keepShortWordsInNames = false;
};

// Built once per run from the criteria and the word lists, then applied to every page.
class WordPipeline {
  public:
    WordPipeline(PipelineOptions options, std::vector<Text> negativeList,
                 std::vector<Text> positiveList, DraftWordRules draft = {});
    ~WordPipeline();
    WordPipeline(WordPipeline&&) noexcept;
    WordPipeline& operator=(WordPipeline&&) noexcept;

    // Runs every step on one page; positive-list hits and the surviving words go to `sink`.
    void FilterPageWords(TextView page, TextView key, TextView tag, const WordSink& sink) const;

    // Every step after the positive list (negative list through delivery), for callers that
    // run their own positive-list step first (the keyword index).
    void FilterAfterPositiveList(TextView text, TextView key, TextView tag,
                                 const WordSink& sink) const;

    const PipelineOptions& options() const { return options_; }

  private:
    // FilterAfterPositiveList for a text without invisible characters.
    void FilterVisibleAfterPositiveList(TextView text, TextView key, TextView tag,
                                        const WordSink& sink) const;

    struct Compiled;
    PipelineOptions options_;
    DraftWordRules draft_;
    std::unique_ptr<Compiled> compiled_;
};

// The steps one by one, for callers that replace a step (the keyword index) and for tests.
namespace pipeline_steps {
// Step 2: removes the whole-word occurrences of every entry, in list order.
Text ApplyNegativeList(TextView text, const std::vector<Text>& negativeList);
Text NormaliseSeparators(TextView text);                        // step 3
Text MarkCombinedWords(TextView text);                          // step 4
Text BlanksToFullStops(TextView text);                          // step 5
Text CollapseFullStops(TextView text);                          // step 6
Text RemoveDigits(TextView text);                               // step 7
Text RemoveLowerCaseWords(TextView text);                       // step 8
Text RemoveUpperCaseWords(TextView text);                       // step 9
Text ApplyMinimumLength(TextView text, int32_t minimumLength);  // step 10
// Step 11: hands every piece that is not blank to the sink.
void DeliverWords(TextView text, TextView key, TextView tag, const WordSink& sink);
}  // namespace pipeline_steps

// The built-in word lists, used when neg.txt or pos.txt does not exist.
const std::vector<Text>& BuiltInNegativeList();
const std::vector<Text>& BuiltInPositiveList();

}  // namespace lexorim
