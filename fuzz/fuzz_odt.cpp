// ODT documents from arbitrary bytes: a zip container is read as it is; anything else becomes
// the content of office:text in a valid package. The reader either gives pages within the
// source size limit or refuses the document with a reason; it never crashes or runs away.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "textfiles/document_error.h"
#include "textfiles/document_fixtures.h"
#include "textfiles/internal/document_readers.h"
#include "textfiles/source_limits.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lexorim;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string package =
        bytes.starts_with("PK") ? std::string(bytes) : testing::MakeOdt(std::string(bytes));
    try {
        const DocumentPages pages = ReadOdtDocument(package);
        FUZZ_CHECK(!pages.pages.empty());
        size_t units = 0;
        for (const Text& page : pages.pages) {
            units += page.size();
        }
        FUZZ_CHECK(units <= kMaxSourceSize);
        FUZZ_CHECK(ReadOdtPages(package).has_value());
    } catch (const DocumentProblemError& error) {
        FUZZ_CHECK(!DocumentProblemReason(error.problem(), error.kind()).empty());
        FUZZ_CHECK(!ReadOdtPages(package).has_value());
    }
    return 0;
}
