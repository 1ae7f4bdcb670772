#include "engine/replace_whole_words.h"

#include <algorithm>

#include "engine/word_char_table.h"

namespace lexorim {

namespace {

// Finds the next occurrence of `pattern` (already upper-cased when ignoring case) at or after
// `from`; upper-casing is per code unit, so positions in the text and its upper-cased form agree.
size_t FindOccurrence(TextView text, TextView pattern, size_t from, bool ignoreCase,
                      const WordCharTable& table) {
    if (!ignoreCase)
        return text.find(pattern, from);
    const size_t m = pattern.size();
    if (m > text.size())
        return TextView::npos;
    const size_t last = text.size() - m;
    const char16_t first = pattern[0];
    for (size_t i = from; i <= last; ++i) {
        if (table.Upper(text[i]) != first)
            continue;
        size_t j = 1;
        while (j < m && table.Upper(text[i + j]) == pattern[j])
            ++j;
        if (j == m)
            return i;
    }
    return TextView::npos;
}

struct ReplaceOutcome {
    bool occurred = false;  // false: `result` was left empty, the text stands as it is
    size_t replaced = 0;
};

// Writes the replaced text into `result` when the pattern occurs at all.
ReplaceOutcome ReplaceInto(Text& result, TextView text, TextView pattern, TextView replacement,
                           WholeWordOptions options) {
    result.clear();
    if (pattern.empty() || pattern.size() > text.size())
        return {};
    const WordCharTable& table = WordCharTable::Get();
    Text upperPattern;
    if (options.ignoreCase) {
        upperPattern.resize(pattern.size());
        std::transform(pattern.begin(), pattern.end(), upperPattern.begin(),
                       [&](char16_t c) { return table.Upper(c); });
        pattern = upperPattern;
    }
    size_t hit = FindOccurrence(text, pattern, 0, options.ignoreCase, table);
    if (hit == TextView::npos)
        return {};

    const size_t m = pattern.size();
    result.reserve(text.size() + 16);
    size_t from = 0;
    size_t replaced = 0;
    while (hit != TextView::npos) {
        result.append(text.substr(from, hit - from));
        const bool boundaryBefore = result.empty() || table.IsBoundary(result.back());
        const bool boundaryAfter = hit + m == text.size() || table.IsBoundary(text[hit + m]);
        from = hit + m;
        if (boundaryBefore && boundaryAfter) {
            result.append(replacement);
            ++replaced;
            if (!options.allOccurrences)
                break;
        } else {
            result.append(text.substr(hit, m));
        }
        hit = FindOccurrence(text, pattern, from, options.ignoreCase, table);
    }
    result.append(text.substr(from));
    return {true, replaced};
}

}  // namespace

Text ReplaceWholeWords(TextView text, TextView pattern, TextView replacement,
                       WholeWordOptions options) {
    Text result;
    if (!ReplaceInto(result, text, pattern, replacement, options).occurred)
        return Text(text);
    return result;
}

bool ReplaceWholeWordsInPlace(Text& text, TextView pattern, TextView replacement,
                              WholeWordOptions options, Text& scratch) {
    const ReplaceOutcome outcome = ReplaceInto(scratch, text, pattern, replacement, options);
    if (!outcome.occurred)
        return false;
    // An occurrence that equals its replacement leaves the text as it was.
    const bool changed = outcome.replaced > 0 && scratch != text;
    text.swap(scratch);
    return changed;
}

}  // namespace lexorim
