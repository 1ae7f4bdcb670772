#include "engine/case_rules.h"

#include <unicode/uchar.h>

#include <array>
#include <memory>

namespace lexorim {

namespace {

// Both mappings are looked up for every character of every page, so they are tabled once.
struct CaseTables {
    std::array<char16_t, 0x10000> upper{};
    std::array<char16_t, 0x10000> lower{};

    CaseTables() {
        for (UChar32 c = 0; c < 0x10000; ++c) {
            const UChar32 u = u_toupper(c);
            const UChar32 l = u_tolower(c);
            // A mapping that leaves the Basic Multilingual Plane cannot apply to one code unit.
            upper[c] = static_cast<char16_t>(u < 0x10000 ? u : c);
            lower[c] = static_cast<char16_t>(l < 0x10000 ? l : c);
        }
    }
};

const CaseTables& Tables() {
    static const auto tables = std::make_unique<CaseTables>();
    return *tables;
}

}  // namespace

char16_t UpperUnit(char16_t unit) {
    return Tables().upper[unit];
}
char16_t LowerUnit(char16_t unit) {
    return Tables().lower[unit];
}

Text ToUpper(TextView text) {
    const auto& table = Tables().upper;
    Text result(text.size(), u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        result[i] = table[text[i]];
    return result;
}

Text ToLower(TextView text) {
    const auto& table = Tables().lower;
    Text result(text.size(), u'\0');
    for (size_t i = 0; i < text.size(); ++i)
        result[i] = table[text[i]];
    return result;
}

bool EqualsIgnoringCase(TextView a, TextView b) {
    if (a.size() != b.size())
        return false;
    // Most words that are compared are spelt the same.
    if (a == b)
        return true;
    const auto& table = Tables().upper;
    for (size_t i = 0; i < a.size(); ++i) {
        if (table[a[i]] != table[b[i]])
            return false;
    }
    return true;
}

}  // namespace lexorim
