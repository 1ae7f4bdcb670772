#pragma once
// A text index run of a small book, one line a page, with the built-in lists and a draft.

#include "engine/collation.h"
#include "engine/word_pipeline.h"
#include "textindex/text_index_run.h"

namespace lexorim::draft_test {

inline Text IndexOf(TextView book, const DraftOptions& draft, WordCriteria criteria = {},
                    std::vector<Text> negative = BuiltInNegativeList()) {
    TextIndexOptions options;
    options.lineMode = true;
    options.multipleCombined = false;
    options.criteria = criteria;
    options.draft = draft;
    WordLists lists;
    lists.negative = std::move(negative);
    lists.positive = BuiltInPositiveList();
    const LocaleCollator collator("de_DE");
    return RunTextIndex(options, book,
                        {.lists = lists, .collator = collator, .language = Language::German})
        .output;
}

// The entry lines of an index, without the heading and the letter lines.
inline std::vector<Text> EntriesOf(TextView index) {
    std::vector<Text> entries;
    for (const TextView line : SplitViewsAt(index, u"\r\n")) {
        if (line.size() > 1 && line != u"Index")
            entries.emplace_back(line);
    }
    return entries;
}

}  // namespace lexorim::draft_test
