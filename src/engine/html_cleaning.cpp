#include "engine/html_cleaning.h"

#include "engine/large_buffers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace lexorim {

namespace {

constexpr TextView kTagReplacement = u" . ";

// ---------------------------------------------------------------------------------------------
// Fingerprints: polynomial hashes modulo 2^61 - 1 that can be joined without rereading the text.
// They only pick candidates; every candidate is compared character by character before it counts.

constexpr uint64_t kModulus = (uint64_t{1} << 61) - 1;
constexpr uint64_t kDefaultBase = 0x1F3A5C7B9D2E4ULL % kModulus;

uint64_t MulMod(uint64_t a, uint64_t b) {
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    uint64_t result =
        static_cast<uint64_t>(product & kModulus) + static_cast<uint64_t>(product >> 61);
    if (result >= kModulus) {
        result -= kModulus;
    }
    return result;
}

uint64_t AddMod(uint64_t a, uint64_t b) {
    uint64_t result = a + b;
    if (result >= kModulus) {
        result -= kModulus;
    }
    return result;
}

struct Fingerprint {
    uint64_t hash = 0;
    uint64_t power = 1;  // the base to the power of `length`
    size_t length = 0;
};

Fingerprint Join(const Fingerprint& left, const Fingerprint& right) {
    return {AddMod(MulMod(left.hash, right.power), right.hash), MulMod(left.power, right.power),
            left.length + right.length};
}

// `base` to the power of `exponent` by squaring: far fewer products than one per character.
uint64_t PowerMod(uint64_t base, size_t exponent) {
    uint64_t result = 1;
    while (exponent > 0) {
        if (exponent & 1) {
            result = MulMod(result, base);
        }
        base = MulMod(base, base);
        exponent >>= 1;
    }
    return result;
}

// A value below 2^123 reduced modulo 2^61 - 1.
uint64_t ReduceMod(unsigned __int128 value) {
    uint64_t result = static_cast<uint64_t>(value & kModulus) + static_cast<uint64_t>(value >> 61);
    result = (result & kModulus) + (result >> 61);
    if (result >= kModulus) {
        result -= kModulus;
    }
    return result;
}

Fingerprint FingerprintOf(TextView text, uint64_t base) {
    Fingerprint result;
    size_t i = 0;
    // Four characters a step: their products with the powers of the base do not wait for each
    // other, where one character a step waits for the product before it. The hash is the same.
    constexpr size_t kStep = 4;
    if (text.size() >= 2 * kStep) {
        const uint64_t base2 = MulMod(base, base);
        const uint64_t base3 = MulMod(base2, base);
        const uint64_t base4 = MulMod(base3, base);
        using Wide = unsigned __int128;
        for (; i + kStep <= text.size(); i += kStep) {
            const Wide sum = Wide{result.hash} * base4 + Wide{text[i]} * base3 +
                             Wide{text[i + 1]} * base2 + Wide{text[i + 2]} * base +
                             Wide{text[i + 3]};
            result.hash = ReduceMod(sum);
        }
    }
    for (; i < text.size(); ++i) {
        result.hash = AddMod(MulMod(result.hash, base), text[i]);
    }
    result.power = PowerMod(base, text.size());
    result.length = text.size();
    return result;
}

// ---------------------------------------------------------------------------------------------
// Lists of values by a 64-bit key, in one flat table with open addressing and one array of list
// cells: adding a value costs no allocation of its own, which matters when every removal moves
// a few dozen "<" to new keys.
template <typename Index>
class KeyedLists {
  public:
    void Reserve(size_t values) {
        ReserveLarge(cells_, values);
        Rehash(values);
    }

    void Add(uint64_t key, Index value) {
        if ((used_ + 1) * 4 > slots_.size() * 3) {
            Rehash(used_ + 1);
        }
        Slot& slot = FindSlot(slots_, key);
        if (!slot.used) {
            slot = {key, kEnd, true};
            ++used_;
        }
        cells_.push_back({value, slot.head});
        slot.head = static_cast<Index>(cells_.size() - 1);
    }

