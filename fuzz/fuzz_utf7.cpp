// UTF-7 reading and writing on arbitrary bytes: the decoder agrees with the literal one, and
// every text written as UTF-7 (with and without signature) reads back and matches the literal
// writer.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/errors.h"
#include "fuzz_check.h"
#include "reference/reference_encodings.h"
#include "textfiles/internal/codecs.h"
#include "textfiles/text_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lexorim;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::optional<Text> decoded = DecodeUtf7(bytes);
    FUZZ_CHECK(decoded == reference::DecodeUtf7(bytes));
    try {
        static_cast<void>(DecodeText(bytes, encoding::kUtf7));
        FUZZ_CHECK(decoded.has_value());
    } catch (const InvalidUtf7&) {
        FUZZ_CHECK(!decoded.has_value());
    }

    // The bytes read as UTF-16 code units, written as UTF-7 and read back.
    Text units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    for (const bool signature : {false, true}) {
        std::string written;
        AppendUtf7(units, signature, written);
        FUZZ_CHECK(written == reference::EncodeUtf7(units, signature));
        FUZZ_CHECK(DecodeUtf7(written) == (signature ? u"\uFEFF" : u"") + units);
    }
    return 0;
}
