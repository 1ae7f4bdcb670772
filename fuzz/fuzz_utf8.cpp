// UTF-8 reading and writing on arbitrary bytes: the fast decoder agrees with the literal one,
// reading in parts agrees with reading whole, and every text written as UTF-8 reads back.
// The same bytes also go through detection and every other decoder.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/errors.h"
#include "fuzz_check.h"
#include "reference/reference_encodings.h"
#include "textfiles/internal/codecs.h"
#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"

namespace {

using namespace lexorim;

// Decodes in two parts cut at `cut`, carrying an unfinished sequence over as a file read in
// parts does.
std::optional<Text> DecodeInTwoParts(std::string_view bytes, size_t cut) {
    Text text;
    const size_t used = DecodeUtf8Part(bytes.substr(0, cut), false, text);
    if (used == kUtf8Invalid) {
        return std::nullopt;
    }
    if (DecodeUtf8Part(bytes.substr(used), true, text) == kUtf8Invalid) {
        return std::nullopt;
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::optional<Text> fast = DecodeUtf8(bytes);
    const std::optional<Text> literal = reference::DecodeUtf8(bytes);
    FUZZ_CHECK(fast == literal);
    const size_t cut = size == 0 ? 0 : data[0] % (size + 1);
    FUZZ_CHECK(DecodeInTwoParts(bytes, cut) == fast);

    // The bytes read as UTF-16 code units: their UTF-8 reads back to them.
    Text units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    std::string written;
    AppendUtf8(units, written);
    FUZZ_CHECK(written == reference::EncodeUtf8(units));
    FUZZ_CHECK(DecodeUtf8(written) == units);

    // Detection and the other decoders must simply not fail on any input.
    DetectEncodingOfBytes(bytes);
    for (const TextEncoding code : {encoding::kAnsi, encoding::kUtf16Le, encoding::kUtf16Be,
                                    encoding::kUtf8Bom, encoding::kUtf32Le, encoding::kUtf32Be}) {
        DecodeText(bytes, code);
    }
    return 0;
}
