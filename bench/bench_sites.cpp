// The file index and the keyword index over a generated site: 2,000 linked HTML documents of
// 50 MB in all, with a start page linking to all of them. Measures the link scan of the start
// page, the file index (HTML output) and the keyword index, each on one thread and on all cores,
// and the HTML writer on growing stores.
//
// usage: bench_sites WORK_DIR [DOCUMENTS] [MEGABYTES]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "corpus_generator.h"
#include "engine/collation.h"
#include "engine/ordered_parallel.h"
#include "engine/word_pipeline.h"
#include "fileindex/file_index_output.h"
#include "fileindex/file_index_run.h"
#include "indexing/source_list.h"
#include "keywordindex/keyword_run.h"

namespace fs = std::filesystem;
using namespace lexorim;

namespace {

double Seconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The processor time of the whole process (all threads) in seconds. On a machine shared with
// other work the elapsed times say little; the processor times still tell what a run costs.
double ProcessorSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// The site's pages: paragraphs of generated text with a few tags and links back to the start.
fs::path GenerateSite(const fs::path& folder, int documents, size_t megabytes) {
    const fs::path marker = folder / ".complete";
    const fs::path start = folder / "index.html";
    if (fs::exists(marker))
        return start;
    fs::create_directories(folder / "seiten");
    CorpusGenerator generator(2026);
    const size_t perDocument = megabytes * 1000 * 1000 / static_cast<size_t>(documents);
    std::string startPage = "<html><head><title>Start</title></head><body>\n";
    for (int i = 0; i < documents; ++i) {
        const std::string name = "seiten/seite" + std::to_string(i) + ".html";
        std::string page =
            "<html><head><title>Seite " + std::to_string(i) + "</title></head><body>\n";
        while (page.size() < perDocument) {
            page += "<p class=\"text\">" + generator.NextPageUtf8(1500, 3500) + "</p>\n";
            page += "<a href=\"../index.html\">Zur&uuml;ck</a>\n";
        }
        page += "</body></html>\n";
        std::ofstream(folder / name, std::ios::binary) << page;
        startPage += "<a href=\"" + name + "\">Seite " + std::to_string(i) + "</a><br>\n";
    }
    startPage += "</body></html>\n";
    std::ofstream(start, std::ios::binary) << startPage;
    std::ofstream(marker) << "ok";
    return start;
}

size_t FolderBytes(const fs::path& folder) {
    size_t bytes = 0;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            bytes += entry.file_size();
    }
    return bytes;
}

IndexStore StoreOfSize(size_t entries) {
    IndexStore store;
    Text lines;
    for (size_t i = 0; i < entries; ++i) {
        lines += u"Wort" + DecimalText(static_cast<int64_t>(i)) + u":Seite " +
                 DecimalText(static_cast<int64_t>(i % 97)) + u">seite.html|Start>index.html\r\n";
    }
    store.LoadIndexLines(lines, false);
    return store;
}

