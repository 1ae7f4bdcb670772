#include "reference/file_index_reference.h"

#include <filesystem>

#include "engine/html_cleaning.h"
#include "engine/word_pipeline.h"
#include "fileindex/file_index_output.h"
#include "indexing/index_file.h"

namespace lexorim::reference {

namespace {

constexpr TextView kAmpersand = u"&";
constexpr TextView kStandIn = u"\uE026";

bool Exists(const Text& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(ToUtf8(path), error);
}

// The names of an index file's lines with their character references decoded.
Text DecodedNames(const Text& indexText) {
    Text result;
    for (const TextView line : SplitLines(indexText)) {
        const size_t colon = line.find(u':');
        if (colon == TextView::npos) {
            result.append(line).append(kCrLf);
            continue;
        }
        std::vector<Text> references;
        for (const Text& reference : SplitAt(line.substr(colon + 1), u"|")) {
            const size_t gt = reference.find(u'>');
            references.push_back(gt == Text::npos
                                     ? reference
                                     : ReferenceKeyOf(DecodeHtmlEntities(reference.substr(0, gt))) +
                                           reference.substr(gt));
        }
        result.append(line.substr(0, colon + 1));
        for (size_t i = 0; i < references.size(); ++i)
            result.append(i == 0 ? u"" : u"|").append(references[i]);
        result.append(kCrLf);
    }
    return result;
}

}  // namespace

FileIndexResult RunFileIndex(const FileIndexOptions& options,
                             const std::vector<SourceDocument>& documents, const WordLists& lists,
                             const LocaleCollator& collator, Language language) {
    FileIndexResult result;
    const bool blanksAsJoinMark = options.multipleCombined || options.criteria.markCombined;
    if (options.addToExisting && Exists(FromUtf8(options.existingIndexPath))) {
        const Text text =
            ReplaceAll(DecodedNames(ReadTextFile(options.existingIndexPath)), kAmpersand, kStandIn);
        result.store.LoadIndexLines(text, {options.multipleCombined, blanksAsJoinMark});
    }
    PipelineOptions pipelineOptions{options.criteria, options.multipleCombined};
    const WordPipeline pipeline(pipelineOptions, lists.negative, lists.positive);
    for (const SourceDocument& document : documents) {
        if (!Exists(document.source))
            continue;
        Text text = ReadTextFile(ToUtf8(document.source));
        if (options.removeHtml)
            text = RemoveHtmlTags(text);
        Text key = ReplaceAll(ReferenceKeyOf(document.name), kAmpersand, kStandIn);
        Text tag = ReplaceAll(document.link, kAmpersand, kStandIn);
        if (blanksAsJoinMark) {
            key = ReplaceAll(key, u" ", kAmpersand);
            tag = ReplaceAll(tag, u" ", kAmpersand);
        }
        pipeline.FilterPageWords(text, key, tag, [&](TextView word, TextView, TextView) {
            result.store.AddReference(word, key, tag, options.removeDuplicates);
        });
    }
    if (options.multipleCombined) {
        result.store.ExpandCombinedWords();
    } else {
        result.store.JoinCombinedWords();
    }
    result.store.ReplaceCharacter(kStandIn[0], u'&');
    result.store.SortStore(collator);
    result.output =
        options.htmlOutput
            ? WriteHtmlIndex(result.store,
                             EffectiveHtmlDesign(options.htmlDesign, options.useDesign), language)
            : WriteFileTextIndex(result.store,
                                 EffectiveTextDesign(options.textDesign, options.useDesign));
    return result;
}

}  // namespace lexorim::reference
