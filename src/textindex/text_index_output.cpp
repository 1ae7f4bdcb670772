#include "textindex/text_index_output.h"

#include <algorithm>
#include <vector>

#include "engine/case_rules.h"
#include "engine/ordered_parallel.h"

namespace lexorim {

namespace {

// The output is produced twice by the same code: once to measure it, once to write it into a
// text of exactly that size, so a large index is not copied while it grows.
class LengthCounter {
  public:
    void Append(TextView text) { length_ += text.size(); }
    size_t length() const { return length_; }

  private:
    size_t length_ = 0;
};

class TextAppender {
  public:
    explicit TextAppender(size_t length) { text_.reserve(length); }
    void Append(TextView text) { text_ += text; }
    Text Take() { return std::move(text_); }

  private:
    Text text_;
};

// Collects appended texts and hands them on in pieces of about `kPieceUnits`; an appended text
// is never cut.
class PieceAppender {
  public:
    static constexpr size_t kPieceUnits = size_t{1} << 19;

    explicit PieceAppender(const std::function<void(TextView)>& write) : write_(write) {
        piece_.reserve(kPieceUnits);
    }
    void Append(TextView text) {
        if (piece_.size() + text.size() > kPieceUnits)
            Flush();
        piece_ += text;
    }
    void Flush() {
        if (!piece_.empty())
            write_(piece_);
        piece_.clear();
    }

  private:
    const std::function<void(TextView)>& write_;
    Text piece_;
};

template <typename Out>
void AppendLine(Out& out, TextView line) {
    out.Append(line);
    out.Append(kCrLf);
}

template <typename Out>
void AppendHeading(Out& out, TextView heading, const TextIndexDesign& design) {
    if (!design.headings)
        return;
    if (design.emptyLineBeforeHeading)
        AppendLine(out, u"");
    AppendLine(out, heading);
}

template <typename Out>
void AppendReferenceKeys(Out& out, TextView references, TextView separator) {
    size_t from = 0;
    while (true) {
        const size_t bar = references.find(u'|', from);
        const TextView reference =
            references.substr(from, bar == TextView::npos ? TextView::npos : bar - from);
        if (from != 0)
            out.Append(separator);
        out.Append(reference.substr(0, reference.find(u'>')));
        if (bar == TextView::npos)
            break;
        from = bar + 1;
    }
}

template <typename Out>
void AppendEntry(Out& out, const IndexEntry& entry, const TextIndexDesign& design) {
    out.Append(entry.word);
    out.Append(design.wordSeparator);
    AppendReferenceKeys(out, entry.references, design.pageSeparator);
    out.Append(kCrLf);
}

// The heading of a word in the bucket of other characters: its first character upper-cased.
// A character outside the Basic Multilingual Plane is kept whole rather than cut in half.
Text OtherHeadingOf(TextView word) {
    const bool isPair = word.size() >= 2 && word[0] >= 0xD800 && word[0] <= 0xDBFF &&
                        word[1] >= 0xDC00 && word[1] <= 0xDFFF;
    return isPair ? Text(word.substr(0, 2)) : Text(1, UpperUnit(word[0]));
}

// A run of consecutive entries of one bucket, written on its own.
struct EntryRange {
    int bucket = 0;
    size_t begin = 0;
    size_t end = 0;
};

constexpr size_t kEntriesPerRange = 2048;

// Collects appended texts into pieces of about PieceAppender::kPieceUnits, kept for later; an
// appended text is never cut.
class PieceCollector {
  public:
    void Append(TextView text) {
        if (pieces_.empty() || pieces_.back().size() + text.size() > PieceAppender::kPieceUnits)
            pieces_.emplace_back();
        pieces_.back() += text;
    }
    std::vector<Text> Take() { return std::move(pieces_); }

  private:
    std::vector<Text> pieces_;
};

std::vector<EntryRange> EntryRangesOf(const IndexStore& store) {
    std::vector<EntryRange> ranges;
    for (int bucket = 0; bucket < IndexStore::kBucketCount; ++bucket) {
        const size_t count = store.Bucket(bucket).size();
        for (size_t begin = 0; begin < count; begin += kEntriesPerRange) {
            ranges.push_back({bucket, begin, std::min(count, begin + kEntriesPerRange)});
        }
    }
    return ranges;
}

// The lines of one range, with the headings that the whole index has inside it: a letter's
// heading before its bucket's first entry; in the bucket of other characters, a heading where the
// first character changes from that of the last entry before with a word.
template <typename Out>
void AppendRange(Out& out, const IndexStore& store, const EntryRange& range,
                 const TextIndexDesign& design) {
    const std::vector<IndexEntry>& entries = store.Bucket(range.bucket);
    if (range.bucket != IndexStore::kOtherBucket) {
        if (range.begin == 0) {
            const char16_t letter = static_cast<char16_t>(u'A' + range.bucket);
            AppendHeading(out, TextView(&letter, 1), design);
        }
        for (size_t i = range.begin; i < range.end; ++i)
            AppendEntry(out, entries[i], design);
        return;
    }
    Text lastHeading;
    bool hadHeading = false;
    for (size_t i = range.begin; i-- > 0;) {
        if (!entries[i].word.empty()) {
            lastHeading = OtherHeadingOf(entries[i].word);
            hadHeading = true;
            break;
        }
    }
    for (size_t i = range.begin; i < range.end; ++i) {
        const IndexEntry& entry = entries[i];
        if (!entry.word.empty()) {
            Text heading = OtherHeadingOf(entry.word);
            if (!hadHeading || heading != lastHeading) {
                AppendHeading(out, heading, design);
                lastHeading = std::move(heading);
                hadHeading = true;
            }
        }
        AppendEntry(out, entry, design);
    }
}

// The whole index: each bucket that holds entries is one range.
template <typename Out>
void AppendIndex(Out& out, const IndexStore& store, const TextIndexDesign& design) {
    AppendLine(out, design.title);
    for (int bucket = 0; bucket < IndexStore::kBucketCount; ++bucket) {
        const size_t count = store.Bucket(bucket).size();
        if (count > 0)
            AppendRange(out, store, EntryRange{bucket, 0, count}, design);
    }
}

}  // namespace

Text JoinReferenceKeys(TextView references, TextView separator) {
    LengthCounter counter;
    AppendReferenceKeys(counter, references, separator);
    TextAppender out(counter.length());
    AppendReferenceKeys(out, references, separator);
    return out.Take();
}

Text WriteTextIndexOutput(const IndexStore& store, const TextIndexDesign& design) {
    LengthCounter counter;
    AppendIndex(counter, store, design);
    TextAppender out(counter.length());
    AppendIndex(out, store, design);
    return out.Take();
}

void WriteTextIndexOutputInPieces(const IndexStore& store, const TextIndexDesign& design,
                                  const std::function<void(TextView)>& write) {
    {
        PieceAppender title(write);
        AppendLine(title, design.title);
        title.Flush();
    }
    // The ranges are written on all cores into pieces of their own, and the pieces are handed
    // to `write` on this thread in the order of the index.
    const std::vector<EntryRange> ranges = EntryRangesOf(store);
    ForEachInOrder<std::vector<Text>>(
        ranges.size(), AllCores(),
        [&](size_t r) {
            PieceCollector out;
            AppendRange(out, store, ranges[r], design);
            return out.Take();
        },
        [&](size_t, std::vector<Text>&& pieces) {
            for (const Text& piece : pieces)
                write(piece);
        });
}

}  // namespace lexorim
