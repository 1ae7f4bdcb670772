#include "textindex/text_index_run.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <thread>
#include <utility>

#include "draft/draft_pipeline.h"
#include "draft/entry_passes.h"
#include "engine/case_rules.h"
#include "engine/collation.h"
#include "engine/large_buffers.h"
#include "engine/ordered_parallel.h"
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

constexpr TextView kTag = u"-";

unsigned RunThreads(const TextIndexOptions& options) {
    return options.threads == 0 ? AllCores() : options.threads;
}
// Pages are filtered in batches of about this many characters: enough to keep a thread busy for
// a while, few enough that the batches waiting for their turn stay small.
constexpr size_t kBatchCharacters = 64 * 1024;

// The words the pipeline gave for a run of consecutive pages, in the order it gave them.
struct FilteredPages {
    struct Page {
        Text label;
        Text key;
        size_t wordsEnd = 0;  // the page's words end here in `words`
    };
    struct Word {
        size_t start = 0;  // in `characters`
        size_t length = 0;
        uint64_t hash = 0;  // IndexStore::WordHash
    };
    std::vector<Page> pages;
    std::vector<Word> words;
    Text characters;
    std::optional<WordUsage> spellings;  // of the clean draft's spelling count

    TextView WordText(const Word& word) const {
        return TextView(characters).substr(word.start, word.length);
    }
};

// The words already given for the current page, found by their hash. A word that equals one of
// them ignoring case adds nothing to the store when duplicates are removed, so it is dropped
// before it reaches the store.
class PageWordSet {
  public:
    void StartPage() {
        ++generation_;
        count_ = 0;
        pageBegin_ = std::numeric_limits<size_t>::max();
    }

    // True when the word at `index` of `batch` equals an earlier word of the page; otherwise it
    // is noted.
    bool Repeats(const FilteredPages& batch, size_t index) {
        pageBegin_ = std::min(pageBegin_, index);
        if ((count_ + 1) * 2 > slots_.size()) {
            Grow(batch, index);
        }
        const FilteredPages::Word& word = batch.words[index];
        const size_t mask = slots_.size() - 1;
        for (size_t i = word.hash & mask;; i = (i + 1) & mask) {
            if (slots_[i].generation != generation_) {
                slots_[i] = {generation_, index};
                ++count_;
                return false;
            }
            const FilteredPages::Word& seen = batch.words[slots_[i].index];
            if (seen.hash == word.hash &&
                EqualsIgnoringCase(batch.WordText(seen), batch.WordText(word))) {
                return true;
            }
        }
    }

  private:
    struct Slot {
        uint64_t generation = 0;
        size_t index = 0;
    };

    // Doubles the table and enters the page's words kept so far again (those before `index`
    // that are still in the batch).
    void Grow(const FilteredPages& batch, size_t index) {
        slots_.assign(std::max<size_t>(64, slots_.size() * 2), Slot{});
        ++generation_;
        const size_t mask = slots_.size() - 1;
        for (size_t k = pageBegin_; k < index && k < batch.words.size(); ++k) {
            for (size_t i = batch.words[k].hash & mask;; i = (i + 1) & mask) {
                if (slots_[i].generation != generation_) {
                    slots_[i] = {generation_, k};
                    break;
                }
            }
        }
    }

    std::vector<Slot> slots_;
    uint64_t generation_ = 0;
    size_t count_ = 0;
    size_t pageBegin_ = 0;
};

// Per page text -> pipeline, for the pages [first, end): runs on any thread.
FilteredPages FilterPages(const PageList& pages, const DraftPageSelection& draftPages,
                          const DraftEntryPasses& passes, size_t first, size_t end,
                          const WordPipeline& pipeline, bool removeDuplicates) {
    FilteredPages batch;
    batch.pages.reserve(end - first);
    batch.spellings = passes.SpellingUsage();
    PageWordSet pageWords;
    bool dropRepeats = false;
    const WordSink collect = [&](TextView word, TextView key, TextView tag) {
        const uint64_t hash = IndexStore::WordHash(word);
        // The draft counts every spelling on a page, also those the store merges as repeats.
        if (batch.spellings)
            batch.spellings->Note(word, hash, key, tag);
        // The word's characters go in first: Repeats compares it by them with the page's others.
        const size_t start = batch.characters.size();
        batch.words.push_back({start, word.size(), hash});
        batch.characters.append(word);
        if (dropRepeats && pageWords.Repeats(batch, batch.words.size() - 1)) {
            batch.words.pop_back();
            batch.characters.resize(start);
        }
    };
    Text buffer;
    for (size_t i = first; i < end; ++i) {
        FilteredPages::Page page;
        page.label = pages.Label(i);
        page.key = ReferenceKeyOf(page.label);
        // A reference made of several pieces is never judged a duplicate, so its repeats stay.
        dropRepeats = removeDuplicates && page.key.find(u'|') == Text::npos;
        pageWords.StartPage();
        const TextView text = draftPages.PageText(pages, i, buffer);
        if (!text.empty())
            pipeline.FilterPageWords(text, page.key, kTag, collect);
        page.wordsEnd = batch.words.size();
        batch.pages.push_back(std::move(page));
    }
    return batch;
}

// What a run of the clean draft keeps from the pages to the finished store: the passes over the
// entries, the dictionaries (loaded once for the technical terms and the word forms) and the
// book's language.
struct DraftRun {
    explicit DraftRun(DraftEntryPasses entryPasses) : passes(std::move(entryPasses)) {}

