#include <gtest/gtest.h>

#include <array>
#include <random>

#include "reference/profile_file_reference.h"
#include "settings/profile_file.h"
#include "textfiles/text_writer.h"

namespace lexorim {
namespace {

std::string Utf16Bytes(TextView text) {
    return EncodeText(text, encoding::kUtf16Le, true);
}

// Small pieces that make lookups collide: names in several letter cases, blanks around names
// and values, quotes, lines that are neither sections nor keys, and duplicates.
constexpr std::array<std::u16string_view, 18> kLines = {
    u"[A]",     u"[a]",        u" [B] ", u"[B",     u"[C]x",  u"k=v",
    u"K = 'x'", u" k\t=\"y\"", u"x=1",   u"X=",     u"=z",    u"",
    u"; note",  u"no key",     u"  ",    u"k=last", u"[ c ]", u"x = \"a\"b\"",
};
constexpr std::array<std::u16string_view, 5> kSections = {u"A", u"a", u"B", u"c", u"New"};
constexpr std::array<std::u16string_view, 4> kKeys = {u"k", u"K", u"x", u" x "};
constexpr std::array<std::u16string_view, 5> kValues = {u"v", u"", u"'q'", u" sp ", u"a\r\nb"};

TEST(ProfileFileDifferential, ReadsAndWritesAsTheLiteralVersion) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 3000; ++round) {
        Text text;
        const int lines = static_cast<int>(random() % 12);
        for (int i = 0; i < lines; ++i) {
            text += kLines[random() % kLines.size()];
            text += random() % 5 == 0 ? u"\n" : u"\r\n";
        }
        ProfileFile product = ProfileFile::FromBytes(Utf16Bytes(text));
        reference::ReferenceProfile literal(text);
        for (int step = 0; step < 6; ++step) {
            for (const TextView section : kSections) {
                for (const TextView key : kKeys) {
                    ASSERT_EQ(product.ReadString(section, key), literal.ReadString(section, key))
                        << "round " << round << " [" << ToUtf8(section) << "] " << ToUtf8(key)
                        << "\n"
                        << ToUtf8(literal.ToText());
                }
            }
            const TextView section = kSections[random() % kSections.size()];
            const TextView key = kKeys[random() % kKeys.size()];
            const TextView value = kValues[random() % kValues.size()];
            product.WriteString(section, key, value);
            literal.WriteString(section, key, value);
            ASSERT_EQ(product.ToBytes(), Utf16Bytes(literal.ToText())) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace lexorim