// The targets on the 2,000-page site: a speed-up of at least 1.7 on two cores or more, and at
// most `limit` seconds on all cores.
std::string TargetNote(const double (&seconds)[2], double limit) {
    const double speedUp = seconds[0] / seconds[1];
    const bool missed = (AllCores() >= 2 && speedUp < 1.7) || seconds[1] > limit;
    char note[96];
    std::snprintf(note, sizeof note, " (target speed-up >= 1.7, all cores <= %.1f s)%s", limit,
                  missed ? "  MISSED" : "");
    return note;
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path work = argc > 1 ? argv[1] : ".";
    const int documents = argc > 2 ? std::stoi(argv[2]) : 2000;
    const size_t megabytes = argc > 3 ? std::stoul(argv[3]) : 50;
    const fs::path folder =
        work / ("site-" + std::to_string(documents) + "-" + std::to_string(megabytes));
    const fs::path start = GenerateSite(folder, documents, megabytes);
    std::printf("site: %d documents, %.1f MB, %u cores\n", documents, FolderBytes(folder) / 1e6,
                AllCores());

    SourceList list;
    const double scan =
        Seconds([&] { ScanDocumentLinks(list, FromUtf8(start.string()), SourceOptions{}); });
    std::printf("ScanDocumentLinks of the start page: %.3f s (%zu rows)\n", scan, list.size());

    const std::vector<SourceDocument> sources = DocumentsOf(list);
    const LocaleCollator collator;
    WordLists lists;
    lists.negative = BuiltInNegativeList();
    lists.positive = BuiltInPositiveList();

    FileIndexOptions fileOptions;
    {
        // Where the time of one sequential run goes: documents into the store, finishing and
        // sorting, writing the page.
        std::vector<std::pair<std::string, std::chrono::steady_clock::time_point>> marks;
        RunProgress progress;
        progress.report = [&marks](TextView status, int) {
            const std::string text = ToUtf8(status);
            if (text.find("Datei") == std::string::npos)
                marks.emplace_back(text, std::chrono::steady_clock::now());
        };
        fileOptions.threads = 1;
        const auto begin = std::chrono::steady_clock::now();
        RunFileIndex(fileOptions, sources,
                     {.lists = lists,
                      .collator = collator,
                      .language = Language::German,
                      .progress = progress});
        marks.emplace_back("end", std::chrono::steady_clock::now());
        auto last = begin;
        std::printf("file index phases:");
        for (const auto& [name, time] : marks) {
            std::printf(" %s %.2f s;", name.c_str(),
                        std::chrono::duration<double>(time - last).count());
            last = time;
        }
        std::printf("\n");
    }
    double fileSeconds[2] = {};
    double fileProcessor[2] = {};
    size_t entries = 0;
    for (const unsigned threads : {1u, 0u}) {
        fileOptions.threads = threads;
        const double processorStart = ProcessorSeconds();
        fileSeconds[threads == 0] = Seconds([&] {
            entries =
                RunFileIndex(fileOptions, sources,
                             {.lists = lists, .collator = collator, .language = Language::German})
                    .store.EntryCount();
        });
        fileProcessor[threads == 0] = ProcessorSeconds() - processorStart;
    }
    std::printf(
        "file index (HTML): 1 thread %.2f s, all cores %.2f s, speed-up %.2f (%zu entries)%s\n",
        fileSeconds[0], fileSeconds[1], fileSeconds[0] / fileSeconds[1], entries,
        TargetNote(fileSeconds, 1.5).c_str());
    std::printf("  processor time: 1 thread %.2f s, all cores %.2f s\n", fileProcessor[0],
                fileProcessor[1]);

    KeywordOptions keywordOptions;
    double keywordSeconds[2] = {};
    double keywordProcessor[2] = {};
    for (const unsigned threads : {1u, 0u}) {
        keywordOptions.threads = threads;
        const double processorStart = ProcessorSeconds();
        keywordSeconds[threads == 0] = Seconds([&] {
            RunKeywordIndex(keywordOptions, sources,
                            {.lists = lists, .collator = collator, .language = Language::German});
        });
        keywordProcessor[threads == 0] = ProcessorSeconds() - processorStart;
    }
    std::printf("keyword index: 1 thread %.2f s, all cores %.2f s, speed-up %.2f%s\n",
                keywordSeconds[0], keywordSeconds[1], keywordSeconds[0] / keywordSeconds[1],
                TargetNote(keywordSeconds, 0.8).c_str());
    std::printf("  processor time: 1 thread %.2f s, all cores %.2f s\n", keywordProcessor[0],
                keywordProcessor[1]);

    // Best of three, on stores far larger than the caches, so both sizes pay the same per entry.
    double writer[2] = {1e9, 1e9};
    const size_t sizes[2] = {200000, 800000};
    for (int i = 0; i < 2; ++i) {
        const IndexStore store = StoreOfSize(sizes[i]);
        for (int round = 0; round < 3; ++round) {
            writer[i] = std::min(writer[i], Seconds([&] {
                                     WriteHtmlIndex(store, StandardHtmlDesign(), Language::German);
                                 }));
        }
    }
    std::printf("HTML writer: %zu entries %.3f s, %zu entries %.3f s, growth %.2f (linear = 4)\n",
                sizes[0], writer[0], sizes[1], writer[1], writer[1] / writer[0]);
    return 0;
}