    // Calls `keep(value)` for every value under `key`; the values for which it returns false
    // are dropped. False when the key has no values.
    template <typename Keep>
    bool Filter(uint64_t key, Keep&& keep) {
        if (slots_.empty()) {
            return false;
        }
        Slot& slot = FindSlot(slots_, key);
        if (!slot.used || slot.head == kEnd) {
            return false;
        }
        Index* link = &slot.head;
        while (*link != kEnd) {
            Cell& cell = cells_[*link];
            if (keep(cell.value)) {
                link = &cell.next;
            } else {
                *link = cell.next;
            }
        }
        return true;
    }

  private:
    static constexpr Index kEnd = std::numeric_limits<Index>::max();
    struct Slot {
        uint64_t key = 0;
        Index head = kEnd;
        bool used = false;
    };
    struct Cell {
        Index value;
        Index next;
    };

    static Slot& FindSlot(std::vector<Slot>& slots, uint64_t key) {
        const size_t mask = slots.size() - 1;
        size_t at = static_cast<size_t>((key * 0x9E3779B97F4A7C15ULL) >> 17) & mask;
        while (slots[at].used && slots[at].key != key) {
            at = (at + 1) & mask;
        }
        return slots[at];
    }

    // Grows the table for `keys` keys, leaving out keys whose lists are empty.
    void Rehash(size_t keys) {
        size_t size = 16;
        while (size * 3 < keys * 4 + 4) {
            size *= 2;
        }
        std::vector<Slot> slots;
        ReserveLarge(slots, size);
        slots.resize(size);
        used_ = 0;
        for (const Slot& slot : slots_) {
            if (slot.used && slot.head != kEnd) {
                FindSlot(slots, slot.key) = slot;
                ++used_;
            }
        }
        slots_.swap(slots);
    }

    std::vector<Slot> slots_;
    std::vector<Cell> cells_;
    size_t used_ = 0;
};

// ---------------------------------------------------------------------------------------------
// Tag removal without rescanning the text once per distinct tag.
//
// The text is cut into chunks before every "<" and after every ">", so a chunk holds a "<" only
// at its start and a ">" only at its end. Every tag and every copy of a tag starts with a "<" and
// ends with the only ">" it contains, so it is a run of whole chunks; a removed copy becomes one
// replacement chunk " . ", which holds neither "<" nor ">".
//
// A segment is the text up to and including one remaining ">", after the previous remaining ">".
// It is a prefix without "<" followed by pieces, each piece running from a "<" to the next "<"
// or to the segment's end. The tag of a cycle is the first segment from its first "<", and a
// copy of it can only be a suffix of a segment that starts at one of its "<". So every "<" of a
// segment is indexed by the fingerprint of the text from it to the segment's end: one lookup
// gives exactly the copies of the tag, however many other tags share its ending. Removing a copy
// only prepends text to the next segment; the "<" that stay in front of the copy move there and
// are indexed again under their new endings. Only the last kMaxIndexedPieces "<" of a segment
// are indexed, so that a crowd of stray "<" moving on from copy to copy costs little; a tag with
// more pieces is looked up by its last kMaxIndexedPieces pieces and checked piece by piece.
template <typename Index>
class TagRemover {
  public:
    TagRemover(TextView text, uint64_t base)
        : text_(text), base_(base), replacementFingerprint_(FingerprintOf(kTagReplacement, base)) {
        CutIntoChunks();
    }

    Text Run() {
        while (headSegment_ != tailSegment_) {
            if (segments_[headSegment_].lastLt == kNone) {
                // A ">" comes before every "<": all ">" go, and nothing is removed after that.
                replaceEveryGreaterThan_ = remainingLessThan_ > 0;
                break;
            }
            RemoveFirstTagEverywhere();
        }
        return Assemble();
    }

  private:
    static constexpr size_t kMaxIndexedPieces = 4;
    static constexpr Index kNone = 0;  // chunk 0 is the list's anchor, never a "<" chunk
    static constexpr Index kNoSegment = std::numeric_limits<Index>::max();
    static constexpr Index kReplacementMark = std::numeric_limits<Index>::max();

