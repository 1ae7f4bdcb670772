#include "textindex/text_index_run.h"

#include "draft/draft_pipeline.h"
#include "draft/entry_passes.h"
#include "engine/collation.h"
#include "engine/word_pipeline.h"
#include "indexing/index_file.h"
#include "indexing/status_texts.h"
#include "textindex/draft_pages.h"
#include "textindex/page_list.h"
#include "textindex/text_index_output.h"

namespace lexorim {

namespace {

PageList BuildPageList(const TextIndexOptions& options, TextView source) {
    if (options.lineMode) {
        return PageList::FromLines(source, options.firstPage);
    }
    return PageList::FromDesignations(source, options.designations, options.designationsAbove);
}

}  // namespace

namespace {

// Steps up to the filled store: empty it, load the existing index, read every page.
void FillTextIndexStore(const TextIndexOptions& options, TextView source, const WordLists& lists,
                        IndexStore& store, DraftEntryPasses& passes, std::string& bookLanguage,
                        Language language, ProgressReporter& reporter) {
    reporter.Report(StatusPreparing(language));
    if (options.addToExisting) {
        LoadExistingIndex(
            store, options.existingIndexPath,
            ExistingIndexRules(options.multipleCombined, options.criteria.markCombined));
    }

    const PageList pages = BuildPageList(options, source);
    const DraftPageSelection draftPages(options.draft, pages, options.lineMode, language);
    reporter.BeginItems(pages.size());

    PipelineOptions pipelineOptions;
    pipelineOptions.criteria = options.criteria;
    pipelineOptions.positiveHitsJoinBlanks = options.criteria.markCombined;
    bookLanguage = BookLanguage(options.draft, source);
    Text pageBuffer;
    const WordPipeline pipeline = MakeBookPipeline(
        options.draft, pipelineOptions, lists, bookLanguage, [&](const auto& visit) {
            for (size_t i = 0; i < pages.size(); ++i)
                visit(draftPages.PageText(pages, i, pageBuffer));
        });
    const bool removeDuplicates = options.removeDuplicates;
    const WordSink sink = [&store, &passes, removeDuplicates](TextView word, TextView key,
                                                              TextView tag) {
        store.AddReference(word, key, tag, removeDuplicates);
        passes.NoteWord(word, key, tag);
    };

    const Text readingPage = StatusReadingPage(language);
    Text status;
    Text buffer;
    for (size_t i = 0; i < pages.size(); ++i) {
        reporter.ThrowIfCancelled();
        const Text label = pages.Label(i);
        status.assign(readingPage).append(label);
        const Text key = ReferenceKeyOf(label);
        reporter.NextItem();
        reporter.Report(status);
        const TextView text = draftPages.PageText(pages, i, buffer);
        if (!text.empty())
            pipeline.FilterPageWords(text, key, u"-", sink);
    }
}

// Steps after the pages: finish combined words, sort, write the output.
Text FinishTextIndex(const TextIndexOptions& options, IndexStore& store,
                     const DraftEntryPasses& passes, const std::string& bookLanguage,
                     const LocaleCollator& collator, Language language,
                     const ProgressReporter& reporter) {
    reporter.Report(StatusRefreshing(language));
    passes.BeforeCombinedWords(store, bookLanguage);
    if (options.multipleCombined) {
        store.ExpandCombinedWords(ShortestHeadingPart(options.draft, options.criteria));
    } else {
        store.JoinCombinedWords();
    }
    passes.AfterCombinedWords(store);
    store.SortStore(collator, options.draft.headingsFirst);

    reporter.Report(StatusWriting(language));
    if (!options.buildOutputText)
        return {};
    return WriteTextIndexOutput(store, options.useDesign ? options.design : TextIndexDesign{});
}

}  // namespace

TextIndexResult RunTextIndex(const TextIndexOptions& options, TextView source,
                             const RunEnvironment& environment) {
    ProgressReporter reporter(environment.progress);
    TextIndexResult result;
    DraftEntryPasses passes(options.draft, options.removeDuplicates);
    std::string bookLanguage;
    FillTextIndexStore(options, source, environment.lists, result.store, passes, bookLanguage,
                       environment.language, reporter);
    result.output = FinishTextIndex(options, result.store, passes, bookLanguage,
                                    environment.collator, environment.language, reporter);
    return result;
}

TextIndexResult RunTextIndexOnOwnedSource(const TextIndexOptions& options, Text&& source,
                                          const RunEnvironment& environment) {
    ProgressReporter reporter(environment.progress);
    TextIndexResult result;
    DraftEntryPasses passes(options.draft, options.removeDuplicates);
    std::string bookLanguage;
    {
        const Text pagesSource = std::move(source);
        FillTextIndexStore(options, pagesSource, environment.lists, result.store, passes,
                           bookLanguage, environment.language, reporter);
    }
    result.output = FinishTextIndex(options, result.store, passes, bookLanguage,
                                    environment.collator, environment.language, reporter);
    return result;
}

}  // namespace lexorim
