#include "engine/word_pipeline.h"

#include <algorithm>
#include <bitset>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <variant>

#include <unicode/uchar.h>

#include "engine/flat_text_map.h"
#include "engine/replace_whole_words.h"
#include "engine/separator_set.h"
#include "engine/word_char_table.h"

namespace lexorim {

namespace {

constexpr char16_t kStop = u'.';
constexpr char16_t kJoin = u'&';
constexpr TextView kStopText = u".";

bool IsAsciiDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Blank and control characters: what trimming removes at both ends of a piece.
bool IsBlankOrControl(char16_t c) {
    return c <= u' ';
}

bool IsBlankOrControlOnly(TextView text) {
    return std::all_of(text.begin(), text.end(), IsBlankOrControl);
}

// The strings a page is rewritten in. Each thread keeps one set for all its pages, so that pages
// do not allocate and free them again and again; a call made while the set is in use (from a
// sink, say) gets a set of its own.
struct WorkingTexts {
    Text negative;  // the page after the negative list
    Text scratch;
    Text upperRun;
    Text mapped;
    Text shortened;
};

class BorrowedTexts {
  public:
    BorrowedTexts() {
        thread_local Shared shared;
        if (!shared.inUse) {
            shared.inUse = true;
            shared_ = &shared;
        } else {
            own_ = std::make_unique<WorkingTexts>();
        }
    }
    ~BorrowedTexts() {
        if (shared_ == nullptr) {
            return;
        }
        // The room of a very large page is not kept for the pages after it.
        for (Text* text :
             {&shared_->texts.negative, &shared_->texts.scratch, &shared_->texts.upperRun,
              &shared_->texts.mapped, &shared_->texts.shortened}) {
            if (text->capacity() > kKeptUnits) {
                Text().swap(*text);
            }
        }
        shared_->inUse = false;
    }
    BorrowedTexts(const BorrowedTexts&) = delete;
    BorrowedTexts& operator=(const BorrowedTexts&) = delete;

    WorkingTexts& texts() { return shared_ != nullptr ? shared_->texts : *own_; }

  private:
    static constexpr size_t kKeptUnits = size_t{1} << 20;

    struct Shared {
        WorkingTexts texts;
        bool inUse = false;
    };
    Shared* shared_ = nullptr;
    std::unique_ptr<WorkingTexts> own_;
};

// Consecutive negative-list entries made only of word characters. Such an entry matches exactly
// the maximal runs of word characters that equal it ignoring case, and entries of this kind do
// not influence each other, so a whole run of them is applied in one pass with a set lookup.
class WordSetEntries {
  public:
    // True for an entry that this set may take: non-empty, and neither the entry's characters
    // nor anything that shares their upper-case form ends a whole word.
    static bool Accepts(TextView entry) {
        const WordCharTable& table = WordCharTable::Get();
        return !entry.empty() && std::all_of(entry.begin(), entry.end(), [&](char16_t c) {
            return !table.IsBoundary(c) && table.UpperFormHasOneClass(c);
        });
    }

    void Add(TextView entry) {
        const WordCharTable& table = WordCharTable::Get();
        Text upper(entry.size(), u'\0');
        std::transform(entry.begin(), entry.end(), upper.begin(),
                       [&](char16_t c) { return table.Upper(c); });
        firstUnits_.set(upper[0]);
        if (upper.size() < 64) {
            lengths_ |= uint64_t{1} << upper.size();
        } else {
            anyLong_ = true;
        }
        words_.TryEmplace(std::move(upper), true);
    }

    // Rewrites `source` into `target`: every maximal run of word characters that is in the set
    // becomes one full stop, except, with `keepInsideNames`, one that stands inside a name.
    void Apply(TextView source, Text& target, Text& upperRun, bool keepInsideNames) const {
        const WordCharTable& table = WordCharTable::Get();
        target.clear();
        target.reserve(source.size());
        const size_t n = source.size();
        // The text between the runs that are replaced is copied in one piece each.
        size_t copied = 0;
        size_t i = 0;
        while (i < n) {
            if (table.IsBoundary(source[i])) {
                ++i;
                continue;
            }
            const size_t start = i;
            while (i < n && !table.IsBoundary(source[i]))
                ++i;
            const TextView run = source.substr(start, i - start);
            if (Contains(run, upperRun, table) &&
                !(keepInsideNames && StandsInsideName(source, start, i, upperRun, table))) {
                target.append(source.substr(copied, start - copied));
                target.push_back(kStop);
                copied = i;
            }
        }
        target.append(source.substr(copied));
    }

