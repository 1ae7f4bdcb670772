#include "engine/separator_set.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <bitset>
#include <iterator>
#include <memory>

namespace lexorim {

namespace {

bool IsControl(UChar32 c) {
    return c <= 0x1F || (c >= 0x7F && c <= 0x9F);
}

// Space, line and paragraph separators of every width; the blank keeps its own role.
bool IsSpaceSeparator(UChar32 c) {
    return c != u' ' && (U_GET_GC_MASK(c) & U_GC_Z_MASK) != 0;
}

struct ClassTables {
    std::bitset<0x10000> separator;
    std::bitset<0x10000> invisible;
    std::bitset<0x10000> boundary;

    ClassTables() {
        for (const char16_t c : kSeparatorCharacters)
            separator.set(c);
        for (const char16_t c : kTypographicSeparators)
            separator.set(c);
        for (const char16_t c : kInvisibleCharacters)
            invisible.set(c);
        for (UChar32 c = 0; c < 0x10000; ++c) {
            if (IsControl(c) || IsSpaceSeparator(c)) {
                separator.set(static_cast<size_t>(c));
            }
        }
        for (UChar32 c = 0; c < 0x10000; ++c) {
            const bool isBoundary = separator.test(static_cast<size_t>(c)) || u_isUWhiteSpace(c) ||
                                    u_isspace(c) || u_ispunct(c) ||
                                    (U_GET_GC_MASK(c) & U_GC_S_MASK) != 0;
            boundary.set(static_cast<size_t>(c), isBoundary);
        }
    }
};

const ClassTables& Tables() {
    static const auto tables = std::make_unique<ClassTables>();
    return *tables;
}

}  // namespace

bool IsSeparator(char16_t unit) {
    return Tables().separator.test(unit);
}
bool IsInvisibleInWords(char16_t unit) {
    return Tables().invisible.test(unit);
}
bool IsWordBoundary(char16_t unit) {
    return Tables().boundary.test(unit);
}

TextView WithoutInvisibleCharacters(TextView text, Text& storage) {
    // All of them lie above U+00AC, which spares the table for most of a Latin text.
    const auto invisible = [](char16_t c) { return c >= u'\u00AD' && IsInvisibleInWords(c); };
    if (std::none_of(text.begin(), text.end(), invisible)) {
        return text;
    }
    storage.clear();
    storage.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(storage),
                 [&](char16_t c) { return !invisible(c); });
    return storage;
}

}  // namespace lexorim
