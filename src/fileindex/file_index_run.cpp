#include "fileindex/file_index_run.h"

#include <algorithm>
#include <filesystem>
#include <unordered_set>

#include "draft/common_words.h"
#include "draft/draft_pipeline.h"
#include "engine/case_rules.h"
#include "engine/collation.h"
#include "engine/html_cleaning.h"
#include "engine/ordered_parallel.h"
#include "engine/word_pipeline.h"
#include "fileindex/file_index_output.h"
#include "indexing/index_file.h"
#include "indexing/source_documents.h"
#include "indexing/status_texts.h"

namespace lexorim {

namespace {

// "&" is the join mark of combined words, and finishing the store turns every "&" of a reference
// into a blank. Document names and links may hold "&" of their own ("Müller & Söhne"), so a
// literal "&" stands as this private-use character until the store is finished.
constexpr char16_t kLiteralAmpersand = u'\uE026';

// A document's name or link as it enters a reference: its own "&" protected, and its blanks as
// the join mark when the loaded index lines have them so, so that the same document of the
// loaded index and of this run is one reference.
Text ReferencePart(TextView text, bool blanksAsJoinMark) {
    Text part(text);
    std::replace(part.begin(), part.end(), u'&', kLiteralAmpersand);
    if (blanksAsJoinMark)
        std::replace(part.begin(), part.end(), u' ', u'&');
    return part;
}

// Index files written while scanned names were stored HTML-encoded hold names such as
// "&Uuml;ber Uns" or "A &amp; B". The names of the loaded lines are read as the characters their
// references stand for, so that old and new files show the same names and the same document of
// the file and of this run is one reference.
Text WithPlainNames(TextView indexText) {
    if (indexText.find(u'&') == TextView::npos)
        return Text(indexText);
    Text result;
    result.reserve(indexText.size());
    size_t lineStart = 0;
    while (lineStart < indexText.size()) {
        const size_t lineEnd =
            std::min(indexText.find_first_of(u"\r\n", lineStart), indexText.size());
        const TextView line = indexText.substr(lineStart, lineEnd - lineStart);
        const size_t colon = line.find(u':');
        if (colon == TextView::npos || line.find(u'&', colon) == TextView::npos) {
            result += line;
        } else {
            result += line.substr(0, colon + 1);
            bool first = true;
            for (const TextView reference : SplitViewsAt(line.substr(colon + 1), u"|")) {
                if (!first)
                    result += u'|';
                first = false;
                const size_t gt = reference.find(u'>');
                if (gt == TextView::npos) {
                    result += reference;
                    continue;
                }
                result += ReferenceKeyOf(DecodeHtmlEntities(reference.substr(0, gt)));
                result += reference.substr(gt);
            }
        }
        const size_t next =
            std::min(indexText.find_first_not_of(u"\r\n", lineEnd), indexText.size());
        result += indexText.substr(lineEnd, next - lineEnd);
        lineStart = next;
    }
    return result;
}

IndexStore::IndexLineRules LoadRulesFor(const FileIndexOptions& options) {
    return ExistingIndexRules(options.multipleCombined, options.criteria.markCombined);
}

void LoadExistingFileIndex(IndexStore& store, const FileIndexOptions& options,
                           const ReadContext& context) {
    std::error_code error;
    const std::string& path = options.existingIndexPath;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return;
    Text text = WithPlainNames(ReadTextFile(path, context));
    std::replace(text.begin(), text.end(), u'&', kLiteralAmpersand);
    store.LoadIndexLines(text, LoadRulesFor(options));
}

bool HoldsLiteralAmpersand(TextView text) {
    return text.find(kLiteralAmpersand) != TextView::npos;
}

// The words of one document in the order the pipeline delivers them.
struct DocumentWords {
    bool exists = false;
    Text letters;
    std::vector<size_t> ends;
    std::vector<uint64_t> hashes;  // IndexStore::WordHash of each word, found on the reading thread
    bool literalAmpersand = false;  // the text holds the stand-in of "&", so its words may too
};

// With duplicate references removed, a word that the document already gave (same bucket, same
// upper-cased form) would find its entry holding this document's reference already, so it is
// left out here, on the reading thread, instead of in the store.
class RepeatFilter {
  public:
    explicit RepeatFilter(bool active) : active_(active) {}
    bool IsRepeat(TextView word) {
        if (!active_)
            return false;
        Text key = ToUpper(word);
        key.insert(key.begin(), static_cast<char16_t>(IndexStore::BucketOf(word)));
        return !seen_.insert(std::move(key)).second;
    }

