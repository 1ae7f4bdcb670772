#include "textfiles/word_lists.h"

#include <algorithm>
#include <system_error>

#include "engine/collation.h"
#include "engine/errors.h"
#include "engine/index_store.h"
#include "engine/program_folder.h"
#include "engine/word_pipeline.h"

namespace lexorim {

namespace {

namespace fs = std::filesystem;

WordList LoadListOrBuiltIn(const fs::path& path, const WordList& builtIn,
                           const MessageCallback& reportError) {
    try {
        return LoadWordListFile(path, builtIn);
    } catch (const UserError& error) {
        if (!reportError) {
            throw;
        }
        reportError(error.text());
        return builtIn;
    }
}

}  // namespace

WordList WordListFromText(TextView text) {
    WordList list;
    for (const TextView line : SplitLines(text)) {
        list.emplace_back(line);
    }
    return list;
}

Text WordListText(const WordList& list) {
    Text text;
    for (size_t i = 0; i < list.size(); ++i) {
        if (i > 0) {
            text += kCrLf;
        }
        text += list[i];
    }
    if (!list.empty() && list.back().empty()) {
        text += kCrLf;
    }
    return text;
}

Text AppendListText(TextView oldText, TextView newText) {
    Text text(oldText);
    text += kCrLf;
    text += newText;
    return text;
}

WordList LoadWordListFile(const fs::path& path, const WordList& builtIn,
                          const ReadContext& context) {
    std::error_code error;
    if (!fs::exists(path, error) || fs::is_directory(path, error)) {
        return builtIn;
    }
    return WordListFromText(ReadTextFile(path.string(), context));
}

fs::path NegativeListPath() {
    return ProgramFolder() / kNegativeListFileName;
}

fs::path PositiveListPath() {
    return ProgramFolder() / kPositiveListFileName;
}

WordList LoadNegativeList(const MessageCallback& reportError) {
    return LoadListOrBuiltIn(NegativeListPath(), BuiltInNegativeList(), reportError);
}

WordList LoadPositiveList(const MessageCallback& reportError) {
    return LoadListOrBuiltIn(PositiveListPath(), BuiltInPositiveList(), reportError);
}

void SaveWordList(const WordList& list, const fs::path& path, const OutputSettings& settings) {
    WriteTextFile(WordListText(list), path.string(), settings);
}

WordList SortWordListLines(WordList lines, const LocaleCollator& collator) {
    // Empty lines are put first explicitly: a line of characters the collation ignores would
    // otherwise compare equal to an empty one.
    std::stable_sort(lines.begin(), lines.end(), [&collator](const Text& a, const Text& b) {
        if (a.empty() || b.empty()) {
            return a.empty() && !b.empty();
        }
        return collator.Less(a, b);
    });
    return lines;
}

WordList IndexWordList(const IndexStore& store, const LocaleCollator& collator) {
    WordList words;
    words.reserve(store.EntryCount());
    for (int bucket = 0; bucket < IndexStore::kBucketCount; ++bucket) {
        for (const IndexEntry& entry : store.Bucket(bucket)) {
            words.push_back(entry.word);
        }
    }
    return SortWordListLines(std::move(words), collator);
}

void MoveSelectedWords(WordList& indexWords, const std::vector<bool>& selected, WordList& target,
                       const LocaleCollator& collator) {
    auto isSelected = [&selected](size_t i) { return i < selected.size() && selected[i]; };
    for (size_t i = indexWords.size(); i-- > 0;) {
        if (isSelected(i)) {
            target.push_back(indexWords[i]);
        }
    }
    WordList remaining;
    remaining.reserve(indexWords.size());
    for (size_t i = 0; i < indexWords.size(); ++i) {
        if (!isSelected(i)) {
            remaining.push_back(std::move(indexWords[i]));
        }
    }
    indexWords = std::move(remaining);
    target = SortWordListLines(std::move(target), collator);
}

}  // namespace lexorim
