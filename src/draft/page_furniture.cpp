#include "draft/page_furniture.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "draft/page_range.h"

namespace lexorim {

namespace {

// Lines per end of a page that are taken for its head or foot: those with words, and all.
constexpr size_t kZoneLines = 2;
constexpr size_t kZoneLinesInAll = 4;
// A running head is a short line; a longer one at the top of a page is its text.
constexpr size_t kLongestHead = 120;
constexpr size_t kFewestRecurrences = 3;
// An entry of an index or of a contents list without dot leaders is a short line; a line of
// text that happens to end in a number is longer.
constexpr size_t kLongestEntry = 80;

bool IsWordCharacter(char16_t c) {
    return u_isalnum(c) != 0;
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Calls `take` with each maximal run of letters and digits of the line.
template <typename Take>
void ForEachToken(TextView line, Take take) {
    size_t i = 0;
    while (i < line.size()) {
        if (!IsWordCharacter(line[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        while (i < line.size() && IsWordCharacter(line[i]))
            ++i;
        take(start, line.substr(start, i - start));
    }
}

// A line with a word besides its numbers. Most lines start with one, so the search stops at
// the first.
bool HasWords(TextView line) {
    size_t i = 0;
    while (i < line.size()) {
        if (!IsWordCharacter(line[i])) {
            ++i;
            continue;
        }
        const size_t start = i;
        bool letters = false;
        for (; i < line.size() && IsWordCharacter(line[i]); ++i)
            letters = letters || u_isalpha(line[i]) != 0;
        if (letters && !RomanNumeralValue(line.substr(start, i - start)))
            return true;
    }
    return false;
}

void AddZoneFrom(const PageLines& page, bool fromTop, std::vector<size_t>& zone) {
    size_t withWords = 0;
    size_t taken = 0;
    for (size_t k = 0; k < page.size() && withWords < kZoneLines && taken < kZoneLinesInAll; ++k) {
        const size_t at = fromTop ? k : page.size() - 1 - k;
        const TextView line = TrimBlanksAndControls(page[at]);
        if (line.empty())
            continue;
        zone.push_back(at);
        ++taken;
        if (HasWords(line))
            ++withWords;
    }
}

// True when the recurrences at `pages` (ascending) cover at least half the pages between the
// first and the last, counting only the pages of one parity when all share it.
bool RecursDensely(const std::vector<size_t>& pages) {
    if (pages.size() < kFewestRecurrences)
        return false;
    const size_t span = pages.back() - pages.front() + 1;
    const bool oneParity = std::all_of(pages.begin(), pages.end(),
                                       [&](size_t page) { return page % 2 == pages.front() % 2; });
    const size_t candidates = oneParity ? (span + 1) / 2 : span;
    return pages.size() * 2 >= candidates;
}

bool EndsInDotLeader(TextView line) {
    size_t dots = 0;
    for (auto it = line.rbegin(); it != line.rend(); ++it) {
        if (*it == u'.' || *it == u'\u2026' || *it == u'\u00B7')
            ++dots;
        else if (*it != u' ' && *it != u'\t')
            break;
    }
    return dots >= 3;
}

// Where a page number at the end of a line starts, after a blank, a comma or a dot leader:
// "17", "xii", "12, 45, 78", "12-14".
std::optional<size_t> PageNumberAtEnd(TextView line) {
    size_t end = line.size();
    while (end > 0 && IsDigit(line[end - 1]))
        --end;
    if (end == line.size()) {
        while (end > 0 && line[end - 1] >= u'a' && line[end - 1] <= u'z')
            --end;
        if (end == line.size() || !RomanNumeralValue(line.substr(end, line.size() - end)))
            return std::nullopt;
    } else if (line.size() - end > 5) {
        return std::nullopt;  // too many digits for a page number: a size, an identifier
    }
    if (end == 0)
        return std::nullopt;  // a number alone says nothing
    const char16_t before = line[end - 1];
    if (before == u' ' || before == u'\t' || before == u',' || before == u'.' || before == u'-' ||
        before == u'\u2013')
        return end;
    return std::nullopt;
}

// A line of a contents list or an index: it ends in a dot leader, in a dot leader and a page
// number, or it is short and ends in page numbers.
bool PointsToAPage(TextView line) {
    if (EndsInDotLeader(line))
        return true;
    const std::optional<size_t> number = PageNumberAtEnd(line);
    return number && (line.size() <= kLongestEntry || EndsInDotLeader(line.substr(0, *number)));
}

}  // namespace

Text RecurringForm(TextView line) {
    Text form;
    size_t copied = 0;
    const auto copyUpTo = [&](size_t end) {
        for (size_t i = copied; i < end; ++i) {
            const char16_t c = line[i];
            if (IsDigit(c))
                continue;
            if (c == u' ' || c == u'\t' || c < u' ') {
                if (!form.empty() && form.back() != u' ')
                    form += u' ';
                continue;
            }
            form += static_cast<char16_t>(u_tolower(c));
        }
        copied = end;
    };
    ForEachToken(line, [&](size_t start, TextView token) {
        copyUpTo(start);
        if (RomanNumeralValue(token))
            copied = start + token.size();  // a roman page number
    });
    copyUpTo(line.size());
    while (!form.empty() && form.back() == u' ')
        form.pop_back();
    return form;
}

std::vector<size_t> HeadAndFootLines(const PageLines& page) {
    std::vector<size_t> zone;
    AddZoneFrom(page, true, zone);
    AddZoneFrom(page, false, zone);
    std::sort(zone.begin(), zone.end());
    zone.erase(std::unique(zone.begin(), zone.end()), zone.end());
    return zone;
}

std::vector<std::vector<size_t>> FindRunningHeads(const std::vector<PageLines>& pages) {
    std::vector<std::vector<std::pair<size_t, Text>>> zones(pages.size());
    std::unordered_map<Text, std::vector<size_t>> pagesOfForm;
    for (size_t p = 0; p < pages.size(); ++p) {
        for (const size_t at : HeadAndFootLines(pages[p])) {
            const TextView line = TrimBlanksAndControls(pages[p][at]);
            if (line.size() > kLongestHead)
                continue;
            Text form = RecurringForm(line);
            std::vector<size_t>& on = pagesOfForm[form];
            if (on.empty() || on.back() != p)
                on.push_back(p);
            zones[p].emplace_back(at, std::move(form));
        }
    }
    std::vector<std::vector<size_t>> heads(pages.size());
    for (size_t p = 0; p < pages.size(); ++p) {
        for (const auto& [at, form] : zones[p]) {
            if (RecursDensely(pagesOfForm[form]))
                heads[p].push_back(at);
        }
    }
    return heads;
}

bool IsContentsPage(const PageLines& page, const std::vector<size_t>& leftOut) {
    // Fewer lines than this are a page too short to tell.
    constexpr size_t kFewestPointingLines = 3;
    size_t withWords = 0;
    size_t pointing = 0;
    for (size_t at = 0; at < page.size(); ++at) {
        // A page of text is told long before its end: even if every line left pointed to a
        // page, too few would.
        const size_t left = page.size() - at;
        if ((pointing + left) * 5 < (withWords + left) * 3)
            return false;
        if (std::find(leftOut.begin(), leftOut.end(), at) != leftOut.end())
            continue;
        const TextView line = TrimBlanksAndControls(page[at]);
        if (line.empty() || !HasWords(line))
            continue;  // section and page numbers standing alone go with either kind of page
        ++withWords;
        if (PointsToAPage(line))
            ++pointing;
    }
    return pointing >= kFewestPointingLines && pointing * 5 >= withWords * 3;
}

}  // namespace lexorim