  private:
    static bool IsJoinBlank(char16_t c) { return c == u' ' || c == u'-'; }

    static bool StartsName(TextView source, size_t k, const WordCharTable& table) {
        return k < source.size() && !table.IsSeparator(source[k]) && table.IsUpperSame(source[k]);
    }

    // Whether the run [start, end) would be joined with both its neighbours into one combined
    // word: it and the words on either side are capitalised, linked by one blank or hyphen, the
    // word before is itself joined to what precedes it, and neither neighbour is in the set.
    bool StandsInsideName(TextView source, size_t start, size_t end, Text& upperRun,
                          const WordCharTable& table) const {
        if (!StartsName(source, start, table) || start < 2 || !IsJoinBlank(source[start - 1]) ||
            end + 1 >= source.size() || !IsJoinBlank(source[end]) ||
            !StartsName(source, end + 1, table)) {
            return false;
        }
        size_t before = start - 1;
        while (before > 0 && !table.IsSeparator(source[before - 1]) &&
               !IsJoinBlank(source[before - 1])) {
            --before;
        }
        if (before == 0 || before == start - 1 || !IsJoinBlank(source[before - 1]) ||
            !StartsName(source, before, table)) {
            return false;
        }
        size_t after = end + 1;
        while (after < source.size() && !table.IsBoundary(source[after]))
            ++after;
        return !Contains(source.substr(before, start - 1 - before), upperRun, table) &&
               !Contains(source.substr(end + 1, after - end - 1), upperRun, table);
    }

    bool Contains(TextView run, Text& upperRun, const WordCharTable& table) const {
        const size_t length = run.size();
        if (length < 64 ? (lengths_ & (uint64_t{1} << length)) == 0 : !anyLong_)
            return false;
        if (!firstUnits_.test(table.Upper(run[0])))
            return false;
        upperRun.resize(length);
        std::transform(run.begin(), run.end(), upperRun.begin(),
                       [&](char16_t c) { return table.Upper(c); });
        return words_.Contains(upperRun);
    }

