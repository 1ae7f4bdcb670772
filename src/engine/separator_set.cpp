#include "engine/separator_set.h"

#include <unicode/uchar.h>

#include <bitset>
#include <memory>

namespace lexorim {

namespace {

struct ClassTables {
    std::bitset<0x10000> separator;
    std::bitset<0x10000> boundary;

    ClassTables() {
        for (const char16_t c : kSeparatorCharacters) separator.set(c);
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

bool IsSeparator(char16_t unit) { return Tables().separator.test(unit); }
bool IsWordBoundary(char16_t unit) { return Tables().boundary.test(unit); }

}  // namespace lexorim
