// bench_pipeline WORK_DIR [SIZE_MB]
// Speed of the word pipeline feeding the entry store (FilterPageWords + AddReference) with the
// default criteria and the built-in word lists, on a generated corpus of SIZE_MB megabytes
// (default 10), one page per line; then finishing the store (expanding combined words and
// sorting). The literal versions run on the first megabyte in the same run as the baseline.

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unordered_set>
#include <vector>

#include "corpus_generator.h"
#include "engine/collation.h"
#include "engine/index_store.h"
#include "engine/word_pipeline.h"
#include "reference/index_store_reference.h"
#include "reference/word_pipeline_reference.h"

namespace {

using Clock = std::chrono::steady_clock;
using lexorim::Text;
using lexorim::TextView;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Page {
    Text text;
    Text label;
    size_t utf8Bytes;
};

std::string ReadOrGenerateCorpus(const std::filesystem::path& workDir, double sizeMb) {
    std::ostringstream name;
    name << "corpus-" << sizeMb << "mb.txt";
    const std::filesystem::path path = workDir / name.str();
    if (std::filesystem::exists(path)) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    lexorim::CorpusOptions options;
    options.targetBytes = static_cast<size_t>(sizeMb * 1e6);
    std::string corpus = lexorim::GenerateCorpus(options);
    std::error_code ignored;
    std::filesystem::create_directories(workDir, ignored);
    std::ofstream(path, std::ios::binary).write(corpus.data(), std::streamsize(corpus.size()));
    return corpus;
}

std::vector<Page> SplitPages(const std::string& corpus) {
    std::vector<Page> pages;
    size_t start = 0;
    while (start < corpus.size()) {
        size_t end = corpus.find('\n', start);
        if (end == std::string::npos)
            end = corpus.size();
        const std::string_view line(corpus.data() + start, end - start);
        pages.push_back({lexorim::FromUtf8(line), lexorim::DecimalText(long(pages.size()) + 1),
                         line.size() + 1});
        start = end + 1;
    }
    return pages;
}

size_t PeakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stoul(line.substr(6));
    }
    return 0;
}

size_t HeapInUse() {
    return mallinfo2().uordblks;
}

struct Timing {
    size_t heapAfterFill = 0;  // heap growth while filling, and after finishing
    size_t heapAfterFinish = 0;
    double fill = 0;
    double expand = 0;
    double sort = 0;
    size_t bytes = 0;
};

template <typename Store, typename Filter>
Timing Run(const std::vector<Page>& pages, size_t byteLimit, Store& store, Filter&& filter,
           const lexorim::LocaleCollator& collator) {
    Timing timing;
    const auto sink = [&](TextView word, TextView key, TextView tag) {
        store.AddReference(word, key, tag, true);
    };
    const size_t heapBefore = HeapInUse();
    const auto start = Clock::now();
    for (const Page& page : pages) {
        if (timing.bytes >= byteLimit)
            break;
        timing.bytes += page.utf8Bytes;
        if (!page.text.empty())
            filter(page.text, page.label, sink);
    }
    timing.fill = SecondsSince(start);
    timing.heapAfterFill = HeapInUse() - heapBefore;
    const auto expandStart = Clock::now();
    store.ExpandCombinedWords();
    timing.expand = SecondsSince(expandStart);
    const auto sortStart = Clock::now();
    store.SortStore(collator);
    timing.sort = SecondsSince(sortStart);
    timing.heapAfterFinish = HeapInUse() - heapBefore;
    return timing;
}