    FlatTextMap<bool> words_;
    std::bitset<0x10000> firstUnits_;
    uint64_t lengths_ = 0;
    bool anyLong_ = false;
};

// An entry with boundary characters inside (a phrase, an entry with punctuation) is applied on
// its own, at its place in the list.
struct LiteralEntry {
    Text entry;
};

using NegativeStep = std::variant<WordSetEntries, LiteralEntry>;

std::vector<NegativeStep> CompileNegativeList(const std::vector<Text>& list) {
    std::vector<NegativeStep> steps;
    for (const Text& entry : list) {
        // An empty entry changes nothing, wherever it stands.
        if (entry.empty())
            continue;
        if (WordSetEntries::Accepts(entry)) {
            if (steps.empty() || !std::holds_alternative<WordSetEntries>(steps.back())) {
                steps.emplace_back(WordSetEntries{});
            }
            std::get<WordSetEntries>(steps.back()).Add(entry);
        } else {
            steps.emplace_back(LiteralEntry{entry});
        }
    }
    return steps;
}

// Applies the compiled negative list to `source`; the result is in `work`, and `scratch` and
// `upperRun` are working room.
void ApplyNegativeSteps(TextView source, const std::vector<NegativeStep>& steps, Text& work,
                        Text& scratch, Text& upperRun, bool keepInsideNames = false) {
    bool workHoldsText = false;
    for (const NegativeStep& step : steps) {
        const TextView current = workHoldsText ? TextView(work) : source;
        if (const auto* set = std::get_if<WordSetEntries>(&step)) {
            set->Apply(current, scratch, upperRun, keepInsideNames);
            work.swap(scratch);
            workHoldsText = true;
            continue;
        }
        if (!workHoldsText) {
            work.assign(source);
            workHoldsText = true;
        }
        ReplaceWholeWordsInPlace(work, std::get<LiteralEntry>(step).entry, kStopText, {}, scratch);
    }
    if (!workHoldsText)
        work.assign(source);
}

// Steps 3 to 5 and 7 in one pass: every character of the page maps to itself, to the join mark
// (a blank or hyphen inside a run of capitalised words) or to a full stop (a word boundary).
// The full-stop collapse of step 6 has no effect on the pieces and is implied by the split.
void MapCharacters(TextView text, const WordCriteria& criteria, Text& mapped) {
    const WordCharTable& table = WordCharTable::Get();
    const size_t n = text.size();
    mapped.resize(n);
    bool joining = false;
    int joinMarks = 0;  // in the combined word being built
    for (size_t k = 0; k < n; ++k) {
        const char16_t c = text[k];
        if (c == u' ' || c == u'-') {
            // Both become a blank; a blank joins when the next character, as the separator
            // normalisation leaves it, is a blank or keeps its form when upper-cased.
            if (!criteria.markCombined) {
                mapped[k] = kStop;
                continue;
            }
            bool nextStartsRun = false;
            if (k + 1 < n) {
                const char16_t next = text[k + 1];
                nextStartsRun = next == u' ' || next == u'-' ||
                                (!table.IsSeparator(next) && table.IsUpperSame(next));
            }
            // A long run of capitalised words is cut into names of at most kMaxCombinedParts
            // parts; otherwise every part would repeat the whole run and the index would grow
            // with the square of the run.
            if (nextStartsRun && joining && joinMarks < kMaxCombinedParts - 1) {
                mapped[k] = kJoin;
                ++joinMarks;
            } else {
                mapped[k] = kStop;
                joinMarks = 0;
            }
            joining = nextStartsRun;
        } else if (table.IsSeparator(c)) {
            mapped[k] = kStop;
            joinMarks = 0;
        } else if (criteria.numbersOut && IsAsciiDigit(c)) {
            // Digits are removed after the joining, so they do not end a combined word there.
            mapped[k] = kStop;
        } else {
            mapped[k] = c;
        }
    }
}

// Steps 8 to 10 for one piece. Returns the word to deliver (possibly shortened into `shortened`)
// or an empty view when the piece is dropped.
TextView FilterPiece(TextView piece, const WordCriteria& criteria, int32_t minimumLength,
                     Text& shortened, const DraftWordRules* draft = nullptr) {
    const WordCharTable& table = WordCharTable::Get();
    if (criteria.lowerCaseOut && !table.IsUpperSame(piece[0]) &&
        (draft == nullptr || !draft->keepLowerCaseWord || !draft->keepLowerCaseWord(piece)))
        return {};
    if (criteria.upperCaseOut) {
        // Judged by the first character after blanks and controls, with "&" counting as "X".
        const auto first = std::find_if_not(piece.begin(), piece.end(), IsBlankOrControl);
        if (first == piece.end())
            return {};
        const char16_t judged = *first == kJoin ? u'X' : *first;
        if (!table.IsLowerSame(judged))
            return {};
    }
    if (!criteria.minLengthOn)
        return piece;
    if (static_cast<int64_t>(piece.size()) < minimumLength)
        return {};
    if (piece.find(kJoin) == TextView::npos)
        return piece;
    // A combined word loses its parts that are too short.
    shortened.clear();
    const std::vector<TextView> parts = SplitViewsAt(piece, TextView(&kJoin, 1));
    const auto isLong = [&](TextView part) {
        return static_cast<int64_t>(part.size()) >= minimumLength;
    };
    // A clean draft keeps the short words inside a name ("No" in "Absolutely No Warranty"), but
    // not one that opens or closes it, nor the empty parts of double blanks or a dash.
    size_t firstLong = parts.size();
    size_t lastLong = 0;
    if (draft != nullptr && draft->keepShortWordsInNames) {
        firstLong =
            static_cast<size_t>(std::find_if(parts.begin(), parts.end(), isLong) - parts.begin());
        for (size_t j = parts.size(); j > 0; --j) {
            if (isLong(parts[j - 1])) {
                lastLong = j - 1;
                break;
            }
        }
    }
    for (size_t j = 0; j < parts.size(); ++j) {
        const TextView part = parts[j];
        const bool shortWordInside =
            j > firstLong && j < lastLong && !part.empty() && u_isalpha(part[0]);
        if (!isLong(part) && !shortWordInside)
            continue;
        shortened.append(part);
        shortened.push_back(kJoin);
    }
    if (!shortened.empty())
        shortened.pop_back();
    return shortened;
}

// Steps 3 to 11 on the text that the word lists have left.
void SplitAndDeliver(TextView text, const WordCriteria& criteria, TextView key, TextView tag,
                     const WordSink& sink, Text& mapped, Text& shortened,
                     const DraftWordRules& draft) {
    MapCharacters(text, criteria, mapped);
    const int32_t minimumLength = criteria.MinimumLength();
    const size_t n = mapped.size();
    size_t k = 0;
    while (k < n) {
        if (mapped[k] == kStop) {
            ++k;
            continue;
        }
        const size_t start = k;
        while (k < n && mapped[k] != kStop)
            ++k;
        const TextView piece(mapped.data() + start, k - start);
        const TextView word = FilterPiece(piece, criteria, minimumLength, shortened, &draft);
        if (!IsBlankOrControlOnly(word))
            sink(word, key, tag);
    }
}

Text JoinBlanks(TextView text) {
    Text joined(text);
    std::replace(joined.begin(), joined.end(), u' ', kJoin);
    return joined;
}

// Finds in one pass over a page which positive-list lines occur in it as written. A line
// without a full stop that does not occur in the page cannot occur later either: replacing an
// occurrence of an earlier line by "." creates new text only around that full stop. So such a
// line needs no search of its own. Lines with a full stop are always searched.
class OccurringLines {
  public:
    void Add(uint32_t index, TextView line) {
        if (indexed_.size() <= index) {
            indexed_.resize(index + 1, 0);
        }
        if (line.find(kStop) != TextView::npos) {
            return;
        }
        indexed_[index] = 1;
        firstUnits_.set(line[0]);
        const uint32_t key = line.size() == 1 ? line[0] : PairKey(line[0], line[1]);
        (line.size() == 1 ? byFirst_ : byFirstTwo_)[key].push_back({index, Text(line)});
    }

