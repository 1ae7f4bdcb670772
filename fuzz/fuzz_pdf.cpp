// PDF files from arbitrary bytes (behind a PDF header when they lack one). The reader either
// gives one number line per page, each a single line, or refuses the file with a reason.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "textfiles/document_error.h"
#include "textfiles/internal/document_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lexorim;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string pdf =
        bytes.starts_with("%PDF-") ? std::string(bytes) : "%PDF-1.4\n" + std::string(bytes);
    const int limit = size == 0 ? -1 : static_cast<int>(data[0] % 5) - 1;
    try {
        const DocumentPages pages = ReadPdfDocument(pdf, limit);
        FUZZ_CHECK(pages.pages.size() == pages.numberLines.size());
        FUZZ_CHECK(limit < 0 || pages.pages.size() <= static_cast<size_t>(limit));
        for (const Text& number : pages.numberLines) {
            FUZZ_CHECK(!number.empty());
            FUZZ_CHECK(number.find_first_of(u"\r\n") == Text::npos);
        }
    } catch (const DocumentProblemError& error) {
        FUZZ_CHECK(!DocumentProblemReason(error.problem(), error.kind()).empty());
    }
    return 0;
}
