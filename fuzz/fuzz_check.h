#pragma once
// A failed check in a fuzz target stops the run with the reason, so libFuzzer keeps the input.

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/text_helpers.h"

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

namespace lexorim::fuzz {

// The input taken as a shape for a time check: every "#" is replaced by a running number and the
// shape repeated up to `units` code units, which turns one crafted input into many distinct
// pieces ("<#<b<c>" gives "<0<b<c><1<b<c>...").
inline Text Amplified(const Text& shape, size_t units) {
    Text text;
    for (size_t n = 0; text.size() < units && !shape.empty(); ++n) {
        const std::string number = std::to_string(n);
        for (const char16_t c : shape) {
            if (c == u'#') {
                text.append(number.begin(), number.end());
            } else {
                text.push_back(c);
            }
        }
    }
    return text;
}

}  // namespace lexorim::fuzz
