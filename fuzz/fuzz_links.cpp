// The link scan: memory safety and plain invariants on the input, and a time check on the input
// taken as a shape. Every "#" of the shape is replaced by a running number and the shape is
// repeated up to about 100,000 characters ("<a href=#>" gives "<a href=0><a href=1>..."), so that
// a scan that reads again what it has read (an anchor's text or a quote searched once per
// anchor) takes far longer than its budget.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "fuzz_check.h"
#include "indexing/source_list.h"

namespace {

using lexorim::Text;
using lexorim::TextView;
using lexorim::fuzz::Amplified;

size_t CountOf(TextView text, char16_t c) {
    size_t count = 0;
    for (const char16_t unit : text)
        count += unit == c ? 1 : 0;
    return count;
}

void CheckLinks(TextView text) {
    const std::vector<lexorim::DocumentLink> links = lexorim::FindDocumentLinks(text);
    // Every link has an anchor of its own.
    FUZZ_CHECK(links.size() <= CountOf(text, u'<'));
    for (const lexorim::DocumentLink& link : links) {
        // Decoding never lengthens, and the trimmed ends hold no blank or control.
        FUZZ_CHECK(link.target.size() <= text.size());
        FUZZ_CHECK(link.text.size() <= text.size());
        FUZZ_CHECK(link.text.empty() || (link.text.front() > u' ' && link.text.back() > u' '));
        FUZZ_CHECK(link.text.find(u"  ") == Text::npos);
        if (const auto file = lexorim::LocalFileOfLink(link.target)) {
            FUZZ_CHECK(!file->empty());
            FUZZ_CHECK(file->find_first_of(u"?#") == TextView::npos);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Bytes as code units, so that "<", ">", quotes and "#" are cheap for the fuzzer to find.
    const Text input(data, data + size);
    CheckLinks(input);
    if (input.empty() || input.size() > 200) {
        return 0;
    }
    const Text text = Amplified(input, 100'000);
    const auto start = std::chrono::steady_clock::now();
    CheckLinks(text);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // A linear scan of 100,000 characters takes a few hundredths of a second even with the
    // sanitizers; one that rescans per anchor takes minutes.
    if (seconds > 2.0) {
        std::fprintf(stderr, "FindDocumentLinks took %.2f s for %zu characters\n", seconds,
                     text.size());
    }
    FUZZ_CHECK(seconds <= 2.0);
    return 0;
}
