#include "textindex/page_designations.h"

#include <algorithm>

namespace lexorim {

namespace {

Text RemoveEvery(TextView text, TextView what) {
    return ReplaceAll(text, what, u"");
}

Text RemoveCharacters(Text t, const DesignationCriteria& criteria) {
    if (criteria.standardCharacters) {
        return RemoveEvery(RemoveEvery(t, u" "), u"-");
    }
    for (const char16_t c : criteria.customCharacters) {
        t = RemoveEvery(t, TextView(&c, 1));
    }
    return t;
}

// The designation that one examined line yields, or an empty text.
Text DesignationOfLine(TextView line, const DesignationCriteria& criteria, int32_t addValue) {
    Text t(line);
    if (criteria.markerRequired &&
        (criteria.marker.empty() || !TextView(t).starts_with(criteria.marker))) {
        t.clear();
    }
    if (criteria.markerRequired && criteria.removeMarker) {
        t = RemoveEvery(t, criteria.marker);
    }
    if (criteria.removeCharacters) {
        t = RemoveCharacters(std::move(t), criteria);
    }
    if (criteria.numbersOnly && !IsIntegerText(t)) {
        t.clear();
    }
    if (criteria.addValue) {
        if (const auto value = ParseIntegerText(t)) {
            t = DecimalText(int64_t{*value} + addValue);
        }
    }
    return t;
}

}  // namespace

Text FormatDesignationItem(TextView designation, int64_t lineNumber) {
    Text item(designation);
    item += u" (";
    item += DecimalText(lineNumber);
    item += u")";
    return item;
}

std::vector<Text> ReadOutDesignations(const std::vector<TextView>& lines,
                                      const DesignationCriteria& criteria) {
    const int32_t maxLength = criteria.maxLength;
    const int32_t addValue = criteria.addNumber;
    std::vector<Text> items;
    for (size_t n = 0; n < lines.size(); ++n) {
        if (static_cast<int64_t>(lines[n].size()) >= maxLength)
            continue;
        const Text designation = DesignationOfLine(lines[n], criteria, addValue);
        if (!designation.empty()) {
            items.push_back(FormatDesignationItem(designation, static_cast<int64_t>(n)));
        }
    }
    return items;
}

DesignationItem ParseDesignationItem(TextView item) {
    const size_t open = item.rfind(u" (");
    if (open == TextView::npos)
        return {Text(item), std::nullopt};
    Text number = ReplaceAll(item.substr(open + 2), u")", u"");
    const auto value = ParseIntegerText(number);
    return {Text(item.substr(0, open)), value ? std::optional<int64_t>(*value) : std::nullopt};
}

std::vector<Text> SortDesignationLines(const std::vector<TextView>& lines) {
    struct Pair {
        Text designation;
        int64_t lineNumber;
    };
    std::vector<Pair> pairs;
    for (const TextView line : lines) {
        const size_t close = line.find(u')');
        if (line.find(u" (") == TextView::npos || close == TextView::npos ||
            close != line.size() - 1) {
            continue;
        }
        // Every ")" goes, also one inside the designation.
        DesignationItem item =
            ParseDesignationItem(ReplaceAll(TrimBlanksAndControls(line), u")", u""));
        if (!item.lineNumber)
            continue;
        pairs.push_back({std::move(item.designation), *item.lineNumber});
    }
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const Pair& a, const Pair& b) { return a.lineNumber < b.lineNumber; });
    std::vector<Text> sorted;
    sorted.reserve(pairs.size());
    for (const Pair& pair : pairs) {
        sorted.push_back(FormatDesignationItem(pair.designation, pair.lineNumber));
    }
    return sorted;
}

}  // namespace lexorim
