#include "engine/html_cleaning.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
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

Fingerprint FingerprintOf(TextView text, uint64_t base) {
    Fingerprint result;
    for (const char16_t c : text) {
        result.hash = AddMod(MulMod(result.hash, base), c);
        result.power = MulMod(result.power, base);
    }
    result.length = text.size();
    return result;
}

bool SameFingerprint(const Fingerprint& a, const Fingerprint& b) {
    return a.hash == b.hash && a.length == b.length;
}

uint64_t PairKey(uint64_t secondLast, uint64_t last) {
    return (secondLast * 0x9E3779B97F4A7C15ULL) ^
           (last + 0x632BE59BD9B4E019ULL + (secondLast >> 7));
}

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
// or to the segment's end. A copy of the current tag (which has c pieces) can only be the last c
// pieces of a segment, so segments are indexed by the fingerprint of their last piece and of
// their last two pieces. Removing a copy only prepends text to the next segment, which changes
// at most one piece there; all other pieces and keys stay valid. Tags of one or two pieces
// (nearly every real tag) find exactly their copies this way; for a tag with more stray "<" in
// it, the segments that share its last two pieces are checked one by one.
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
        bool inLastPieceIndex = false;
        bool inPairIndex = false;
    };

    struct Match {
        Index segment;
        Index copyStart;
    };

    TextView text_;
    std::vector<Chunk> chunks_;
    // For chunks that start with "<" (indexed by chunk): the piece beginning there, and the
    // previous "<" chunk of the same segment.
    std::vector<Fingerprint> piece_;
    std::vector<Index> previousLt_;
    std::vector<Segment> segments_;
    Index headSegment_ = 0;
    Index tailSegment_ = 0;
    size_t remainingLessThan_ = 0;
    bool replaceEveryGreaterThan_ = false;
    const uint64_t base_;
    const Fingerprint replacementFingerprint_;

    std::unordered_map<uint64_t, std::vector<Index>> lastPieceIndex_;
    std::unordered_map<uint64_t, std::vector<Index>> pairIndex_;

    Index cycle_ = 0;
    std::vector<Index> tagPieces_;
    std::vector<Match> matches_;

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
        chunks_.reserve(2 + lessThan + 2 * greaterThan);
        piece_.reserve(2 + lessThan + greaterThan);
        previousLt_.reserve(2 + lessThan + greaterThan);
        segments_.reserve(1 + greaterThan);

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

        tailSegment_ = static_cast<Index>(segments_.size() - 1);
        for (Index s = 0; s <= tailSegment_; ++s) {
            segments_[s].prev = s == 0 ? kNoSegment : s - 1;
            segments_[s].next = s < tailSegment_ ? s + 1 : kNoSegment;
            if (s != tailSegment_) {
                IndexSegment(s);
            }
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

    void IndexSegment(Index s) {
        Segment& segment = segments_[s];
        if (segment.lastLt == kNone) {
            return;
        }
        if (!segment.inLastPieceIndex) {
            lastPieceIndex_[piece_[segment.lastLt].hash].push_back(s);
            segment.inLastPieceIndex = true;
        }
        const Index secondLast = previousLt_[segment.lastLt];
        if (secondLast != kNone && !segment.inPairIndex) {
            pairIndex_[PairKey(piece_[secondLast].hash, piece_[segment.lastLt].hash)].push_back(s);
            segment.inPairIndex = true;
        }
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

        const uint64_t lastHash = piece_[head.lastLt].hash;
        auto& index = tagPieces_.size() == 1 ? lastPieceIndex_ : pairIndex_;
        const uint64_t key = tagPieces_.size() == 1
                                 ? lastHash
                                 : PairKey(piece_[previousLt_[head.lastLt]].hash, lastHash);
        const auto bucket = index.find(key);
        if (bucket == index.end()) {
            // The first segment always stands in the index under its own key.
            throw std::logic_error("RemoveHtmlTags: the first tag is missing from its index");
        }

        matches_.clear();
        std::vector<Index>& candidates = bucket->second;
        size_t kept = 0;
        for (const Index s : candidates) {
            Segment& segment = segments_[s];
            if (!segment.alive || segment.matchedInCycle == cycle_) {
                continue;
            }
            const Index copyStart = CopyStart(s, tagLength);
            if (copyStart != kNone) {
                segment.matchedInCycle = cycle_;
                matches_.push_back({s, copyStart});
            } else {
                candidates[kept++] = s;
            }
        }
        if (segments_[headSegment_].matchedInCycle != cycle_) {
            // Every cycle must take out at least the first tag, or it would never end.
            throw std::logic_error("RemoveHtmlTags: the first tag did not match itself");
        }
        candidates.resize(kept);
        if (candidates.empty()) {
            index.erase(bucket);
        }

        // Each copy lies in a segment of its own and its removal only prepends text to the
        // following segment, so the order in which the copies are removed does not matter.
        for (const Match& match : matches_) {
            RemoveCopy(match.segment, match.copyStart);
        }
        remainingLessThan_ -= tagPieces_.size() * matches_.size();
    }

    // The first chunk of the copy of the tag that ends segment `s`, or kNone when the segment
    // does not end with the tag.
    Index CopyStart(Index s, size_t tagLength) const {
        Index lt = segments_[s].lastLt;
        for (size_t k = tagPieces_.size(); k-- > 0;) {
            if (lt == kNone || !SameFingerprint(piece_[lt], piece_[tagPieces_[k]])) {
                return kNone;
            }
            if (k > 0) {
                lt = previousLt_[lt];
            }
        }
        if (s != headSegment_ && !SameCharacters(lt, tagPieces_.front(), tagLength)) {
            return kNone;
        }
        return lt;
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
        const Index endChunk = segments_[s].endChunk;
        const Index before = chunks_[copyStart].prev;
        const Index after = chunks_[endChunk].next;
        const auto replacement = static_cast<Index>(chunks_.size());
        chunks_.push_back({kReplacementMark, 0, before, after});
        chunks_[before].next = replacement;
        chunks_[after].prev = replacement;

        Segment& segment = segments_[s];
        Segment& next = segments_[segment.next];
        const Index keptLastLt = previousLt_[copyStart];
        const Fingerprint joint = Join(replacementFingerprint_, next.prefix);
        if (keptLastLt != kNone) {
            // The last kept piece now runs on over " . " and the next segment's prefix.
            piece_[keptLastLt] = Join(piece_[keptLastLt], joint);
            if (next.firstLt != kNone) {
                previousLt_[next.firstLt] = keptLastLt;
            } else {
                next.lastLt = keptLastLt;
            }
            next.firstLt = segment.firstLt;
            next.prefix = segment.prefix;
        } else {
            next.prefix = Join(segment.prefix, joint);
        }

        segment.alive = false;
        if (segment.prev == kNoSegment) {
            headSegment_ = segment.next;
        } else {
            segments_[segment.prev].next = segment.next;
        }
        next.prev = segment.prev;
        if (segment.next != tailSegment_) {
            IndexSegment(segment.next);
        }
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

}  // namespace lexorim