    bool Indexes(uint32_t index) const { return index < indexed_.size() && indexed_[index] != 0; }

    // Sets found[i] for every indexed line i that occurs in `page`.
    void Mark(TextView page, std::vector<uint8_t>& found) const {
        const size_t n = page.size();
        for (size_t i = 0; i < n; ++i) {
            if (!firstUnits_.test(page[i])) {
                continue;
            }
            MarkAll(byFirst_, page[i], found);
            if (i + 1 < n) {
                const auto candidates = byFirstTwo_.find(PairKey(page[i], page[i + 1]));
                if (candidates == byFirstTwo_.end()) {
                    continue;
                }
                for (const Line& line : candidates->second) {
                    if (!found[line.index] && page.substr(i).starts_with(line.text)) {
                        found[line.index] = 1;
                    }
                }
            }
        }
    }

  private:
    struct Line {
        uint32_t index;
        Text text;
    };
    using LinesByKey = std::unordered_map<uint32_t, std::vector<Line>>;

    static uint32_t PairKey(char16_t first, char16_t second) {
        return uint32_t{first} << 16 | second;
    }

    static void MarkAll(const LinesByKey& lines, uint32_t key, std::vector<uint8_t>& found) {
        const auto hit = lines.find(key);
        if (hit == lines.end()) {
            return;
        }
        for (const Line& line : hit->second) {
            found[line.index] = 1;
        }
    }

    std::vector<uint8_t> indexed_;  // per line: found by Mark (lines without a full stop)
    std::bitset<0x10000> firstUnits_;
    LinesByKey byFirst_;
    LinesByKey byFirstTwo_;
};

// Up to this many positive-list lines, each is simply searched in the page.
constexpr size_t kLinesSearchedOneByOne = 8;

// Answers whether a text stands inside a longer run of word characters of a page. The
// trigrams inside the page's runs are noted once, so that most answers need no scan.
class SubstringLook {
  public:
    template <typename RunText>
    SubstringLook(size_t runCount, RunText runText) : runCount_(runCount), runText_(runText) {}

    // True when a run longer than `text` for which `there(run)` holds contains `text`.
    template <typename There>
    bool InLongerRun(TextView text, There&& there) {
        if (text.empty() || !MayOccur(text)) {
            return false;
        }
        for (size_t r = 0; r < runCount_; ++r) {
            const TextView run = runText_(r);
            if (run.size() > text.size() && there(r) && run.find(text) != TextView::npos) {
                return true;
            }
        }
        return false;
    }

