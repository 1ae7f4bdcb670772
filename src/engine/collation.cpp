#include "engine/collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/ucol.h>
#include <unicode/uiter.h>
#include <unicode/uset.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace lexorim {

std::string LocaleNameFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0')
            continue;
        std::string name(value);
        name = name.substr(0, name.find_first_of(".@"));
        if (name == "C" || name == "POSIX")
            return {};
        return name;
    }
    return {};
}

LocaleCollator::LocaleCollator(const std::string& localeName)
    : localeName_(localeName.empty() ? LocaleNameFromEnvironment() : localeName) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = localeName_.empty()
                                   ? icu::Locale::getRoot()
                                   : icu::Locale::createFromName(localeName_.c_str());
    collator_.reset(icu::Collator::createInstance(locale, status));
    if (U_FAILURE(status) || !collator_) {
        status = U_ZERO_ERROR;
        collator_.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    if (U_FAILURE(status) || !collator_) {
        throw std::runtime_error("no collation is available");
    }
    // Secondary strength: accents count, case does not.
    collator_->setStrength(icu::Collator::SECONDARY);

    unsafeUnits_ = std::make_unique<std::bitset<0x10000>>();
    USet* unsafe = uset_openEmpty();
    status = U_ZERO_ERROR;
    ucol_getUnsafeSet(collator_->toUCollator(), unsafe, &status);
    for (uint32_t unit = 0; unit < 0x10000; ++unit) {
        const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
        // Without the set every unit counts as unsafe, and texts are simply never cut.
        (*unsafeUnits_)[unit] = surrogate || U_FAILURE(status) ||
                                uset_contains(unsafe, static_cast<UChar32>(unit)) != 0;
    }
    uset_close(unsafe);
}

LocaleCollator::~LocaleCollator() = default;

int LocaleCollator::Compare(TextView a, TextView b) const {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = collator_->compare(
        a.data(), static_cast<int32_t>(a.size()), b.data(), static_cast<int32_t>(b.size()), status);
    return U_FAILURE(status) ? 0 : static_cast<int>(result);
}

namespace {

// A character iterator over a text made of pieces, so that ICU can read a joined text without
// the pieces being copied into one string.
class JoinedText {
  public:
    static constexpr size_t kMaxPieces = 4;

    JoinedText(std::span<const TextView> pieces, size_t limit) {
        if (pieces.size() > kMaxPieces) {
            throw std::invalid_argument("too many pieces for one collation key");
        }
        int32_t end = 0;
        for (const TextView piece : pieces) {
            pieces_[count_] = piece;
            end += static_cast<int32_t>(piece.size());
            ends_[count_++] = end;
        }
        end = static_cast<int32_t>(std::min<size_t>(static_cast<size_t>(end), limit));
        iterator_ = UCharIterator{};
        iterator_.context = this;
        iterator_.length = end;
        iterator_.limit = end;
        iterator_.getIndex = GetIndex;
        iterator_.move = Move;
        iterator_.hasNext = HasNext;
        iterator_.hasPrevious = HasPrevious;
        iterator_.current = Current;
        iterator_.next = Next;
        iterator_.previous = Previous;
        iterator_.reservedFn = Reserved;
        iterator_.getState = GetState;
        iterator_.setState = SetState;
    }
    JoinedText(const JoinedText&) = delete;
    JoinedText& operator=(const JoinedText&) = delete;

    UCharIterator* iterator() { return &iterator_; }

  private:
    static const JoinedText& Of(const UCharIterator* iter) {
        return *static_cast<const JoinedText*>(iter->context);
    }

    UChar32 UnitAt(int32_t index) const {
        int32_t begin = 0;
        for (size_t p = 0; p < count_; ++p) {
            if (index < ends_[p]) {
                return pieces_[p][static_cast<size_t>(index - begin)];
            }
            begin = ends_[p];
        }
        return U_SENTINEL;
    }

    static int32_t GetIndex(UCharIterator* iter, UCharIteratorOrigin origin) {
        switch (origin) {
            case UITER_START:
            case UITER_ZERO:
                return 0;
            case UITER_CURRENT:
                return iter->index;
            case UITER_LIMIT:
            case UITER_LENGTH:
                return iter->length;
        }
        return -1;
    }

    static int32_t Move(UCharIterator* iter, int32_t delta, UCharIteratorOrigin origin) {
        int64_t position = delta;
        if (origin == UITER_CURRENT) {
            position += iter->index;
        } else if (origin == UITER_LIMIT || origin == UITER_LENGTH) {
            position += iter->length;
        }
        iter->index = static_cast<int32_t>(std::clamp<int64_t>(position, 0, iter->length));
        return iter->index;
    }

