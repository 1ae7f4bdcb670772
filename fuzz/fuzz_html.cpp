// Tag removal: the fast version against the literal one on the input, and a time check on the
// input taken as a shape. Every "#" of the shape is replaced by a running number and the shape
// is repeated up to about 50,000 characters, which turns one crafted input into many distinct
// tags ("<#<b<c>" gives "<0<b<c><1<b<c>..."). A removal that grows faster than the text (the
// cycles rescanning the text once per distinct tag) then takes far longer than its budget.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/html_cleaning.h"
#include "fuzz_check.h"
#include "reference/html_cleaning_reference.h"

namespace {

using lexorim::Text;
using lexorim::fuzz::Amplified;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Bytes as code units, so that "<", ">" and "#" are cheap for the fuzzer to find.
    const Text input(data, data + size);
    if (input.size() <= 4000) {
        FUZZ_CHECK(lexorim::RemoveHtmlTags(input) == lexorim::reference::RemoveHtmlTags(input));
    }
    if (input.empty() || input.size() > 200) {
        return 0;
    }
    const Text text = Amplified(input, 50'000);
    const auto start = std::chrono::steady_clock::now();
    (void)lexorim::RemoveHtmlTags(text);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Near-linear removal of 50,000 characters takes a few hundredths of a second even with the
    // sanitizers; a quadratic one takes minutes.
    if (seconds > 2.0) {
        std::fprintf(stderr, "RemoveHtmlTags took %.2f s for %zu characters\n", seconds,
                     text.size());
    }
    FUZZ_CHECK(seconds <= 2.0);
    return 0;
}