    struct Chunk {
        Index begin = 0;  // kReplacementMark for a replacement chunk
        Index end = 0;
        Index prev = 0;
        Index next = 0;
    };

    struct Segment {
        Fingerprint prefix;      // everything before firstLt (the whole segment when it has no "<")
        Index endChunk = kNone;  // the chunk ending with the segment's ">"; kNone for the tail
        Index firstLt = kNone;   // first and last chunk that starts with "<"
        Index lastLt = kNone;
        Index prev = kNoSegment;
        Index next = kNoSegment;
        Index matchedInCycle = 0;
        bool alive = true;
    };

    struct Match {
        Index segment;
        Index copyStart;
    };

    TextView text_;
    std::vector<Chunk> chunks_;
    // For chunks that start with "<" (indexed by chunk): the piece beginning there, the text from
    // there to the end of its segment, the previous "<" chunk of the same segment, its segment,
    // and whether it went with a removed copy.
    std::vector<Fingerprint> piece_;
    std::vector<Fingerprint> suffix_;
    std::vector<Index> previousLt_;
    std::vector<Index> segmentOf_;  // kNoSegment or a dead segment for a "<" not indexed
    std::vector<Index> depth_;      // pieces from the "<" to the segment's end, for indexed "<"
    std::vector<uint8_t> removed_;
    std::vector<Segment> segments_;
    Index headSegment_ = 0;
    Index tailSegment_ = 0;
    size_t remainingLessThan_ = 0;
    bool replaceEveryGreaterThan_ = false;
    const uint64_t base_;
    const Fingerprint replacementFingerprint_;

    // "<" chunks by the fingerprint of their suffix. Entries whose suffix changed since they
    // were added are dropped when their bucket is next looked at.
    KeyedLists<Index> suffixIndex_;

    Index cycle_ = 0;
    std::vector<Index> tagPieces_;
    std::vector<Match> matches_;

    static uint64_t SuffixKey(const Fingerprint& fingerprint) {
        return fingerprint.hash ^
               (static_cast<uint64_t>(fingerprint.length) * 0x9E3779B97F4A7C15ULL);
    }

    bool IsReplacement(Index chunk) const { return chunks_[chunk].begin == kReplacementMark; }

    TextView ChunkText(Index chunk) const {
        const Chunk& c = chunks_[chunk];
        return c.begin == kReplacementMark ? kTagReplacement
                                           : text_.substr(c.begin, c.end - c.begin);
    }

    Index AppendChunk(Index begin, Index end) {
        const auto id = static_cast<Index>(chunks_.size());
        const Index last = chunks_[kNone].prev;
        chunks_.push_back({begin, end, last, kNone});
        chunks_[last].next = id;
        chunks_[kNone].prev = id;
        return id;
    }

    void CutIntoChunks() {
        const auto size = static_cast<Index>(text_.size());
        const auto lessThan = static_cast<size_t>(std::count(text_.begin(), text_.end(), u'<'));
        const auto greaterThan = static_cast<size_t>(std::count(text_.begin(), text_.end(), u'>'));
        // Every removed copy consumes one ">" and adds one replacement chunk.
        // The tables of a large text are walked in no particular order; huge pages spare most
        // of the address translations.
        ReserveLarge(chunks_, 2 + lessThan + 2 * greaterThan);
        const size_t originalChunks = 2 + lessThan + greaterThan;
        ReserveLarge(piece_, originalChunks);
        ReserveLarge(previousLt_, originalChunks);
        ReserveLarge(segments_, 1 + greaterThan);
        suffixIndex_.Reserve(lessThan);

        chunks_.push_back({});  // the anchor of the circular chunk list
        piece_.emplace_back();
        previousLt_.push_back(kNone);
        segments_.emplace_back();
        Index chunkStart = 0;
        for (Index position = 0; position < size; ++position) {
            if (text_[position] == u'<' && position > chunkStart) {
                AddOriginalChunk(chunkStart, position);
                chunkStart = position;
            }
            if (text_[position] == u'>') {
                AddOriginalChunk(chunkStart, position + 1);
                chunkStart = position + 1;
            }
        }
        if (chunkStart < size) {
            AddOriginalChunk(chunkStart, size);
        }

        ReserveLarge(suffix_, piece_.size());
        suffix_.resize(piece_.size());
        ReserveLarge(segmentOf_, piece_.size());
        segmentOf_.assign(piece_.size(), kNoSegment);
        ReserveLarge(depth_, piece_.size());
        depth_.assign(piece_.size(), 0);
        removed_.assign(piece_.size(), 0);
        tailSegment_ = static_cast<Index>(segments_.size() - 1);
        for (Index s = 0; s <= tailSegment_; ++s) {
            segments_[s].prev = s == 0 ? kNoSegment : s - 1;
            segments_[s].next = s < tailSegment_ ? s + 1 : kNoSegment;
            IndexPieces(s, segments_[s].lastLt, Fingerprint{}, 0);
        }
    }

