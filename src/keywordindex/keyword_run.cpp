#include "keywordindex/keyword_run.h"

#include <unordered_set>

#include "draft/draft_pipeline.h"
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
        if (removeDuplicates_ && !seen_.emplace(word).second)
            return;
        words_.emplace_back(word);
    }
    std::vector<Text> TakeWords() { return std::move(words_); }

  private:
    bool removeDuplicates_;
    std::unordered_set<Text> seen_;
    std::vector<Text> words_;
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
    KeywordCollector collector(options.removeDuplicates);
    const WordPipeline& pipeline = pipelines.For(*text);
    pipeline.FilterPageWords(
        *text, document.name, document.link,
        [&collector](TextView word, TextView, TextView) { collector.Add(word); });
    return collector.TakeWords();
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
    return WriteKeywordOutput(collected, output);
}

}  // namespace lexorim