template <typename A, typename B>
bool SameBuckets(const A& a, const B& b) {
    for (int i = 0; i < lexorim::IndexStore::kBucketCount; ++i) {
        if (a.Bucket(i) != b.Bucket(i))
            return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: bench_pipeline WORK_DIR [SIZE_MB]\n";
        return 2;
    }
    const std::filesystem::path workDir = argv[1];
    const double sizeMb = argc > 2 ? std::stod(argv[2]) : 10.0;
    constexpr size_t kReferenceBytes = 1000000;

    const std::vector<Page> pages = SplitPages(ReadOrGenerateCorpus(workDir, sizeMb));
    const lexorim::LocaleCollator collator("de_DE");
    const lexorim::WordCriteria defaults;
    const auto& negative = lexorim::BuiltInNegativeList();
    const auto& positive = lexorim::BuiltInPositiveList();

    const lexorim::WordPipeline pipeline({defaults, true}, negative, positive);
    const auto productFilter = [&](TextView page, TextView key, const lexorim::WordSink& sink) {
        pipeline.FilterPageWords(page, key, u"-", sink);
    };
    const auto referenceFilter = [&](TextView page, TextView key, const lexorim::WordSink& sink) {
        lexorim::reference::FilterPageWords(page, defaults, true, negative, positive, key, u"-",
                                            sink);
    };

    lexorim::IndexStore product;
    const Timing fast = Run(pages, SIZE_MAX, product, productFilter, collator);
    const double fastMb = double(fast.bytes) / 1e6;
    std::printf(
        "product:   %7.2f MB  fill %6.3f s  %7.1f MB/s  expand %6.3f s  sort %6.3f s  "
        "%zu entries\n",
        fastMb, fast.fill, fastMb / fast.fill, fast.expand, fast.sort, product.EntryCount());
    std::printf(
        "store memory: %.1f MB after filling, %.1f MB finished (%.2fx and %.2fx the "
        "input)\n",
        double(fast.heapAfterFill) / 1e6, double(fast.heapAfterFinish) / 1e6,
        double(fast.heapAfterFill) / double(fast.bytes),
        double(fast.heapAfterFinish) / double(fast.bytes));

    lexorim::IndexStore productSmall;
    const Timing fastSmall = Run(pages, kReferenceBytes, productSmall, productFilter, collator);
    lexorim::reference::IndexStore reference;
    const Timing slow = Run(pages, kReferenceBytes, reference, referenceFilter, collator);
    const double slowMb = double(slow.bytes) / 1e6;
    std::printf("reference: %7.2f MB  fill %6.3f s  %7.1f MB/s  expand %6.3f s  sort %6.3f s\n",
                slowMb, slow.fill, slowMb / slow.fill, slow.expand, slow.sort);
    std::printf(
        "speed-up (MB/s product / MB/s reference): %.1fx; product on the same %.2f MB: "
        "%.3f s, %.1fx\n",
        (fastMb / fast.fill) / (slowMb / slow.fill), slowMb, fastSmall.fill,
        slow.fill / fastSmall.fill);
    const bool same = SameBuckets(productSmall, reference);
    std::printf("product and reference stores on the same pages: %s\n",
                same ? "identical" : "DIFFERENT");

    // A long positive list as an indexer might give it: 2,000 capitalised words of the text,
    // every 20th distinct one in order of appearance, so both frequent and rare terms.
    std::vector<Text> longPositive;
    {
        std::vector<Text> distinct;
        std::unordered_set<Text> seen;
        for (const Page& page : pages) {
            for (const TextView word : lexorim::SplitViewsAt(page.text, u" ")) {
                const bool capitalisedWord =
                    word.size() >= 4 && word[0] >= u'A' && word[0] <= u'Z' &&
                    std::all_of(word.begin(), word.end(), [](char16_t c) { return c >= u'A'; });
                if (capitalisedWord && seen.emplace(word).second) {
                    distinct.emplace_back(word);
                }
            }
        }
        for (size_t i = 0; i < distinct.size() && longPositive.size() < 2000; i += 20) {
            longPositive.push_back(distinct[i]);
        }
    }
    lexorim::WordCriteria withPositive;
    withPositive.usePositiveList = true;
    const lexorim::WordPipeline positivePipeline({withPositive, true}, negative, longPositive);
    lexorim::IndexStore positiveStore;
    const Timing positiveRun = Run(
        pages, SIZE_MAX, positiveStore,
        [&](TextView page, TextView key, const lexorim::WordSink& sink) {
            positivePipeline.FilterPageWords(page, key, u"-", sink);
        },
        collator);
    std::printf("product with a positive list of %zu lines: fill %6.3f s  %7.1f MB/s\n",
                longPositive.size(), positiveRun.fill,
                double(positiveRun.bytes) / 1e6 / positiveRun.fill);
    std::printf("peak resident memory: %.1f MB\n", double(PeakResidentKb()) / 1e3);
    return same ? 0 : 1;
}
