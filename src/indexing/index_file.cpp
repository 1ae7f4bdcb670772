#include "indexing/index_file.h"

#include <filesystem>

#include "textfiles/text_reader.h"

namespace lexorim {

void LoadExistingIndex(IndexStore& store, const std::string& path,
                       IndexStore::IndexLineRules rules) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error))
        return;
    store.LoadIndexLines(ReadTextFile(path), rules);
}

IndexStore::IndexLineRules ExistingIndexRules(bool multipleCombined, bool markCombined) {
    return {.skipExpansionLines = multipleCombined,
            .blanksAsJoinMark = multipleCombined || markCombined};
}

Text ReferenceKeyOf(TextView label) {
    if (label.find_first_of(u"|>") == TextView::npos)
        return Text(label);
    return ReplaceAll(ReplaceAll(label, u"|", u"\u00A6"), u">", u"\u203A");
}

Text BuildIndexFileText(const IndexStore& store) {
    Text text;
    for (int bucket = 0; bucket < IndexStore::kBucketCount; ++bucket) {
        for (const IndexEntry& entry : store.Bucket(bucket)) {
            text += ReplaceAll(entry.word, u":", u"\u2236");
            text += u':';
            text += entry.references;
            text += kCrLf;
        }
    }
    return text;
}

std::string IndexFileName(const std::string& chosenName) {
    return chosenName.find(".idx") == std::string::npos ? chosenName + ".idx" : chosenName;
}

bool IsTextIndexFileText(TextView text) {
    return text.find(u">-") != TextView::npos;
}

}  // namespace lexorim
