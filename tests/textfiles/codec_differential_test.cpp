// The converters against their plain reference versions on many generated inputs.

#include <gtest/gtest.h>

#include <random>

#include "reference/reference_encodings.h"
#include "temp_folder.h"
#include "textfiles/internal/codecs.h"
#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"

namespace lexorim {
namespace {

using testing::ToHex;
using testing::UnitsToHex;

constexpr int kCases = 5000;

class Generator {
  public:
    explicit Generator(uint32_t seed) : random_(seed) {}

    size_t below(size_t limit) {
        return std::uniform_int_distribution<size_t>(0, limit - 1)(random_);
    }

    // Texts that mix long ASCII stretches (the fast paths), every range of UTF-16 and broken
    // surrogates.
    Text text() {
        Text result;
        const size_t pieces = below(12);
        for (size_t p = 0; p < pieces; ++p) {
            switch (below(9)) {
                case 0:
                    result.append(below(40), static_cast<char16_t>(u'a' + below(26)));
                    break;
                case 1:
                    result += static_cast<char16_t>(below(0x80));
                    break;
                case 2:
                    result += static_cast<char16_t>(0x80 + below(0x780));
                    break;
                case 3:
                    result += static_cast<char16_t>(0x800 + below(0xD000));
                    break;
                case 4:
                    result += static_cast<char16_t>(0xE000 + below(0x2000));
                    break;
                case 5: {
                    const uint32_t offset = static_cast<uint32_t>(below(0x100000));
                    result += static_cast<char16_t>(0xD800 + (offset >> 10));
                    result += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
                    break;
                }
                case 6:
                    result += static_cast<char16_t>(0xD800 + below(0x800));
                    break;
                case 7:
                    result += u"+-~\\ "[below(5)];
                    break;
                default:
                    for (size_t k = below(20); k > 0; --k) {
                        result += static_cast<char16_t>(0x20 + below(0x5F));
                    }
            }
        }
        return result;
    }

    // Byte strings: random bytes, valid encodings with some bytes changed, cut or repeated.
    std::string bytes(std::string_view alphabet = {}) {
        std::string result;
        switch (below(3)) {
            case 0: {
                const size_t length = below(40);
                for (size_t i = 0; i < length; ++i) {
                    result += alphabet.empty() ? static_cast<char>(below(256))
                                               : alphabet[below(alphabet.size())];
                }
                break;
            }
            case 1: {
                std::string encoded;
                AppendUtf8(text(), encoded);
                std::string utf7;
                AppendUtf7(text(), below(2) == 0, utf7);
                result = below(2) == 0 ? encoded : utf7;
                break;
            }
            default: {
                AppendUtf8(text(), result);
                for (size_t k = below(4); k > 0 && !result.empty(); --k) {
                    result[below(result.size())] = static_cast<char>(below(256));
                }
                if (!result.empty() && below(2) == 0) {
                    result.resize(below(result.size()));
                }
            }
        }
        return result;
    }

