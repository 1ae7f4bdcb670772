#include "draft/draft_pipeline.h"

#include <algorithm>
#include <future>

#include "draft/language_guess.h"
#include "draft/stop_words.h"
#include "draft/technical_terms.h"
#include "engine/ordered_parallel.h"

namespace lexorim {

namespace {

// The languages whose stop words a run over documents has a pipeline for.
const std::vector<std::string> kListedLanguages = {"de", "en"};

}  // namespace

DraftWordSetup DraftWordSetupFor(const DraftOptions& draft, PipelineOptions options,
                                 const std::vector<Text>& negativeList,
                                 const std::string& language) {
    DraftWordSetup setup{std::move(options), negativeList, {}};
    setup.rules.keepShortWordsInNames = draft.keepShortWordsInNames;
    if (!draft.languageStopWords)
        return setup;
    // The draft's words come after the user's list, and apply even when the user's list is off.
    if (!setup.options.criteria.useNegativeList)
        setup.negativeList.clear();
    setup.options.criteria.useNegativeList = true;
    const std::vector<Text>& stopWords = DraftStopWords(language);
    setup.negativeList.insert(setup.negativeList.end(), stopWords.begin(), stopWords.end());
    return setup;
}

std::string BookLanguage(const DraftOptions& draft, TextView source) {
    if (!draft.languageStopWords && !draft.technicalTerms && !draft.mergeWordForms)
        return {};
    return ResolveDraftLanguage(draft, LanguageSample(source));
}

namespace {

// The lower-case words of every page counted in runs of pages on several threads; the counts of
// the runs add up to those of one pass, whatever the number of threads.
TechnicalTermCounter CountPageWords(const WordCriteria& criteria, const BookPages& pages,
                                    unsigned threads) {
    constexpr size_t kPagesPerRun = 256;
    const size_t runs = (pages.count + kPagesPerRun - 1) / kPagesPerRun;
    TechnicalTermCounter total(criteria);
    ForEachInOrder<TechnicalTermCounter>(
        runs, threads,
        [&](size_t run) {
            TechnicalTermCounter counter(criteria);
            Text buffer;
            const size_t end = std::min(pages.count, (run + 1) * kPagesPerRun);
            for (size_t page = run * kPagesPerRun; page < end; ++page)
                counter.AddPage(pages.text(page, buffer));
            return counter;
        },
        [&](size_t, TechnicalTermCounter&& counter) { total.Absorb(counter); });
    return total;
}

}  // namespace

WordPipeline MakeBookPipeline(const DraftOptions& draft, PipelineOptions options,
                              const WordLists& lists, const std::string& language,
                              const BookPages& pages, unsigned threads,
                              RunDictionaries& dictionaries) {
    const bool findTerms = draft.technicalTerms && options.criteria.lowerCaseOut;
    DraftWordSetup setup = DraftWordSetupFor(draft, std::move(options), lists.negative, language);
    if (findTerms) {
        // The dictionaries load while the pages are counted; nothing else uses them meanwhile.
        std::future<KnownWordCheck> known = std::async(
            std::launch::async, [&] { return KnownWordsForTerms(language, dictionaries); });
        const TechnicalTermCounter counter = CountPageWords(setup.options.criteria, pages, threads);
        setup.rules.keepLowerCaseWord = TermCheck(counter.Terms(known.get()));
    }
    return WordPipeline(std::move(setup.options), std::move(setup.negativeList), lists.positive,
                        std::move(setup.rules));
}

size_t ShortestHeadingPart(const DraftOptions& draft, const WordCriteria& criteria) {
    if (!draft.keepShortWordsInNames || !criteria.minLengthOn)
        return 0;
    return static_cast<size_t>(std::max(criteria.MinimumLength(), 0));
}

DraftPipelines::DraftPipelines(const DraftOptions& draft, const PipelineOptions& options,
                               const WordLists& lists)
    : draft_(draft) {
    if (draft.languageStopWords) {
        const bool detect = draft.language.empty() || draft.language == "auto";
        languages_ = detect ? kListedLanguages : std::vector<std::string>{draft.language};
        languages_.emplace_back();
    } else {
        languages_ = {std::string()};
    }
    for (const std::string& language : languages_) {
        DraftWordSetup setup = DraftWordSetupFor(draft, options, lists.negative, language);
        pipelines_.emplace_back(std::move(setup.options), std::move(setup.negativeList),
                                lists.positive, std::move(setup.rules));
    }
}

const WordPipeline& DraftPipelines::For(TextView documentText) const {
    if (pipelines_.size() == 1)
        return pipelines_.front();
    const std::string language = ResolveDraftLanguage(draft_, LanguageSample(documentText));
    const auto found = std::find(languages_.begin(), languages_.end(), language);
    return found == languages_.end() ? pipelines_.back()
                                     : pipelines_[static_cast<size_t>(found - languages_.begin())];
}

}  // namespace lexorim