    static UBool HasNext(UCharIterator* iter) { return iter->index < iter->length; }
    static UBool HasPrevious(UCharIterator* iter) { return iter->index > 0; }
    static UChar32 Current(UCharIterator* iter) { return Of(iter).UnitAt(iter->index); }
    static UChar32 Next(UCharIterator* iter) {
        return iter->index < iter->length ? Of(iter).UnitAt(iter->index++) : U_SENTINEL;
    }
    static UChar32 Previous(UCharIterator* iter) {
        return iter->index > 0 ? Of(iter).UnitAt(--iter->index) : U_SENTINEL;
    }
    static int32_t Reserved(UCharIterator*, int32_t) { return 0; }
    static uint32_t GetState(const UCharIterator* iter) {
        return static_cast<uint32_t>(iter->index);
    }
    static void SetState(UCharIterator* iter, uint32_t state, UErrorCode* status) {
        if (U_FAILURE(*status)) {
            return;
        }
        if (state > static_cast<uint32_t>(iter->length)) {
            *status = U_INDEX_OUTOFBOUNDS_ERROR;
            return;
        }
        iter->index = static_cast<int32_t>(state);
    }

    std::array<TextView, kMaxPieces> pieces_{};
    std::array<int32_t, kMaxPieces> ends_{};
    size_t count_ = 0;
    UCharIterator iterator_;
};

}  // namespace

int32_t LocaleCollator::KeyPart(std::span<const TextView> pieces, size_t limit, uint8_t* bytes,
                                int32_t count) const {
    JoinedText text(pieces, limit);
    uint32_t state[2] = {0, 0};
    UErrorCode status = U_ZERO_ERROR;
    const int32_t written = ucol_nextSortKeyPart(collator_->toUCollator(), text.iterator(), state,
                                                 bytes, count, &status);
    return U_FAILURE(status) ? -1 : written;
}

namespace {

// Key bytes: 0x01 only ever separates the levels (and 0x00 ends a key).
constexpr uint8_t kLevelSeparator = 0x01;

// How far a long text is read for its prefix: the key's first level then usually goes on well
// past the prefix, so the cut cannot reach it.
constexpr size_t kCutAfter = 48;
constexpr int32_t kCutMargin = 8;

}  // namespace

SortKeyPrefix LocaleCollator::SortKeyPrefixOf(std::span<const TextView> pieces) const {
    std::array<uint8_t, SortKeyPrefix::kBytes + kCutMargin> bytes{};
    size_t length = 0;
    for (const TextView piece : pieces) {
        length += piece.size();
    }
    // ICU reads the whole text even for a few key bytes, and references can be long. A text cut
    // after a safe unit gives the collation elements of the whole text's beginning; its first
    // level is only cut short at its end, so where that level runs on beyond the prefix and a
    // margin, the prefix is that of the whole text.
    size_t cut = kCutAfter;
    const auto unitAt = [&](size_t index) {
        for (const TextView piece : pieces) {
            if (index < piece.size()) {
                return piece[index];
            }
            index -= piece.size();
        }
        return char16_t{0};
    };
    while (cut < length && cut < 2 * kCutAfter && (*unsafeUnits_)[unitAt(cut - 1)]) {
        ++cut;
    }
    bool whole = true;
    if (cut < length && !(*unsafeUnits_)[unitAt(cut - 1)]) {
        const int32_t written = KeyPart(pieces, cut, bytes.data(), bytes.size());
        const auto end = bytes.begin() + std::max(written, 0);
        whole = written != static_cast<int32_t>(bytes.size()) ||
                std::find(bytes.begin(), end, kLevelSeparator) != end;
    }
    SortKeyPrefix prefix;
    if (whole) {
        bytes.fill(0);
        // A key shorter than the prefix leaves zero bytes, which sort below every byte of a
        // longer key: the order of whole keys is kept. On failure, equal prefixes leave the
        // order to the full comparison.
        if (KeyPart(pieces, length, bytes.data(), SortKeyPrefix::kBytes) < 0) {
            return prefix;
        }
    }
    for (size_t i = 0; i < SortKeyPrefix::kBytes; ++i) {
        prefix.packed[i / 8] = prefix.packed[i / 8] << 8 | bytes[i];
    }
    return prefix;
}

}  // namespace lexorim
