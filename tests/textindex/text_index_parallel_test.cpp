// Pages filtered on several threads give the same store and output as one page after the other.

#include <gtest/gtest.h>

#include "corpus_generator.h"
#include "draft/draft_options.h"
#include "engine/collation.h"
#include "engine/word_pipeline.h"
#include "indexing/index_file.h"
#include "textindex/page_designations.h"
#include "textindex/page_list.h"
#include "textindex/text_index_run.h"

namespace lexorim {
namespace {

// A generated book of a few hundred kilobytes (many batches of pages), with a page number line
// after every 12 lines for designation mode.
const Text& Book() {
    static const Text book = [] {
        CorpusOptions corpus;
        corpus.seed = 7;
        corpus.targetBytes = 400 * 1000;
        corpus.pageNumbersEvery = 12;
        corpus.minPageBytes = 40;
        corpus.maxPageBytes = 400;
        return FromUtf8(GenerateCorpus(corpus));
    }();
    return book;
}

// The store filled word by word, page by page, as the pipeline gives the words.
IndexStore StoreOnePageAfterTheOther(const TextIndexOptions& options, const WordLists& lists,
                                     const LocaleCollator& collator) {
    const PageList pages =
        options.lineMode
            ? PageList::FromLines(Book(), options.firstPage)
            : PageList::FromDesignations(Book(), options.designations, options.designationsAbove);
    PipelineOptions pipelineOptions;
    pipelineOptions.criteria = options.criteria;
    pipelineOptions.positiveHitsJoinBlanks = options.criteria.markCombined;
    const WordPipeline pipeline(pipelineOptions, lists.negative, lists.positive);
    IndexStore store;
    const WordSink sink = [&](TextView word, TextView key, TextView tag) {
        store.AddReference(word, key, tag, options.removeDuplicates);
    };
    Text buffer;
    for (size_t i = 0; i < pages.size(); ++i) {
        const TextView text = pages.PageText(i, buffer);
        if (!text.empty())
            pipeline.FilterPageWords(text, ReferenceKeyOf(pages.Label(i)), u"-", sink);
    }
    if (options.multipleCombined) {
        store.ExpandCombinedWords();
    } else {
        store.JoinCombinedWords();
    }
    store.SortStore(collator);
    return store;
}

void ExpectSameStore(const IndexStore& actual, const IndexStore& expected) {
    for (int b = 0; b < IndexStore::kBucketCount; ++b) {
        ASSERT_EQ(actual.Bucket(b), expected.Bucket(b)) << "bucket " << b;
    }
}

struct Case {
    const char* name;
    bool lineMode;
    bool removeDuplicates;
    bool multipleCombined;
    bool repeatedLabels;  // every designation twice, so references come back
};

class TextIndexParallelTest : public ::testing::TestWithParam<Case> {};

TEST_P(TextIndexParallelTest, GivesTheStoreAndOutputOfOnePageAfterTheOther) {
    const Case& c = GetParam();
    TextIndexOptions options;
    options.lineMode = c.lineMode;
    options.removeDuplicates = c.removeDuplicates;
    options.multipleCombined = c.multipleCombined;
    std::vector<TextView> lines = SplitLines(Book());
    options.designations = ReadOutDesignations(lines, DesignationCriteria{});
    ASSERT_GT(options.designations.size(), 100u);
    if (c.repeatedLabels) {
        for (Text& item : options.designations) {
            const DesignationItem parsed = ParseDesignationItem(item);
            item = FormatDesignationItem(DecimalText(*parsed.lineNumber / 100), *parsed.lineNumber);
        }
    }
    WordLists lists;
    lists.negative = BuiltInNegativeList();
    lists.positive = BuiltInPositiveList();
    const LocaleCollator collator{"de_DE"};
    const RunEnvironment environment{
        .lists = lists, .collator = collator, .language = Language::German};

    const IndexStore expected = StoreOnePageAfterTheOther(options, lists, collator);
    ASSERT_GT(expected.EntryCount(), 1000u);
    options.threads = 1;
    const TextIndexResult single = RunTextIndex(options, Book(), environment);
    ExpectSameStore(single.store, expected);
    for (const unsigned threads : {2u, 5u}) {
        options.threads = threads;
        const TextIndexResult parallel = RunTextIndex(options, Book(), environment);
        ExpectSameStore(parallel.store, expected);
        EXPECT_EQ(parallel.output, single.output) << threads << " threads";
        const TextIndexResult owned = RunTextIndexOnOwnedSource(options, Text(Book()), environment);
        EXPECT_EQ(owned.output, single.output) << threads << " threads, owned source";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TextIndexParallelTest,
    ::testing::Values(Case{"LineMode", true, true, true, false},
                      Case{"LineModeKeepingDuplicates", true, false, true, false},
                      Case{"Designations", false, true, true, false},
                      Case{"DesignationsJoiningCombinedWords", false, true, false, false},
                      Case{"RepeatedDesignations", false, true, true, true}),
    [](const ::testing::TestParamInfo<Case>& info) { return info.param.name; });

// The clean draft notes every word in page order and reads the pages before they are filtered
// (running heads, technical terms, the language): on several threads it stays the same too.
TEST(TextIndexParallelDraftTest, TheDraftGivesTheOutputOfOneThread) {
    for (const bool lineMode : {false, true}) {
        TextIndexOptions options;
        options.lineMode = lineMode;
        std::vector<TextView> lines = SplitLines(Book());
        options.designations = ReadOutDesignations(lines, DesignationCriteria{});
        options.draft = WithEveryDraftOption(DraftOptions{});
        WordLists lists;
        lists.negative = BuiltInNegativeList();
        lists.positive = BuiltInPositiveList();
        const LocaleCollator collator{"de_DE"};
        const RunEnvironment environment{
            .lists = lists, .collator = collator, .language = Language::German};

        options.threads = 1;
        const TextIndexResult single = RunTextIndex(options, Book(), environment);
        TextIndexOptions plain = options;
        plain.draft = DraftOptions{};
        ASSERT_NE(single.output, RunTextIndex(plain, Book(), environment).output)
            << "the draft changes nothing, line mode " << lineMode;
        for (const unsigned threads : {2u, 5u}) {
            options.threads = threads;
            EXPECT_EQ(RunTextIndex(options, Book(), environment).output, single.output)
                << threads << " threads, line mode " << lineMode;
            EXPECT_EQ(RunTextIndexOnOwnedSource(options, Text(Book()), environment).output,
                      single.output)
                << threads << " threads, owned source, line mode " << lineMode;
        }
    }
}

}  // namespace
}  // namespace lexorim
