// Broken input never crashes a decoder: random bytes and every cut of valid files.

#include <gtest/gtest.h>

#include <random>

#include "engine/errors.h"
#include "temp_folder.h"
#include "textfiles/internal/codecs.h"
#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"

namespace lexorim {
namespace {

constexpr TextEncoding kEveryCode[] = {
    encoding::kAnsi, encoding::kUtf16Le, encoding::kUtf16Be, encoding::kUtf7Ansi, encoding::kUtf7,
    encoding::kUtf8, encoding::kUtf8Bom, encoding::kUtf32Le, encoding::kUtf32Be,  4711};

// Decodes the bytes in every way a file can be read. Only UTF-7 may reject them, and only
// with its own error.
void DecodeEveryWay(std::string_view bytes) {
    for (const TextEncoding code : kEveryCode) {
        try {
            const Text text = DecodeText(bytes, code);
            EXPECT_LE(text.size(), bytes.size() + 1);
        } catch (const InvalidUtf7&) {
            EXPECT_EQ(code, encoding::kUtf7);
        }
    }
    try {
        DecodeDetectedText(bytes);
    } catch (const InvalidUtf7&) {
        // only UTF-7 rejects bytes
    }
    DetectEncodingOfBytes(bytes);
    if (const auto text = DecodeUtf8(bytes)) {
        EXPECT_LE(text->size(), bytes.size());
    }
    DecodeUtf7(bytes);
}

TEST(DecoderRobustness, RandomBytes) {
    std::mt19937 random(2024);
    for (int i = 0; i < 3000; ++i) {
        std::string bytes(std::uniform_int_distribution<size_t>(0, 64)(random), '\0');
        for (char& b : bytes) {
            b = static_cast<char>(random());
        }
        // Random bytes behind every signature, so every decoder sees them.
        static const std::string kStarts[] = {"",
                                              "\xEF\xBB\xBF",
                                              "+/v8",
                                              std::string("\xFF\xFE\x00\x00", 4),
                                              std::string("\x00\x00\xFE\xFF", 4),
                                              "\xFF\xFE",
                                              "\xFE\xFF"};
        DecodeEveryWay(kStarts[i % 7] + bytes);
    }
}

TEST(DecoderRobustness, EveryCutOfEveryEncoding) {
    const Text text = u"Grüße +東京- \U0001F600 a~b\r\n" + Text(u"\xD800");
    for (const TextEncoding code : kEveryCode) {
        const std::string bytes = EncodeText(text, code, true);
        for (size_t length = 0; length <= bytes.size(); ++length) {
            DecodeEveryWay(std::string_view(bytes).substr(0, length));
            DecodeEveryWay(std::string_view(bytes).substr(length));
        }
    }
}

TEST(DecoderRobustness, TruncatedFilesReadWithoutCrashing) {
    testing::TempFolder folder;
    const Text text = u"Zeile \U0001F600 Grüße\r\n東京";
    for (const TextEncoding code : kEveryCode) {
        const std::string bytes = EncodeText(text, code, true);
        for (size_t length = 0; length <= bytes.size(); ++length) {
            const std::string path = folder.write("cut.txt", bytes.substr(0, length));
            try {
                ReadTextFile(path);
            } catch (const UserError& error) {
                EXPECT_EQ(error.text(),
                          u"Cannot read file \"" + FromUtf8(path) + u"\". Invalid UTF7");
            }
        }
    }
}

}  // namespace
}  // namespace lexorim
