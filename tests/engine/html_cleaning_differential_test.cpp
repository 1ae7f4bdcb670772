// The fast tag removal against the literal one on generated texts (fixed seeds): unbalanced and
// overlapping "<" and ">", repeated tags, comments, ">" in attribute values, empty and nested
// tags, and literal " . " that looks like a replacement.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/html_cleaning.h"
#include "reference/hostile_html.h"
#include "reference/html_cleaning_reference.h"

namespace lexorim {
namespace {

class HtmlTextGenerator {
  public:
    explicit HtmlTextGenerator(uint32_t seed) : random_(seed) {}

    // Single characters from a tiny alphabet: every arrangement of "<", ">" and text shows up.
    Text Characters(size_t maxLength) {
        static constexpr char16_t kAlphabet[] = u"<<>>ab .";
        Text text;
        const size_t length = Below(maxLength + 1);
        for (size_t i = 0; i < length; ++i) {
            text.push_back(kAlphabet[Below(sizeof(kAlphabet) / 2 - 1)]);
        }
        return text;
    }

    // Short tokens among which " . " stands as literal text: tags that form only after earlier
    // removals (and then hold replacements) meet literal copies of themselves.
    Text Tokens(size_t maxTokens) {
        static const std::vector<Text> kTokens = {u"<", u">", u"a", u"b", u" . ", u"<a>", u"<b>"};
        Text text;
        const size_t count = Below(maxTokens + 1);
        for (size_t i = 0; i < count; ++i) {
            text += kTokens[Below(kTokens.size())];
        }
        return text;
    }

    // Pieces of real and broken markup, many of them repeated.
    Text Markup(size_t maxPieces) {
        static const std::vector<Text> kPieces = {
            u"<p>",
            u"</p>",
            u"<br>",
            u"<b>",
            u"</b>",
            u"<a href=\"x.html\">",
            u"</a>",
            u"<!-- c > d -->",
            u"<!DOCTYPE html>",
            u"<>",
            u"<<a>>",
            u"<a<b>",
            u"<img alt=\"1>2\">",
            u"<",
            u">",
            u" . ",
            u"Wort",
            u"Größe",
            u"&ouml;",
            u"  ",
            u"<script>if (a<b) c();</script>",
            u"<x",
            u"y>",
            u"<a . >",
        };
        Text text;
        const size_t count = Below(maxPieces + 1);
        for (size_t i = 0; i < count; ++i) {
            if (Below(6) == 0) {
                text += DistinctTag();
            } else {
                text += kPieces[Below(kPieces.size())];
            }
        }
        return text;
    }

  private:
    std::mt19937 random_;

    size_t Below(size_t bound) {
        return std::uniform_int_distribution<size_t>(0, bound - 1)(random_);
    }

