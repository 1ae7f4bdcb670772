#include "engine/word_char_table.h"

#include <memory>

#include "engine/case_rules.h"
#include "engine/separator_set.h"

namespace lexorim {

WordCharTable::WordCharTable() {
    for (uint32_t c = 0; c < 0x10000; ++c) {
        const auto unit = static_cast<char16_t>(c);
        upper_[c] = UpperUnit(unit);
        uint8_t f = 0;
        if (lexorim::IsSeparator(unit))
            f |= kSeparator;
        if (IsWordBoundary(unit))
            f |= kBoundary;
        if (UpperUnit(unit) == unit)
            f |= kUpperSame;
        if (LowerUnit(unit) == unit)
            f |= kLowerSame;
        flags_[c] = f;
    }
    // Several characters may share one upper-case form while only some of them are boundaries;
    // mark such forms so that a fast path relying on one class per form can step aside.
    std::array<int8_t, 0x10000> classOfForm;
    classOfForm.fill(-1);
    for (uint32_t c = 0; c < 0x10000; ++c) {
        const char16_t up = upper_[c];
        const int8_t cls = (flags_[c] & kBoundary) != 0 ? 1 : 0;
        if (classOfForm[up] < 0) {
            classOfForm[up] = cls;
        } else if (classOfForm[up] != cls) {
            flags_[up] |= kMixedBoundary;
        }
    }
}

const WordCharTable& WordCharTable::Get() {
    static const auto table = std::unique_ptr<WordCharTable>(new WordCharTable());
    return *table;
}

}  // namespace lexorim
