#include "engine/collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/ucol.h>
#include <unicode/uiter.h>

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

    explicit JoinedText(std::span<const TextView> pieces) {
        if (pieces.size() > kMaxPieces) {
            throw std::invalid_argument("too many pieces for one collation key");
        }
        int32_t end = 0;
        for (const TextView piece : pieces) {
            pieces_[count_] = piece;
            end += static_cast<int32_t>(piece.size());
            ends_[count_++] = end;
        }
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

SortKeyPrefix LocaleCollator::SortKeyPrefixOf(std::span<const TextView> pieces) const {
    JoinedText text(pieces);
    uint32_t state[2] = {0, 0};
    std::array<uint8_t, SortKeyPrefix::kBytes> bytes{};
    UErrorCode status = U_ZERO_ERROR;
    // A key shorter than the prefix leaves zero bytes, which sort below every byte of a longer
    // key: the order of whole keys is kept.
    ucol_nextSortKeyPart(collator_->toUCollator(), text.iterator(), state, bytes.data(),
                         SortKeyPrefix::kBytes, &status);
    SortKeyPrefix prefix;
    if (U_FAILURE(status)) {
        // Equal prefixes leave the order to the full comparison.
        return prefix;
    }
    for (size_t i = 0; i < bytes.size(); ++i) {
        prefix.packed[i / 8] = prefix.packed[i / 8] << 8 | bytes[i];
    }
    return prefix;
}

}  // namespace lexorim