  private:
    bool active_;
    std::unordered_set<Text> seen_;
};

DocumentWords CollectDocumentWords(const SourceDocumentReader& reader,
                                   const DraftPipelines& pipelines, const SourceDocument& document,
                                   const FileIndexOptions& options) {
    DocumentWords words;
    std::optional<Text> text = reader.Read(document.source);
    if (!text)
        return words;
    words.exists = true;
    if (options.removeHtml)
        *text = RemoveHtmlTags(*text);
    words.literalAmpersand = HoldsLiteralAmpersand(*text);
    RepeatFilter repeats(options.removeDuplicates);
    const WordPipeline& pipeline = pipelines.For(*text);
    pipeline.FilterPageWords(*text, document.name, document.link,
                             [&words, &repeats](TextView word, TextView, TextView) {
                                 if (repeats.IsRepeat(word))
                                     return;
                                 words.letters.append(word);
                                 words.ends.push_back(words.letters.size());
                                 words.hashes.push_back(IndexStore::WordHash(word));
                             });
    return words;
}

std::vector<TextView> WordsOf(const DocumentWords& words) {
    std::vector<TextView> views;
    views.reserve(words.ends.size());
    size_t begin = 0;
    for (const size_t end : words.ends) {
        views.push_back(TextView(words.letters).substr(begin, end - begin));
        begin = end;
    }
    return views;
}

// Tells whether the document's name or link holds the stand-in of "&".
bool AddDocumentWords(IndexStore& store, const SourceDocument& document, const DocumentWords& words,
                      bool removeDuplicates, bool blanksAsJoinMark) {
    // A name's own ">" or "|" would break its reference, so it stands as a look-alike.
    const Text key = ReferencePart(ReferenceKeyOf(document.name), blanksAsJoinMark);
    const Text tag = ReferencePart(document.link, blanksAsJoinMark);
    const TextView letters = words.letters;
    const auto wordAt = [&](size_t k) {
        const size_t begin = k == 0 ? 0 : words.ends[k - 1];
        return std::pair(letters.substr(begin, words.ends[k] - begin), words.hashes[k]);
    };
    const size_t count = words.ends.size();
    for (size_t k = 0; k < count; ++k) {
        store.PrefetchAhead(k, count, wordAt);
        const auto [word, hash] = wordAt(k);
        store.AddReference(word, hash, key, tag, removeDuplicates);
    }
    return HoldsLiteralAmpersand(key) || HoldsLiteralAmpersand(tag);
}

// The words on at least `percent` of the run's documents leave every document's words.
void LeaveOutCommonWords(std::vector<DocumentWords>& held, int32_t percent) {
    std::vector<std::vector<TextView>> views;
    views.reserve(held.size());
    for (const DocumentWords& words : held)
        views.push_back(WordsOf(words));
    const CommonWords common(views, percent);
    for (size_t i = 0; i < held.size(); ++i) {
        DocumentWords kept;
        kept.exists = held[i].exists;
        for (size_t k = 0; k < views[i].size(); ++k) {
            const TextView word = views[i][k];
            if (common.Contains(word))
                continue;
            kept.letters.append(word);
            kept.ends.push_back(kept.letters.size());
            kept.hashes.push_back(held[i].hashes[k]);
        }
        held[i] = std::move(kept);  // after its views were read
    }
}

// `literalAmpersands` tells whether any word or reference may hold the stand-in of "&"; without
// one the pass that puts "&" back is left out.
void FinishStore(IndexStore& store, const FileIndexOptions& options, const LocaleCollator& collator,
                 bool literalAmpersands) {
    if (options.multipleCombined) {
        store.ExpandCombinedWords(ShortestHeadingPart(options.draft, options.criteria));
    } else {
        store.JoinCombinedWords();
    }
    if (literalAmpersands)
        store.ReplaceCharacter(kLiteralAmpersand, u'&');
    store.SortStore(collator);
}

}  // namespace

FileIndexResult RunFileIndex(const FileIndexOptions& options,
                             const std::vector<SourceDocument>& documents,
                             const RunEnvironment& environment, const ReadContext& readContext) {
    const RunProgress& progress = environment.progress;
    const Language language = environment.language;
    ProgressReporter reporter(progress);
    reporter.Report(StatusPreparing(language));
    reporter.BeginItems(documents.size());

    FileIndexResult result;
    IndexStore& store = result.store;
    // A loaded index always counts: its lines are not looked at here.
    bool literalAmpersands = options.addToExisting;
    if (options.addToExisting)
        LoadExistingFileIndex(store, options, readContext);

    PipelineOptions pipelineOptions;
    pipelineOptions.criteria = options.criteria;
    pipelineOptions.positiveHitsJoinBlanks = options.multipleCombined;
    const DraftPipelines pipelines(options.draft, pipelineOptions, environment.lists);
    SourceDocumentReader reader(readContext);
    reader.LayOutAhead(documents);
    const bool blanksAsJoinMark = LoadRulesFor(options).blanksAsJoinMark;

    const Text readingFile = StatusReadingFile(language);
    // Which words are common is known only after the last document, so until then the documents'
    // words wait here instead of entering the store.
    std::vector<DocumentWords> held;
    ForEachInOrder<DocumentWords>(
        documents.size(), options.threads == 0 ? AllCores() : options.threads,
        [&](size_t i) {
            if (progress.cancel != nullptr && progress.cancel->load(std::memory_order_relaxed))
                return DocumentWords{};  // the calling thread stops at this document anyway
            return CollectDocumentWords(reader, pipelines, documents[i], options);
        },
        [&](size_t i, DocumentWords&& words) {
            reporter.ThrowIfCancelled();
            const SourceDocument& document = documents[i];
            reporter.NextItem();
            reporter.Report(readingFile + document.source);
            literalAmpersands = literalAmpersands || words.literalAmpersand;
            if (options.draft.leaveOutCommonWords)
                held.push_back(std::move(words));
            else if (AddDocumentWords(store, document, words, options.removeDuplicates,
                                      blanksAsJoinMark))
                literalAmpersands = true;
        });
    if (options.draft.leaveOutCommonWords) {
        LeaveOutCommonWords(held, options.draft.commonWordPercent);
        for (size_t i = 0; i < held.size(); ++i)
            if (AddDocumentWords(store, documents[i], held[i], options.removeDuplicates,
                                 blanksAsJoinMark))
                literalAmpersands = true;
    }

    reporter.Report(StatusRefreshing(language));
    FinishStore(store, options, environment.collator, literalAmpersands);
    reporter.Report(StatusWriting(language));
    if (!options.buildOutputText)
        return result;
    if (options.htmlOutput) {
        result.output =
            WriteHtmlIndex(store, EffectiveHtmlDesign(options.htmlDesign, options.useDesign),
                           language, options.threads);
    } else {
        result.output =
            WriteFileTextIndex(store, EffectiveTextDesign(options.textDesign, options.useDesign));
    }
    return result;
}

std::string SaveFileIndex(const IndexStore& store, const std::string& chosenName,
                          const OutputSettings& output) {
    const std::string path = IndexFileName(chosenName);
    WriteTextFile(BuildIndexFileText(store), path, output);
    return path;
}

}  // namespace lexorim