    Text DistinctTag() {
        Text tag = u"<a href=\"";
        tag += FromUtf8(std::to_string(Below(20)));
        tag += Below(4) == 0 ? u"\"" : u"\">";
        return tag;
    }
};

// The tags the cycles take out of `text`, in cycle order (the first "<" through the first ">").
std::vector<Text> TagsOfCycles(Text text) {
    std::vector<Text> tags;
    while (true) {
        const size_t l = text.find(u'<');
        const size_t r = text.find(u'>');
        if (l == Text::npos || r == Text::npos || r < l) {
            return tags;
        }
        tags.push_back(text.substr(l, r - l + 1));
        text = ReplaceAll(text, tags.back(), u" . ");
    }
}

void ExpectSameAsLiteral(const Text& input) {
    const Text fast = RemoveHtmlTags(input);
    const Text literal = reference::RemoveHtmlTags(input);
    ASSERT_EQ(ToUtf8(fast), ToUtf8(literal)) << "input: " << ToUtf8(input);
}

TEST(RemoveHtmlTagsDifferential, AgreesOnShortCharacterSequences) {
    HtmlTextGenerator generator(20240611);
    for (int i = 0; i < 20000; ++i) {
        ExpectSameAsLiteral(generator.Characters(24));
    }
}

TEST(RemoveHtmlTagsDifferential, AgreesOnLongerCharacterSequences) {
    HtmlTextGenerator generator(7);
    for (int i = 0; i < 2000; ++i) {
        ExpectSameAsLiteral(generator.Characters(300));
    }
}

TEST(RemoveHtmlTagsDifferential, AgreesOnGeneratedMarkup) {
    HtmlTextGenerator generator(4711);
    for (int i = 0; i < 5000; ++i) {
        ExpectSameAsLiteral(generator.Markup(40));
    }
}

TEST(RemoveHtmlTagsDifferential, AgreesOnLargerPages) {
    HtmlTextGenerator generator(99);
    for (int i = 0; i < 100; ++i) {
        ExpectSameAsLiteral(generator.Markup(1500));
    }
}

// A text repeated evolves the same way in each copy, so tags that only form after earlier
// removals (and hold " . ") have copies further on.
TEST(RemoveHtmlTagsDifferential, AgreesOnRepeatedSequences) {
    HtmlTextGenerator generator(1234);
    for (int i = 0; i < 5000; ++i) {
        const Text part = generator.Characters(30);
        const Text separator = generator.Characters(3);
        ExpectSameAsLiteral(part + separator + part);
        ExpectSameAsLiteral(part + part + separator + part);
    }
    for (int i = 0; i < 1000; ++i) {
        const Text part = generator.Markup(12);
        ExpectSameAsLiteral(part + generator.Markup(2) + part);
    }
}

TEST(RemoveHtmlTagsDifferential, AgreesOnTokensWithLiteralReplacements) {
    HtmlTextGenerator generator(31337);
    for (int i = 0; i < 20000; ++i) {
        ExpectSameAsLiteral(generator.Tokens(16));
    }
    for (int i = 0; i < 5000; ++i) {
        const Text part = generator.Tokens(10);
        ExpectSameAsLiteral(part + generator.Tokens(2) + part + generator.Tokens(10));
    }
}

// Tags that only form after earlier removals, written out literally after the text that forms
// them, alone or behind another "<": the copy must go in the same cycle as the formed tag.
TEST(RemoveHtmlTagsDifferential, AgreesOnLiteralCopiesOfFormedTags) {
    HtmlTextGenerator generator(2718);
    static const Text kLeads[] = {u"", u"<", u"<z", u"x", u" . "};
    int formedTags = 0;
    for (int i = 0; i < 20000; ++i) {
        const Text part = i % 2 == 0 ? generator.Tokens(14) : generator.Characters(30);
        const std::vector<Text> tags = TagsOfCycles(part);
        Text text = part;
        for (size_t k = 1; k < tags.size(); ++k) {
            if (tags[k].find(u" . ") != Text::npos) {
                ++formedTags;
                text += kLeads[(i + k) % std::size(kLeads)] + tags[k];
            }
        }
        ExpectSameAsLiteral(text);
        ExpectSameAsLiteral(text + part);
    }
    EXPECT_GT(formedTags, 500);  // the generator does produce such tags
}

// With base 1 a fingerprint is the sum of the code units, so "<ab>" and "<ba>" collide: only the
// character comparison behind the fingerprints keeps the results right.
TEST(RemoveHtmlTagsDifferential, FingerprintCollisionsDoNotChangeTheResult) {
    EXPECT_EQ(ToUtf8(detail::RemoveHtmlTagsWithHashBase(u"<ab><z<ba>", 1)), " .  . ");
    HtmlTextGenerator generator(577);
    for (int i = 0; i < 5000; ++i) {
        const Text text = generator.Characters(40) + generator.Tokens(10) + generator.Markup(6);
        for (const uint64_t base : {uint64_t{0}, uint64_t{1}, uint64_t{2}}) {
            ASSERT_EQ(ToUtf8(detail::RemoveHtmlTagsWithHashBase(text, base)),
                      ToUtf8(reference::RemoveHtmlTags(text)))
                << "base " << base << ", input: " << ToUtf8(text);
        }
    }
}

TEST(RemoveHtmlTagsDifferential, AgreesOnEveryShortTextOverASmallAlphabet) {
    // Exhaustive up to length 8 over "<", ">", "a", "." and the blank.
    static constexpr char16_t kAlphabet[] = {u'<', u'>', u'a', u'.', u' '};
    for (size_t length = 0; length <= 8; ++length) {
        constexpr size_t kLetters = std::size(kAlphabet);
        size_t combinations = 1;
        for (size_t i = 0; i < length; ++i) {
            combinations *= kLetters;
        }
        for (size_t n = 0; n < combinations; ++n) {
            Text text;
            for (size_t i = 0, rest = n; i < length; ++i, rest /= kLetters) {
                text.push_back(kAlphabet[rest % kLetters]);
            }
            ExpectSameAsLiteral(text);
        }
    }
}

// The shapes that made earlier versions slow, alone, mixed with markup and cut at any place.
TEST(RemoveHtmlTagsDifferential, AgreesOnHostileShapes) {
    HtmlTextGenerator generator(8080);
    for (size_t size = 1; size <= 400; size += 37) {
        const Text shapes[] = {
            reference::SharedEndingTags(size),
            reference::StraysBeforeCopies(size / 10 + 1, size % 7),
            reference::CopiesBehindStrayPieces(size / 10 + 1),
        };
        for (const Text& shape : shapes) {
            ExpectSameAsLiteral(shape);
            ExpectSameAsLiteral(shape.substr(0, shape.size() / 2) + generator.Markup(4) +
                                shape.substr(shape.size() / 2));
            ExpectSameAsLiteral(generator.Tokens(6) + shape + shape);
        }
    }
    // Tags with more stray "<" than the removal indexes per segment, and copies of them behind
    // further strays.
    std::mt19937 random(99);
    for (int i = 0; i < 2000; ++i) {
        Text text;
        const int parts = 1 + static_cast<int>(random() % 6);
        for (int p = 0; p < parts; ++p) {
            text += Text(random() % 80, u'<');
            text += static_cast<char16_t>(u'a' + random() % 3);
            if (random() % 4 != 0) {
                text += u'>';
            }
            if (random() % 3 == 0) {
                text += text;
            }
        }
        ExpectSameAsLiteral(text);
    }
}

}  // namespace
}  // namespace lexorim