    void AddOriginalChunk(Index begin, Index end) {
        const Index id = AppendChunk(begin, end);
        Segment& segment = segments_.back();
        const Fingerprint fingerprint = FingerprintOf(text_.substr(begin, end - begin), base_);
        piece_.push_back(fingerprint);
        previousLt_.push_back(kNone);
        if (text_[begin] == u'<') {
            ++remainingLessThan_;
            previousLt_[id] = segment.lastLt;
            if (segment.firstLt == kNone) {
                segment.firstLt = id;
            }
            segment.lastLt = id;
        } else {
            // Only the first chunk of a segment can start with something other than "<".
            segment.prefix = fingerprint;
        }
        if (text_[end - 1] == u'>') {
            segment.endChunk = id;
            segments_.emplace_back();
        }
    }

    // Gives the "<" chunks from `last` backwards their suffixes in segment `s`, where `after`
    // is the fingerprint of what follows `last`'s piece up to the segment's end and
    // `afterDepth` the number of pieces in it, and indexes them unless `s` is the tail, which
    // holds no ">" and so no copy. Stops after the last kMaxIndexedPieces pieces.
    void IndexPieces(Index s, Index last, Fingerprint after, size_t afterDepth) {
        size_t depth = afterDepth + 1;
        for (Index lt = last; lt != kNone && depth <= kMaxIndexedPieces;
             lt = previousLt_[lt], ++depth) {
            suffix_[lt] = Join(piece_[lt], after);
            after = suffix_[lt];
            segmentOf_[lt] = s;
            depth_[lt] = static_cast<Index>(depth);
            if (s != tailSegment_) {
                suffixIndex_.Add(SuffixKey(suffix_[lt]), lt);
            }
        }
    }

    // A "<" is indexed while the segment it was indexed in lives: its suffix changes only when
    // that segment loses its end.
    bool IsIndexed(Index lt) const {
        return removed_[lt] == 0 && segmentOf_[lt] != kNoSegment && segments_[segmentOf_[lt]].alive;
    }

    bool IsCurrentEntry(Index lt, uint64_t key) const {
        return IsIndexed(lt) && segmentOf_[lt] != tailSegment_ && SuffixKey(suffix_[lt]) == key;
    }

    // The start of the copy of the tag whose last kMaxIndexedPieces pieces begin at `lt`, or
    // kNone when the pieces before them differ from the tag's.
    Index LongCopyStart(Index lt) const {
        for (size_t k = tagPieces_.size() - kMaxIndexedPieces; k-- > 0;) {
            lt = previousLt_[lt];
            if (lt == kNone || piece_[lt].hash != piece_[tagPieces_[k]].hash ||
                piece_[lt].length != piece_[tagPieces_[k]].length) {
                return kNone;
            }
        }
        return lt;
    }