  private:
    std::mt19937 random_;
};

std::string Describe(const std::optional<Text>& text) {
    return text ? UnitsToHex(*text) : std::string("(fails)");
}

TEST(CodecDifferential, Utf8Decoder) {
    Generator generator(1001);
    for (int i = 0; i < kCases; ++i) {
        const std::string bytes = generator.bytes();
        ASSERT_EQ(Describe(DecodeUtf8(bytes)), Describe(reference::DecodeUtf8(bytes)))
            << ToHex(bytes);
    }
}

// Decodes in parts cut at random places, carrying an unfinished sequence to the next part as
// reading a large file does.
std::optional<Text> DecodeUtf8InParts(std::string_view bytes, Generator& generator) {
    Text text;
    std::string carried;
    while (!bytes.empty()) {
        const size_t take = 1 + generator.below(bytes.size());
        const std::string part = carried + std::string(bytes.substr(0, take));
        bytes.remove_prefix(take);
        const size_t used = DecodeUtf8Part(part, false, text);
        if (used == kUtf8Invalid) {
            return std::nullopt;
        }
        carried = part.substr(used);
    }
    if (DecodeUtf8Part(carried, true, text) == kUtf8Invalid) {
        return std::nullopt;
    }
    return text;
}

TEST(CodecDifferential, Utf8DecoderInParts) {
    Generator generator(1008);
    for (int i = 0; i < kCases; ++i) {
        const std::string bytes = generator.bytes();
        ASSERT_EQ(Describe(DecodeUtf8InParts(bytes, generator)), Describe(DecodeUtf8(bytes)))
            << ToHex(bytes);
    }
}

TEST(CodecDifferential, Utf8Encoder) {
    Generator generator(1002);
    for (int i = 0; i < kCases; ++i) {
        const Text text = generator.text();
        std::string bytes;
        AppendUtf8(text, bytes);
        ASSERT_EQ(ToHex(bytes), ToHex(reference::EncodeUtf8(text))) << UnitsToHex(text);
        // Whatever the text, its UTF-8 reads back unchanged.
        ASSERT_EQ(Describe(DecodeUtf8(bytes)), UnitsToHex(text));
    }
}

TEST(CodecDifferential, Utf7Decoder) {
    Generator generator(1003);
    for (int i = 0; i < kCases; ++i) {
        const std::string bytes = generator.bytes("+-AZaz09/!~ .\x80");
        ASSERT_EQ(Describe(DecodeUtf7(bytes)), Describe(reference::DecodeUtf7(bytes))) << bytes;
    }
}

TEST(CodecDifferential, Utf7Encoder) {
    Generator generator(1004);
    for (int i = 0; i < kCases; ++i) {
        const Text text = generator.text();
        const bool signature = i % 2 == 0;
        std::string bytes;
        AppendUtf7(text, signature, bytes);
        ASSERT_EQ(bytes, reference::EncodeUtf7(text, signature)) << UnitsToHex(text);
        ASSERT_EQ(Describe(DecodeUtf7(bytes)), UnitsToHex((signature ? u"\uFEFF" : u"") + text));
    }
}

TEST(CodecDifferential, Utf16BothWays) {
    Generator generator(1005);
    for (int i = 0; i < kCases; ++i) {
        const bool bigEndian = i % 2 == 1;
        const Text text = generator.text();
        std::string bytes;
        AppendUtf16(text, bigEndian, bytes);
        ASSERT_EQ(ToHex(bytes), ToHex(reference::EncodeUtf16(text, bigEndian)));
        const std::string raw = generator.bytes();
        ASSERT_EQ(UnitsToHex(DecodeUtf16(raw, bigEndian)),
                  UnitsToHex(reference::DecodeUtf16(raw, bigEndian)));
    }
}

TEST(CodecDifferential, Utf32BothWays) {
    Generator generator(1006);
    for (int i = 0; i < kCases; ++i) {
        const bool bigEndian = i % 2 == 1;
        const Text text = generator.text();
        std::string bytes;
        AppendUtf32(text, bigEndian, bytes);
        ASSERT_EQ(ToHex(bytes), ToHex(reference::EncodeUtf32(text, bigEndian)));
        const std::string raw = generator.bytes();
        ASSERT_EQ(UnitsToHex(DecodeUtf32(raw, bigEndian)),
                  UnitsToHex(reference::DecodeUtf32(raw, bigEndian)));
    }
}

TEST(CodecDifferential, Windows1252BothWays) {
    Generator generator(1007);
    for (int i = 0; i < kCases; ++i) {
        const Text text = generator.text();
        std::string bytes;
        AppendWindows1252(text, bytes);
        ASSERT_EQ(ToHex(bytes), ToHex(reference::EncodeWindows1252(text))) << UnitsToHex(text);
        const std::string raw = generator.bytes();
        ASSERT_EQ(UnitsToHex(DecodeWindows1252(raw)),
                  UnitsToHex(reference::DecodeWindows1252(raw)));
    }
}

}  // namespace
}  // namespace lexorim
