#include "keywordindex/keyword_run.h"

#include <deque>
#include <iterator>

#include "draft/draft_pipeline.h"
#include "draft/keyword_relevance.h"
#include "engine/flat_text_map.h"
#include "engine/html_cleaning.h"
#include "engine/ordered_parallel.h"
#include "engine/word_pipeline.h"
#include "indexing/source_documents.h"
#include "indexing/status_texts.h"

namespace lexorim {

namespace {

// The words of one document. A word is kept once when duplicates are removed; the comparison is
// exact. Positive-list hits come first and are distinct lines of the list, so checking them too
// changes nothing.
class KeywordCollector {
  public:
    explicit KeywordCollector(bool removeDuplicates) : removeDuplicates_(removeDuplicates) {}

    void Add(TextView word) {
        words_.emplace_back(word);
        // The set looks at the kept word itself; a repeat is taken back.
        if (removeDuplicates_ && !seen_.Insert(words_.back()))
            words_.pop_back();
    }
    std::vector<Text> TakeWords() {
        return {std::make_move_iterator(words_.begin()), std::make_move_iterator(words_.end())};
    }

  private:
    bool removeDuplicates_;
    // The words stay where they were added, so the set can look at them instead of copies.
    std::deque<Text> words_;
    FlatTextViewSet seen_;
};

std::vector<Text> DocumentKeywords(const SourceDocumentReader& reader,
                                   const DraftPipelines& pipelines, const SourceDocument& document,
                                   const KeywordOptions& options) {
    std::optional<Text> text = reader.Read(document.source);
    if (!text)
        return {};
    *text += u' ';
    if (options.removeHtml)
        *text = RemoveHtmlTags(*text);
    // Ranking needs every occurrence; it removes the repeats itself.
    KeywordCollector collector(options.removeDuplicates && !options.draft.rankKeywords);
    const WordPipeline& pipeline = pipelines.For(*text);
    pipeline.FilterPageWords(
        *text, document.name, document.link,
        [&collector](TextView word, TextView, TextView) { collector.Add(word); });
    return collector.TakeWords();
}

// The draft options weigh each document's words against those of the whole run.
void ApplyDraftOptions(std::vector<KeywordDocument>& collected, const KeywordOptions& options) {
    if (!options.draft.rankKeywords && !options.draft.leaveOutCommonWords)
        return;
    std::vector<std::vector<Text>> words(collected.size());
    for (size_t i = 0; i < collected.size(); ++i)
        words[i] = std::move(collected[i].words);
    CleanKeywordLists(words, options.draft, options.removeDuplicates);
    for (size_t i = 0; i < collected.size(); ++i)
        collected[i].words = std::move(words[i]);
}

}  // namespace

std::vector<KeywordDocument> CollectKeywords(const KeywordOptions& options,
                                             const std::vector<SourceDocument>& documents,
                                             const RunEnvironment& environment,
                                             const ReadContext& readContext) {
    const RunProgress& progress = environment.progress;
    const Language language = environment.language;
    ProgressReporter reporter(progress);
    reporter.Report(StatusPreparing(language));
    reporter.BeginItems(documents.size());

    // Positive-list hits are listed as written in the list, blanks and all.
    PipelineOptions pipelineOptions;
    pipelineOptions.criteria = options.criteria;
    pipelineOptions.positiveHitsJoinBlanks = false;
    const DraftPipelines pipelines(options.draft, pipelineOptions, environment.lists);
    SourceDocumentReader reader(readContext);
    reader.LayOutAhead(documents);

    std::vector<KeywordDocument> collected;
    collected.reserve(documents.size());
    const Text readingFile = StatusReadingFile(language);
    ForEachInOrder<std::vector<Text>>(
        documents.size(), options.threads == 0 ? AllCores() : options.threads,
        [&](size_t i) {
            if (progress.cancel != nullptr && progress.cancel->load(std::memory_order_relaxed))
                return std::vector<Text>{};  // the calling thread stops at this document anyway
            return DocumentKeywords(reader, pipelines, documents[i], options);
        },
        [&](size_t i, std::vector<Text>&& words) {
            reporter.ThrowIfCancelled();
            reporter.NextItem();
            reporter.Report(readingFile + documents[i].source);
            collected.push_back({documents[i].name, documents[i].link, std::move(words)});
        });
    ApplyDraftOptions(collected, options);
    reporter.Report(StatusWriting(language));
    return collected;
}

Text RunKeywordIndex(const KeywordOptions& options, const std::vector<SourceDocument>& documents,
                     const RunEnvironment& environment, const ReadContext& readContext) {
    std::vector<KeywordDocument> collected =
        CollectKeywords(options, documents, environment, readContext);
    KeywordOutputOptions output;
    output.combinedWords = options.criteria.markCombined;
    output.underEachOther = options.underEachOther;
    output.alphabetical = options.alphabetical;
    output.useDesign = options.useDesign;
    output.design = options.design;
    output.threads = options.threads;
    return WriteKeywordOutput(collected, output);
}

}  // namespace lexorim