    // One cycle: the tag is the first segment from its first "<"; every segment that ends with
    // the same text loses that ending.
    void RemoveFirstTagEverywhere() {
        ++cycle_;
        const Segment& head = segments_[headSegment_];
        tagPieces_.clear();
        size_t tagLength = 0;
        for (Index lt = head.lastLt; lt != kNone; lt = previousLt_[lt]) {
            tagPieces_.push_back(lt);
            tagLength += piece_[lt].length;
        }
        std::reverse(tagPieces_.begin(), tagPieces_.end());
        const bool longTag = tagPieces_.size() > kMaxIndexedPieces;
        const Index tagStart = tagPieces_.front();
        const Index lookedUp =
            longTag ? tagPieces_[tagPieces_.size() - kMaxIndexedPieces] : tagStart;
        const uint64_t key = SuffixKey(suffix_[lookedUp]);
        matches_.clear();
        const bool found = suffixIndex_.Filter(key, [&](Index lt) {
            if (!IsCurrentEntry(lt, key)) {
                return false;  // moved on or removed since it was indexed
            }
            Segment& segment = segments_[segmentOf_[lt]];
            const Index copyStart = longTag ? LongCopyStart(lt) : lt;
            const bool same =
                copyStart == tagStart ||
                (copyStart != kNone && SameCharacters(copyStart, tagStart, tagLength));
            if (same && segment.matchedInCycle != cycle_) {
                segment.matchedInCycle = cycle_;
                matches_.push_back({segmentOf_[lt], copyStart});
                return false;
            }
            return true;  // a different text that shares the looked-up ending
        });
        if (!found || segments_[headSegment_].matchedInCycle != cycle_) {
            // The first segment always stands in the index under its own key, and every cycle
            // must take out at least the first tag, or it would never end.
            throw std::logic_error("RemoveHtmlTags: the first tag did not match itself");
        }

        // Each copy lies in a segment of its own and its removal only prepends text to the
        // following segment, so the order in which the copies are removed does not matter.
        for (const Match& match : matches_) {
            RemoveCopy(match.segment, match.copyStart);
        }
    }

    bool SameCharacters(Index chunkA, Index chunkB, size_t length) const {
        TextView a = ChunkText(chunkA);
        TextView b = ChunkText(chunkB);
        while (length > 0) {
            if (a.empty()) {
                a = ChunkText(chunkA = chunks_[chunkA].next);
            }
            if (b.empty()) {
                b = ChunkText(chunkB = chunks_[chunkB].next);
            }
            const size_t step = std::min({a.size(), b.size(), length});
            if (a.substr(0, step) != b.substr(0, step)) {
                return false;
            }
            a.remove_prefix(step);
            b.remove_prefix(step);
            length -= step;
        }
        return true;
    }

    // Replaces the chunks from `copyStart` to the end of segment `s` by " . " and joins what is
    // left of the segment to the next one.
    void RemoveCopy(Index s, Index copyStart) {
        Segment& segment = segments_[s];
        for (Index lt = segment.lastLt;; lt = previousLt_[lt]) {
            removed_[lt] = 1;
            --remainingLessThan_;
            if (lt == copyStart) {
                break;
            }
        }
        const Index endChunk = segment.endChunk;
        const Index before = chunks_[copyStart].prev;
        const Index after = chunks_[endChunk].next;
        const auto replacement = static_cast<Index>(chunks_.size());
        chunks_.push_back({kReplacementMark, 0, before, after});
        chunks_[before].next = replacement;
        chunks_[after].prev = replacement;

        const Index nextId = segment.next;
        Segment& next = segments_[nextId];
        const Index keptLastLt = previousLt_[copyStart];
        const Fingerprint joint = Join(replacementFingerprint_, next.prefix);
        if (keptLastLt != kNone) {
            // The last kept piece now runs on over " . " and the next segment's prefix.
            piece_[keptLastLt] = Join(piece_[keptLastLt], joint);
            const Index nextFirstLt = next.firstLt;
            if (nextFirstLt != kNone) {
                previousLt_[nextFirstLt] = keptLastLt;
            } else {
                next.lastLt = keptLastLt;
            }
            next.firstLt = segment.firstLt;
            next.prefix = segment.prefix;
            if (nextFirstLt == kNone) {
                IndexPieces(nextId, keptLastLt, Fingerprint{}, 0);
            } else if (IsIndexed(nextFirstLt)) {
                IndexPieces(nextId, keptLastLt, suffix_[nextFirstLt], depth_[nextFirstLt]);
            }
            // Otherwise the next segment already has more pieces than are indexed.
        } else {
            next.prefix = Join(segment.prefix, joint);
        }

        segment.alive = false;
        if (segment.prev == kNoSegment) {
            headSegment_ = nextId;
        } else {
            segments_[segment.prev].next = nextId;
        }
        next.prev = segment.prev;
    }