  private:
    static size_t Trigram(const char16_t* units) {
        return (units[0] * 0x9E37u ^ units[1] * 0x85EBu ^ units[2] * 0xC2B3u) & 0xFFFFu;
    }

    bool MayOccur(TextView text) {
        if (text.size() < 3) {
            return true;
        }
        if (!noted_) {
            noted_ = true;
            for (size_t r = 0; r < runCount_; ++r) {
                const TextView run = runText_(r);
                for (size_t k = 0; k + 3 <= run.size(); ++k) {
                    trigrams_.set(Trigram(run.data() + k));
                }
            }
        }
        for (size_t k = 0; k + 3 <= text.size(); ++k) {
            if (!trigrams_.test(Trigram(text.data() + k))) {
                return false;
            }
        }
        return true;
    }

    size_t runCount_;
    std::function<TextView(size_t)> runText_;
    bool noted_ = false;
    std::bitset<0x10000> trigrams_;
};

// Consecutive positive-list lines made only of word characters (as WordSetEntries accepts
// them), applied in one pass over the words of the page. Such a line L is found as a whole word
// exactly by the maximal runs of word characters that equal it ignoring case, and replacing
// those runs by "." makes no new text, so the line-by-line steps reduce to: L is a hit when a
// run that is still there equals it ignoring case and some run that is still there holds L as
// written (the case-sensitive look); then all runs of its upper-case form go. Hits come in list
// order.
class PositiveWordGroup {
  public:
    void Add(uint32_t line, TextView text) {
        const WordCharTable& table = WordCharTable::Get();
        Text upper(text.size(), u'\0');
        std::transform(text.begin(), text.end(), upper.begin(),
                       [&](char16_t c) { return table.Upper(c); });
        const char16_t firstUnit = upper[0];
        const auto [form, added] =
            forms_.TryEmplace(std::move(upper), static_cast<uint32_t>(linesOfForm_.size()));
        if (added) {
            linesOfForm_.emplace_back();
        }
        linesOfForm_[*form].push_back({line, Text(text)});
        firstUnits_.set(firstUnit);
        if (text.size() < 64) {
            lengths_ |= uint64_t{1} << text.size();
        } else {
            anyLong_ = true;
        }
    }

    // Runs the group's lines over `text`: `hit` gets each line that is entered, in list order.
    // When runs were replaced, the new text is in `result` and the answer is true.
    template <typename Hit>
    bool Apply(TextView text, Text& result, Hit&& hit) const {
        const WordCharTable& table = WordCharTable::Get();
        struct Run {
            size_t start;
            size_t length;
        };
        constexpr uint32_t kNoForm = UINT32_MAX;
        std::vector<Run> runs;
        std::vector<std::pair<uint32_t, uint32_t>> present;  // (form, run) of runs in the group
        Text upper;
        const size_t n = text.size();
        for (size_t i = 0; i < n;) {
            if (table.IsBoundary(text[i])) {
                ++i;
                continue;
            }
            const size_t start = i;
            while (i < n && !table.IsBoundary(text[i])) {
                ++i;
            }
            const uint32_t form = FormOf(text.substr(start, i - start), upper, table);
            if (form != kNoForm) {
                present.emplace_back(form, static_cast<uint32_t>(runs.size()));
            }
            runs.push_back({start, i - start});
        }
        if (present.empty()) {
            return false;
        }
        std::sort(present.begin(), present.end());
        // The forms that occur get local numbers; their lines are the candidates, in list order.
        std::vector<uint32_t> localOfRun(runs.size(), kNoForm);
        std::vector<std::pair<size_t, size_t>> runsOfLocal;     // range in `present`
        std::vector<std::pair<uint32_t, uint32_t>> candidates;  // (line, local form)
        for (size_t k = 0; k < present.size(); ++k) {
            if (k == 0 || present[k].first != present[k - 1].first) {
                const auto local = static_cast<uint32_t>(runsOfLocal.size());
                runsOfLocal.emplace_back(k, k);
                for (const Line& line : linesOfForm_[present[k].first]) {
                    candidates.emplace_back(line.index, local);
                }
            }
            runsOfLocal.back().second = k + 1;
            localOfRun[present[k].second] = static_cast<uint32_t>(runsOfLocal.size() - 1);
        }
        std::sort(candidates.begin(), candidates.end());
        std::vector<uint8_t> gone(runsOfLocal.size(), 0);
        const auto runText = [&](size_t r) { return text.substr(runs[r].start, runs[r].length); };
        const auto there = [&](size_t r) {
            return localOfRun[r] == kNoForm || gone[localOfRun[r]] == 0;
        };
        SubstringLook substrings(runs.size(), [&](size_t r) { return runText(r); });
        bool anyGone = false;
        for (const auto& [index, local] : candidates) {
            if (gone[local] != 0) {
                continue;
            }
            const uint32_t form = present[runsOfLocal[local].first].first;
            const Text& written = LineText(form, index);
            // The case-sensitive look: most often the line stands in the page as written,
            // otherwise it may stand inside a longer word.
            bool occurs = false;
            for (size_t k = runsOfLocal[local].first; k < runsOfLocal[local].second && !occurs;
                 ++k) {
                occurs = runText(present[k].second) == TextView(written);
            }
            if (!occurs) {
                occurs = substrings.InLongerRun(written, there);
            }
            if (occurs) {
                hit(index);
                gone[local] = 1;
                anyGone = true;
            }
        }
        if (!anyGone) {
            return false;
        }
        result.clear();
        result.reserve(n);
        size_t copied = 0;
        for (size_t r = 0; r < runs.size(); ++r) {
            const Run& run = runs[r];
            if (!there(r)) {
                result.append(text.substr(copied, run.start - copied));
                result.push_back(kStop);
                copied = run.start + run.length;
            }
        }
        result.append(text.substr(copied));
        return true;
    }