    DraftEntryPasses passes;
    std::unique_ptr<RunDictionaries> dictionaries = std::make_unique<RunDictionaries>();
    std::string bookLanguage;
    // Lets the dictionaries go while the index is sorted and written.
    std::jthread release;
};

// Steps up to the filled store: empty it, load the existing index, read every page. The pages are
// filtered in batches on all threads the options allow, and their words enter the store on this
// thread in page order, so the store is the same as with one thread. With `releaseSource`, the
// memory of the source is given back as the pages are read.
void FillTextIndexStore(const TextIndexOptions& options, TextView source, bool releaseSource,
                        const WordLists& lists, IndexStore& store, DraftRun& draft,
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
    draft.bookLanguage = BookLanguage(options.draft, source);
    const unsigned threads = RunThreads(options);
    const BookPages bookPages{pages.size(), [&](size_t page, Text& buffer) {
                                  return draftPages.PageText(pages, page, buffer);
                              }};
    const WordPipeline pipeline =
        MakeBookPipeline(options.draft, pipelineOptions, lists, draft.bookLanguage, bookPages,
                         threads, *draft.dictionaries);
    // The word forms' second thread finds its dictionary loaded when the pages are done.
    if (options.draft.mergeWordForms && threads > 1 && !draft.bookLanguage.empty())
        draft.dictionaries->LoadSpareInBackground(draft.bookLanguage);
    const bool removeDuplicates = options.removeDuplicates;

    const size_t pagesPerBatch =
        std::max<size_t>(1, kBatchCharacters * pages.size() / std::max<size_t>(1, source.size()));
    const size_t batchCount = (pages.size() + pagesPerBatch - 1) / pagesPerBatch;
    const auto firstPageOf = [&](size_t batch) {
        return std::min(pages.size(), batch * pagesPerBatch);
    };

    const Text readingPage = StatusReadingPage(language);
    Text status;
    const void* keptFrom = source.data();
    ForEachInOrder<FilteredPages>(
        batchCount, threads,
        [&](size_t batch) {
            return FilterPages(pages, draftPages, draft.passes, firstPageOf(batch),
                               firstPageOf(batch + 1), pipeline, removeDuplicates);
        },
        [&](size_t batch, FilteredPages&& filtered) {
            size_t word = 0;
            for (const FilteredPages::Page& page : filtered.pages) {
                reporter.ThrowIfCancelled();
                status.assign(readingPage).append(page.label);
                reporter.NextItem();
                reporter.Report(status);
                if (word < page.wordsEnd)
                    draft.passes.NotePage(page.key, kTag);
                for (; word < page.wordsEnd; ++word) {
                    store.PrefetchAhead(word, filtered.words.size(), [&](size_t ahead) {
                        const FilteredPages::Word& next = filtered.words[ahead];
                        return std::pair(filtered.WordText(next), next.hash);
                    });
                    const FilteredPages::Word& entered = filtered.words[word];
                    store.AddReference(filtered.WordText(entered), entered.hash, page.key, kTag,
                                       removeDuplicates);
                }
            }
            if (filtered.spellings)
                draft.passes.AbsorbSpellings(*filtered.spellings);
            // Every page still to come starts at or after the next batch's first page.
            const size_t next = firstPageOf(batch + 1);
            if (releaseSource && next < pages.size()) {
                if (const char16_t* nextStart = pages.SourceStart(next)) {
                    keptFrom = ReleaseReadPages(keptFrom, nextStart);
                }
            }
        });
}

// Steps after the pages: finish combined words, sort, write the output.
Text FinishTextIndex(const TextIndexOptions& options, IndexStore& store, DraftRun& draft,
                     const RunEnvironment& environment, const ProgressReporter& reporter) {
    const Language language = environment.language;
    reporter.Report(StatusRefreshing(language));
    draft.passes.BeforeCombinedWords(store, draft.bookLanguage, *draft.dictionaries,
                                     RunThreads(options));
    if (environment.leaveUntilExit) {
        environment.leaveUntilExit(
            std::shared_ptr<const RunDictionaries>(std::move(draft.dictionaries)));
    } else {
        draft.release = ReleaseInBackground(std::move(draft.dictionaries));
    }
    if (options.multipleCombined) {
        store.ExpandCombinedWords(ShortestHeadingPart(options.draft, options.criteria));
    } else {
        store.JoinCombinedWords();
    }
    draft.passes.AfterCombinedWords(store);
    store.SortStore(environment.collator, options.draft.headingsFirst);

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
    DraftRun draft(DraftEntryPasses(options.draft, options.removeDuplicates));
    FillTextIndexStore(options, source, false, environment.lists, result.store, draft,
                       environment.language, reporter);
    result.output = FinishTextIndex(options, result.store, draft, environment, reporter);
    return result;
}

TextIndexResult RunTextIndexOnOwnedSource(const TextIndexOptions& options, Text&& source,
                                          const RunEnvironment& environment) {
    ProgressReporter reporter(environment.progress);
    TextIndexResult result;
    DraftRun draft(DraftEntryPasses(options.draft, options.removeDuplicates));
    {
        const Text pagesSource = std::move(source);
        FillTextIndexStore(options, pagesSource, true, environment.lists, result.store, draft,
                           environment.language, reporter);
    }
    result.output = FinishTextIndex(options, result.store, draft, environment, reporter);
    return result;
}

}  // namespace lexorim
