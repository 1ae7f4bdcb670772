#include "reference/word_pipeline_reference.h"

#include "engine/case_rules.h"
#include "engine/separator_set.h"

namespace lexorim::reference {

namespace {

// No character (handled by the callers), the separators, white space, punctuation and symbols.
bool IsBoundaryCharacter(char16_t c) {
    return IsSeparator(c) || IsWordBoundary(c);
}

}  // namespace

Text ReplaceWholeWords(TextView text, TextView pattern, TextView replacement, bool allOccurrences,
                       bool ignoreCase) {
    if (pattern.empty())
        return Text(text);
    const Text searchedText = ignoreCase ? ToUpper(text) : Text(text);
    const Text searchedPattern = ignoreCase ? ToUpper(pattern) : Text(pattern);
    Text output;
    size_t from = 0;
    while (true) {
        const size_t hit = searchedText.find(searchedPattern, from);
        if (hit == Text::npos)
            break;
        output += text.substr(from, hit - from);
        const size_t after = hit + pattern.size();
        const bool before = output.empty() || IsBoundaryCharacter(output.back());
        const bool behind = after == text.size() || IsBoundaryCharacter(text[after]);
        from = after;
        if (before && behind) {
            output += replacement;
            if (!allOccurrences)
                break;
        } else {
            output += text.substr(hit, pattern.size());
        }
    }
    output += text.substr(from);
    return output;
}

Text PositiveListStep(TextView text, const std::vector<Text>& positiveList, bool hitsJoinBlanks,
                      TextView key, TextView tag, const WordSink& sink) {
    Text current(text);
    for (const Text& line : positiveList) {
        if (line.empty())
            continue;
        if (current.find(line) == Text::npos)
            continue;
        const Text replaced = ReplaceWholeWords(current, line, u".", true, true);
        if (replaced == current)
            continue;
        current = replaced;
        const Text word = hitsJoinBlanks ? ReplaceAll(line, u" ", u"&") : line;
        sink(word, key, tag);
    }
    return current;
}

Text NegativeListStep(TextView text, const std::vector<Text>& negativeList) {
    Text current(text);
    for (const Text& line : negativeList) {
        current = ReplaceWholeWords(current, line, u".", true, true);
    }
    return current;
}

Text NormaliseSeparators(TextView text) {
    Text result = u".";
    for (const char16_t c : text) {
        if (IsInvisibleInWords(c)) {
            continue;
        }
        if (!IsSeparator(c)) {
            result += c;
        } else if (c == u'-') {
            result += u' ';
        } else {
            result += u'.';
        }
    }
    result += u'.';
    return result;
}

// A combined word holds at most 8 parts: a blank that would add an eighth join mark since the
// last full stop or the last blank left standing stays a blank.
Text MarkCombinedWords(TextView text) {
    constexpr int kMaxJoinMarks = 7;
    Text result(text);
    bool flag = false;
    int joinMarks = 0;
    for (size_t i = 0; i < result.size(); ++i) {
        if (result[i] == u'.')
            joinMarks = 0;
        if (result[i] != u' ')
            continue;
        if (i + 1 >= result.size())
            continue;  // a blank at the very end is not examined
        const char16_t n = result[i + 1];
        if (UpperUnit(n) == n && !IsSeparator(n)) {
            if (flag && joinMarks < kMaxJoinMarks) {
                result[i] = u'&';
                ++joinMarks;
            } else {
                joinMarks = 0;
            }
            flag = true;
        } else {
            joinMarks = 0;
            flag = false;
        }
    }
    return result;
}

Text BlanksToFullStops(TextView text) {
    return ReplaceAll(text, u" ", u".");
}

Text CollapseFullStops(TextView text) {
    const Text t = ReplaceAll(text, u" ", u"");
    if (t.size() <= 1)
        return {};
    Text result(1, t[0]);
    for (size_t k = 1; k < t.size(); ++k) {
        if (k == t.size() - 1)
            break;  // the last character is always dropped
        if (t[k] == u'.' && t[k - 1] == u'.')
            continue;
        result += t[k];
    }
    return result;
}

Text RemoveDigits(TextView text) {
    Text result(text);
    for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
        result = ReplaceAll(result, Text(1, digit), u".");
    }
    return result;
}

Text RemoveLowerCaseWords(TextView text) {
    Text result;
    for (const Text& piece : SplitAt(text, u".")) {
        if (piece.empty())
            continue;
        if (UpperUnit(piece[0]) != piece[0])
            continue;
        result += piece + u".";
    }
    return result;
}

Text RemoveUpperCaseWords(TextView text) {
    Text result = u".";
    for (const Text& piece : SplitAt(text, u".")) {
        const Text judged(TrimBlanksAndControls(ReplaceAll(piece, u"&", u"X")));
        if (judged.empty())
            continue;
        if (LowerUnit(judged[0]) != judged[0])
            continue;
        result += piece + u".";
    }
    return result;
}

Text ApplyMinimumLength(TextView text, TextView minLengthText) {
    const int64_t m = IntegerOr(minLengthText, 2);
    Text result;
    for (const Text& piece : SplitAt(text, u".")) {
        if (static_cast<int64_t>(piece.size()) < m)
            continue;
        if (piece.find(u'&') == Text::npos) {
            result += piece + u".";
            continue;
        }
        Text outcome;
        for (const Text& part : SplitAt(piece, u"&")) {
            if (static_cast<int64_t>(part.size()) >= m)
                outcome += part + u"&";
        }
        if (!outcome.empty() && outcome.back() == u'&')
            outcome.pop_back();
        result += outcome + u".";
    }
    return result;
}

void DeliverWords(TextView text, TextView key, TextView tag, const WordSink& sink) {
    for (const Text& piece : SplitAt(text, u".")) {
        if (TrimBlanksAndControls(piece).empty())
            continue;
        sink(piece, key, tag);
    }
}

void FilterPageWords(TextView page, const WordCriteria& criteria, bool positiveHitsJoinBlanks,
                     const std::vector<Text>& negativeList, const std::vector<Text>& positiveList,
                     TextView key, TextView tag, const WordSink& sink) {
    Text text;
    for (const char16_t c : page) {
        if (!IsInvisibleInWords(c))
            text += c;
    }
    if (criteria.usePositiveList) {
        text = PositiveListStep(text, positiveList, positiveHitsJoinBlanks, key, tag, sink);
    }
    if (criteria.useNegativeList)
        text = NegativeListStep(text, negativeList);
    text = NormaliseSeparators(text);
    if (criteria.markCombined)
        text = MarkCombinedWords(text);
    text = BlanksToFullStops(text);
    text = CollapseFullStops(text);
    if (criteria.numbersOut)
        text = RemoveDigits(text);
    if (criteria.lowerCaseOut)
        text = RemoveLowerCaseWords(text);
    if (criteria.upperCaseOut)
        text = RemoveUpperCaseWords(text);
    if (criteria.minLengthOn)
        text = ApplyMinimumLength(text, criteria.minLengthText);
    DeliverWords(text, key, tag, sink);
}

}  // namespace lexorim::reference
