#pragma once
// The locale's alphabetical order, ignoring case: used wherever entries or lines are sorted.

#include <array>
#include <bitset>
#include <compare>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "engine/text_helpers.h"

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class Collator;
U_NAMESPACE_END

namespace lexorim {

// The first bytes of a text's collation key, packed so that comparing two prefixes is comparing
// a few integers. Prefixes that differ order their texts as Compare does; equal prefixes say
// nothing, and the texts must then be compared in full.
struct SortKeyPrefix {
    static constexpr int32_t kBytes = 24;
    std::array<uint64_t, kBytes / 8> packed{};

    auto operator<=>(const SortKeyPrefix&) const = default;
};

class LocaleCollator {
  public:
    // `localeName` such as "de_DE"; an empty name takes the locale from the environment
    // (LC_ALL, LC_COLLATE, LANG).
    explicit LocaleCollator(const std::string& localeName = {});
    ~LocaleCollator();
    LocaleCollator(const LocaleCollator&) = delete;
    LocaleCollator& operator=(const LocaleCollator&) = delete;

    // Negative, zero or positive like strcmp, comparing without regard to case.
    int Compare(TextView a, TextView b) const;
    bool Less(TextView a, TextView b) const { return Compare(a, b) < 0; }

    // The key prefix of the text made of `pieces` one after the other, computed from as much of
    // the text as the prefix needs, without joining the pieces.
    SortKeyPrefix SortKeyPrefixOf(std::span<const TextView> pieces) const;

    const std::string& localeName() const { return localeName_; }

  private:
    // The key bytes of the text of `pieces`, read no further than `limit` units.
    int32_t KeyPart(std::span<const TextView> pieces, size_t limit, uint8_t* bytes,
                    int32_t count) const;

    std::string localeName_;
    std::unique_ptr<icu::Collator> collator_;
    // Units after which a following character may change how the text sorts (combining marks,
    // the parts of contractions, surrogates): a text is never cut just after one of them.
    std::unique_ptr<std::bitset<0x10000>> unsafeUnits_;
};

// The ICU locale name that the environment asks for ("de_DE.UTF-8" gives "de_DE"; "C", "POSIX"
// and nothing give the root locale "").
std::string LocaleNameFromEnvironment();

}  // namespace lexorim