    Text Assemble() const {
        Text result;
        size_t size = 0;
        for (Index c = chunks_[kNone].next; c != kNone; c = chunks_[c].next) {
            size += ChunkText(c).size() + (replaceEveryGreaterThan_ ? kTagReplacement.size() : 0);
        }
        result.reserve(size);
        for (Index c = chunks_[kNone].next; c != kNone; c = chunks_[c].next) {
            TextView piece = ChunkText(c);
            if (replaceEveryGreaterThan_ && !IsReplacement(c) && piece.back() == u'>') {
                result.append(piece.substr(0, piece.size() - 1));
                result.append(kTagReplacement);
            } else {
                result.append(piece);
            }
        }
        return result;
    }
};

Text RunTagRemover(TextView text, uint64_t base) {
    // 32-bit positions and chunk numbers halve the memory; chunk numbers reach about twice the
    // text length.
    if (text.size() < std::numeric_limits<uint32_t>::max() / 4) {
        return TagRemover<uint32_t>(text, base).Run();
    }
    return TagRemover<uint64_t>(text, base).Run();
}

// The HTML 4.01 names of the ISO 8859-1 characters U+00A0 to U+00FF, in code order.
constexpr std::array<TextView, 96> kLatin1EntityNames = {
    u"nbsp",   u"iexcl",  u"cent",   u"pound",  u"curren", u"yen",    u"brvbar", u"sect",
    u"uml",    u"copy",   u"ordf",   u"laquo",  u"not",    u"shy",    u"reg",    u"macr",
    u"deg",    u"plusmn", u"sup2",   u"sup3",   u"acute",  u"micro",  u"para",   u"middot",
    u"cedil",  u"sup1",   u"ordm",   u"raquo",  u"frac14", u"frac12", u"frac34", u"iquest",
    u"Agrave", u"Aacute", u"Acirc",  u"Atilde", u"Auml",   u"Aring",  u"AElig",  u"Ccedil",
    u"Egrave", u"Eacute", u"Ecirc",  u"Euml",   u"Igrave", u"Iacute", u"Icirc",  u"Iuml",
    u"ETH",    u"Ntilde", u"Ograve", u"Oacute", u"Ocirc",  u"Otilde", u"Ouml",   u"times",
    u"Oslash", u"Ugrave", u"Uacute", u"Ucirc",  u"Uuml",   u"Yacute", u"THORN",  u"szlig",
    u"agrave", u"aacute", u"acirc",  u"atilde", u"auml",   u"aring",  u"aelig",  u"ccedil",
    u"egrave", u"eacute", u"ecirc",  u"euml",   u"igrave", u"iacute", u"icirc",  u"iuml",
    u"eth",    u"ntilde", u"ograve", u"oacute", u"ocirc",  u"otilde", u"ouml",   u"divide",
    u"oslash", u"ugrave", u"uacute", u"ucirc",  u"uuml",   u"yacute", u"thorn",  u"yuml",
};

// The named references of HTML 4.01 beyond the Latin-1 ones, and "apos" of XHTML.
struct NamedReference {
    TextView name;
    char32_t character;
};
constexpr NamedReference kOtherEntities[] = {
    {u"quot", 34},     {u"amp", 38},       {u"apos", 39},      {u"lt", 60},       {u"gt", 62},
    {u"OElig", 338},   {u"oelig", 339},    {u"Scaron", 352},   {u"scaron", 353},  {u"Yuml", 376},
    {u"fnof", 402},    {u"circ", 710},     {u"tilde", 732},    {u"Alpha", 913},   {u"Beta", 914},
    {u"Gamma", 915},   {u"Delta", 916},    {u"Epsilon", 917},  {u"Zeta", 918},    {u"Eta", 919},
    {u"Theta", 920},   {u"Iota", 921},     {u"Kappa", 922},    {u"Lambda", 923},  {u"Mu", 924},
    {u"Nu", 925},      {u"Xi", 926},       {u"Omicron", 927},  {u"Pi", 928},      {u"Rho", 929},
    {u"Sigma", 931},   {u"Tau", 932},      {u"Upsilon", 933},  {u"Phi", 934},     {u"Chi", 935},
    {u"Psi", 936},     {u"Omega", 937},    {u"alpha", 945},    {u"beta", 946},    {u"gamma", 947},
    {u"delta", 948},   {u"epsilon", 949},  {u"zeta", 950},     {u"eta", 951},     {u"theta", 952},
    {u"iota", 953},    {u"kappa", 954},    {u"lambda", 955},   {u"mu", 956},      {u"nu", 957},
    {u"xi", 958},      {u"omicron", 959},  {u"pi", 960},       {u"rho", 961},     {u"sigmaf", 962},
    {u"sigma", 963},   {u"tau", 964},      {u"upsilon", 965},  {u"phi", 966},     {u"chi", 967},
    {u"psi", 968},     {u"omega", 969},    {u"thetasym", 977}, {u"upsih", 978},   {u"piv", 982},
    {u"ensp", 8194},   {u"emsp", 8195},    {u"thinsp", 8201},  {u"zwnj", 8204},   {u"zwj", 8205},
    {u"lrm", 8206},    {u"rlm", 8207},     {u"ndash", 8211},   {u"mdash", 8212},  {u"lsquo", 8216},
    {u"rsquo", 8217},  {u"sbquo", 8218},   {u"ldquo", 8220},   {u"rdquo", 8221},  {u"bdquo", 8222},
    {u"dagger", 8224}, {u"Dagger", 8225},  {u"bull", 8226},    {u"hellip", 8230}, {u"permil", 8240},
    {u"prime", 8242},  {u"Prime", 8243},   {u"lsaquo", 8249},  {u"rsaquo", 8250}, {u"oline", 8254},
    {u"frasl", 8260},  {u"euro", 8364},    {u"image", 8465},   {u"weierp", 8472}, {u"real", 8476},
    {u"trade", 8482},  {u"alefsym", 8501}, {u"larr", 8592},    {u"uarr", 8593},   {u"rarr", 8594},
    {u"darr", 8595},   {u"harr", 8596},    {u"crarr", 8629},   {u"lArr", 8656},   {u"uArr", 8657},
    {u"rArr", 8658},   {u"dArr", 8659},    {u"hArr", 8660},    {u"forall", 8704}, {u"part", 8706},
    {u"exist", 8707},  {u"empty", 8709},   {u"nabla", 8711},   {u"isin", 8712},   {u"notin", 8713},
    {u"ni", 8715},     {u"prod", 8719},    {u"sum", 8721},     {u"minus", 8722},  {u"lowast", 8727},
    {u"radic", 8730},  {u"prop", 8733},    {u"infin", 8734},   {u"ang", 8736},    {u"and", 8743},
    {u"or", 8744},     {u"cap", 8745},     {u"cup", 8746},     {u"int", 8747},    {u"there4", 8756},
    {u"sim", 8764},    {u"cong", 8773},    {u"asymp", 8776},   {u"ne", 8800},     {u"equiv", 8801},
    {u"le", 8804},     {u"ge", 8805},      {u"sub", 8834},     {u"sup", 8835},    {u"nsub", 8836},
    {u"sube", 8838},   {u"supe", 8839},    {u"oplus", 8853},   {u"otimes", 8855}, {u"perp", 8869},
    {u"sdot", 8901},   {u"lceil", 8968},   {u"rceil", 8969},   {u"lfloor", 8970}, {u"rfloor", 8971},
    {u"lang", 9001},   {u"rang", 9002},    {u"loz", 9674},     {u"spades", 9824}, {u"clubs", 9827},
    {u"hearts", 9829}, {u"diams", 9830},
};

// The longest reference name ("thetasym") bounds how far an "&" looks ahead, so decoding stays
// linear however many "&" a text holds.
constexpr size_t kLongestEntityName = 8;

const std::unordered_map<TextView, char32_t>& EntityCharacters() {
    static const std::unordered_map<TextView, char32_t> characters = [] {
        std::unordered_map<TextView, char32_t> map;
        for (char16_t c = 0xA0; c <= 0xFF; ++c)
            map.emplace(kLatin1EntityNames[c - 0xA0], c);
        for (const NamedReference& reference : kOtherEntities)
            map.emplace(reference.name, reference.character);
        return map;
    }();
    return characters;
}

bool IsAsciiLetterOrDigit(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// The character of a numeric reference's digits ("220", "xDC"), if they are digits at all.
std::optional<char32_t> NumericReference(TextView digits) {
    const bool hex = !digits.empty() && (digits[0] == u'x' || digits[0] == u'X');
    if (hex)
        digits.remove_prefix(1);
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    uint32_t value = 0;
    for (const char16_t c : digits) {
        const int digit = hex ? HexDigitValue(c) : (c >= u'0' && c <= u'9' ? c - u'0' : -1);
        if (digit < 0)
            return std::nullopt;
        value = value * (hex ? 16 : 10) + static_cast<uint32_t>(digit);
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return U'\uFFFD';
    return static_cast<char32_t>(value);
}

// The character of the reference whose text between "&" and ";" is `body`.
std::optional<char32_t> ReferencedCharacter(TextView body) {
    if (!body.empty() && body[0] == u'#')
        return NumericReference(body.substr(1));
    const auto& characters = EntityCharacters();
    const auto found = characters.find(body);
    if (found == characters.end())
        return std::nullopt;
    return found->second;
}

}  // namespace

Text RemoveHtmlTags(TextView text) {
    if (text.find(u'<') == TextView::npos || text.find(u'>') == TextView::npos) {
        return Text(text);
    }
    return RunTagRemover(text, kDefaultBase);
}

namespace detail {

Text RemoveHtmlTagsWithHashBase(TextView text, uint64_t base) {
    return RunTagRemover(text, base % kModulus);
}

}  // namespace detail

TextView HtmlEntityName(char16_t c) {
    if (c < 0xA0 || c > 0xFF) {
        return {};
    }
    return kLatin1EntityNames[c - 0xA0];
}

Text EncodeHtmlEntities(TextView text) {
    Text result;
    result.reserve(text.size());
    for (const char16_t c : text) {
        const TextView name = HtmlEntityName(c);
        if (name.empty()) {
            result.push_back(c);
        } else {
            result.push_back(u'&');
            result.append(name);
            result.push_back(u';');
        }
    }
    return result;
}

Text DecodeHtmlEntities(TextView text) {
    Text result;
    result.reserve(text.size());
    size_t from = 0;
    for (size_t amp = text.find(u'&'); amp != TextView::npos; amp = text.find(u'&', from)) {
        result.append(text.substr(from, amp - from));
        from = amp + 1;
        // "#", "x" and up to eight digits, or a name: nothing longer can be a reference.
        size_t end = from;
        const size_t limit = std::min(text.size(), from + kLongestEntityName + 2);
        while (end < limit &&
               (IsAsciiLetterOrDigit(text[end]) || (end == from && text[end] == u'#')))
            ++end;
        const std::optional<char32_t> character =
            end < text.size() && text[end] == u';'
                ? ReferencedCharacter(text.substr(from, end - from))
                : std::nullopt;
        if (character) {
            AppendCodePointAsUtf16(*character, result);
            from = end + 1;
        } else {
            result.push_back(u'&');
        }
    }
    result.append(text.substr(from));
    return result;
}

}  // namespace lexorim