  private:
    struct Line {
        uint32_t index;
        Text text;
    };

    uint32_t FormOf(TextView run, Text& upper, const WordCharTable& table) const {
        const size_t length = run.size();
        if (length < 64 ? (lengths_ & (uint64_t{1} << length)) == 0 : !anyLong_) {
            return UINT32_MAX;
        }
        if (!firstUnits_.test(table.Upper(run[0]))) {
            return UINT32_MAX;
        }
        upper.resize(length);
        std::transform(run.begin(), run.end(), upper.begin(),
                       [&](char16_t c) { return table.Upper(c); });
        const uint32_t* found = forms_.Find(upper);
        return found == nullptr ? UINT32_MAX : *found;
    }

    const Text& LineText(uint32_t form, uint32_t index) const {
        for (const Line& line : linesOfForm_[form]) {
            if (line.index == index) {
                return line.text;
            }
        }
        throw std::logic_error("PositiveWordGroup: a line is missing from its form");
    }

    FlatTextMap<uint32_t> forms_;
    std::vector<std::vector<Line>> linesOfForm_;
    std::bitset<0x10000> firstUnits_;
    uint64_t lengths_ = 0;
    bool anyLong_ = false;
};

}  // namespace

struct WordPipeline::Compiled {
    struct PositiveLine {
        Text line;
        Text hitWord;  // what enters the store when the line is found
    };
    // One step of the positive list: a group of word lines, or one other line by its index.
    using PositiveStep = std::variant<PositiveWordGroup, uint32_t>;
    std::vector<PositiveLine> positive;
    std::vector<PositiveStep> positiveSteps;
    OccurringLines occurring;  // used when there are more than kLinesSearchedOneByOne steps
    std::vector<NegativeStep> negative;
};

WordPipeline::WordPipeline(PipelineOptions options, std::vector<Text> negativeList,
                           std::vector<Text> positiveList, DraftWordRules draft)
    : options_(std::move(options)),
      draft_(std::move(draft)),
      compiled_(std::make_unique<Compiled>()) {
    compiled_->negative = CompileNegativeList(negativeList);
    for (Text& line : positiveList) {
        if (line.empty()) {
            continue;
        }
        Text hitWord = options_.positiveHitsJoinBlanks ? JoinBlanks(line) : line;
        compiled_->positive.push_back({std::move(line), std::move(hitWord)});
    }
    std::vector<Compiled::PositiveStep>& steps = compiled_->positiveSteps;
    for (size_t i = 0; i < compiled_->positive.size(); ++i) {
        const auto index = static_cast<uint32_t>(i);
        const Text& line = compiled_->positive[i].line;
        if (!WordSetEntries::Accepts(line)) {
            steps.emplace_back(index);
            continue;
        }
        if (steps.empty() || !std::holds_alternative<PositiveWordGroup>(steps.back())) {
            steps.emplace_back(PositiveWordGroup{});
        }
        std::get<PositiveWordGroup>(steps.back()).Add(index, line);
    }
    if (steps.size() > kLinesSearchedOneByOne) {
        for (const Compiled::PositiveStep& step : steps) {
            if (const auto* index = std::get_if<uint32_t>(&step)) {
                compiled_->occurring.Add(*index, compiled_->positive[*index].line);
            }
        }
    }
}

WordPipeline::~WordPipeline() = default;
WordPipeline::WordPipeline(WordPipeline&&) noexcept = default;
WordPipeline& WordPipeline::operator=(WordPipeline&&) noexcept = default;

void WordPipeline::FilterPageWords(TextView fullPage, TextView key, TextView tag,
                                   const WordSink& sink) const {
    // Soft hyphens and zero-width characters go first, so that the word lists see whole words.
    Text visible;
    const TextView page = WithoutInvisibleCharacters(fullPage, visible);
    const std::vector<Compiled::PositiveLine>& lines = compiled_->positive;
    if (!options_.criteria.usePositiveList || lines.empty()) {
        FilterVisibleAfterPositiveList(page, key, tag, sink);
        return;
    }
    std::vector<uint8_t> occurs;
    const bool indexed = compiled_->positiveSteps.size() > kLinesSearchedOneByOne;
    if (indexed) {
        occurs.assign(lines.size(), 0);
        compiled_->occurring.Mark(page, occurs);
    }
    // The page is copied only once a line occurs in it.
    TextView current = page;
    Text text;
    Text scratch;
    for (const Compiled::PositiveStep& step : compiled_->positiveSteps) {
        if (const auto* group = std::get_if<PositiveWordGroup>(&step)) {
            const bool changed = group->Apply(
                current, scratch, [&](uint32_t index) { sink(lines[index].hitWord, key, tag); });
            if (changed) {
                text.swap(scratch);
                current = text;
            }
            continue;
        }
        const uint32_t i = std::get<uint32_t>(step);
        const Compiled::PositiveLine& line = lines[i];
        if (indexed && !occurs[i] && compiled_->occurring.Indexes(i)) {
            continue;
        }
        // A case-sensitive look first: a line that does not occur as written is not searched.
        if (current.find(line.line) == TextView::npos) {
            continue;
        }
        if (current.data() != text.data()) {
            text.assign(current);
        }
        const bool changed = ReplaceWholeWordsInPlace(text, line.line, kStopText, {}, scratch);
        current = text;
        if (changed) {
            sink(line.hitWord, key, tag);
        }
    }
    FilterVisibleAfterPositiveList(current, key, tag, sink);
}

void WordPipeline::FilterAfterPositiveList(TextView fullText, TextView key, TextView tag,
                                           const WordSink& sink) const {
    Text visible;
    FilterVisibleAfterPositiveList(WithoutInvisibleCharacters(fullText, visible), key, tag, sink);
}

void WordPipeline::FilterVisibleAfterPositiveList(TextView text, TextView key, TextView tag,
                                                  const WordSink& sink) const {
    BorrowedTexts borrowed;
    WorkingTexts& texts = borrowed.texts();
    if (!options_.criteria.useNegativeList || compiled_->negative.empty()) {
        SplitAndDeliver(text, options_.criteria, key, tag, sink, texts.mapped, texts.shortened,
                        draft_);
        return;
    }
    ApplyNegativeSteps(text, compiled_->negative, texts.negative, texts.scratch, texts.upperRun,
                       draft_.keepShortWordsInNames);
    SplitAndDeliver(texts.negative, options_.criteria, key, tag, sink, texts.mapped,
                    texts.shortened, draft_);
}

namespace pipeline_steps {

Text ApplyNegativeList(TextView text, const std::vector<Text>& negativeList) {
    Text work;
    Text scratch;
    Text upperRun;
    ApplyNegativeSteps(text, CompileNegativeList(negativeList), work, scratch, upperRun);
    return work;
}

Text NormaliseSeparators(TextView text) {
    const WordCharTable& table = WordCharTable::Get();
    Text result;
    result.reserve(text.size() + 2);
    result.push_back(kStop);
    for (const char16_t c : text) {
        if (IsInvisibleInWords(c)) {
            continue;
        }
        if (!table.IsSeparator(c)) {
            result.push_back(c);
        } else {
            result.push_back(c == u'-' ? u' ' : kStop);
        }
    }
    result.push_back(kStop);
    return result;
}

Text MarkCombinedWords(TextView text) {
    const WordCharTable& table = WordCharTable::Get();
    Text result(text);
    bool joining = false;
    int joinMarks = 0;
    for (size_t i = 0; i + 1 < result.size(); ++i) {
        if (result[i] == kStop)
            joinMarks = 0;
        if (result[i] != u' ')
            continue;
        const char16_t next = result[i + 1];
        if (table.IsUpperSame(next) && !table.IsSeparator(next)) {
            if (joining && joinMarks < kMaxCombinedParts - 1) {
                result[i] = kJoin;
                ++joinMarks;
            } else {
                joinMarks = 0;
            }
            joining = true;
        } else {
            joinMarks = 0;
            joining = false;
        }
    }
    return result;
}

Text BlanksToFullStops(TextView text) {
    Text result(text);
    std::replace(result.begin(), result.end(), u' ', kStop);
    return result;
}

Text CollapseFullStops(TextView text) {
    Text withoutBlanks;
    withoutBlanks.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(withoutBlanks),
                 [](char16_t c) { return c != u' '; });
    if (withoutBlanks.size() <= 1)
        return {};
    Text result;
    result.reserve(withoutBlanks.size());
    result.push_back(withoutBlanks[0]);
    // The last character (the closing full stop) is dropped.
    for (size_t k = 1; k + 1 < withoutBlanks.size(); ++k) {
        if (withoutBlanks[k] == kStop && withoutBlanks[k - 1] == kStop)
            continue;
        result.push_back(withoutBlanks[k]);
    }
    return result;
}

Text RemoveDigits(TextView text) {
    Text result(text);
    std::replace_if(result.begin(), result.end(), IsAsciiDigit, kStop);
    return result;
}

Text RemoveLowerCaseWords(TextView text) {
    const WordCharTable& table = WordCharTable::Get();
    Text result;
    result.reserve(text.size());
    for (const TextView piece : SplitViewsAt(text, kStopText)) {
        if (piece.empty() || !table.IsUpperSame(piece[0]))
            continue;
        result.append(piece);
        result.push_back(kStop);
    }
    return result;
}

Text RemoveUpperCaseWords(TextView text) {
    const WordCriteria upperOnly{.lowerCaseOut = false,
                                 .upperCaseOut = true,
                                 .minLengthOn = false,
                                 .numbersOut = false,
                                 .useNegativeList = false,
                                 .usePositiveList = false,
                                 .markCombined = false};
    Text result;
    result.reserve(text.size() + 1);
    result.push_back(kStop);
    Text unused;
    for (const TextView piece : SplitViewsAt(text, kStopText)) {
        if (piece.empty() || FilterPiece(piece, upperOnly, 0, unused).empty())
            continue;
        result.append(piece);
        result.push_back(kStop);
    }
    return result;
}

Text ApplyMinimumLength(TextView text, int32_t minimumLength) {
    const WordCriteria lengthOnly{.lowerCaseOut = false,
                                  .upperCaseOut = false,
                                  .minLengthOn = true,
                                  .numbersOut = false,
                                  .useNegativeList = false,
                                  .usePositiveList = false,
                                  .markCombined = false};
    Text result;
    result.reserve(text.size());
    Text shortened;
    for (const TextView piece : SplitViewsAt(text, kStopText)) {
        if (static_cast<int64_t>(piece.size()) < minimumLength)
            continue;
        if (!piece.empty())
            result.append(FilterPiece(piece, lengthOnly, minimumLength, shortened));
        result.push_back(kStop);
    }
    return result;
}

void DeliverWords(TextView text, TextView key, TextView tag, const WordSink& sink) {
    for (const TextView piece : SplitViewsAt(text, kStopText)) {
        if (!IsBlankOrControlOnly(piece))
            sink(piece, key, tag);
    }
}

}  // namespace pipeline_steps

}  // namespace lexorim
