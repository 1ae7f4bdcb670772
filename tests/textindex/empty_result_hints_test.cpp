#include "textindex/empty_result_hints.h"

#include <gtest/gtest.h>

namespace lexorim {
namespace {

TEST(EmptyResultHint, NamesTheReasonOfAnEmptyIndex) {
    const struct {
        const char* what;
        EmptyResultFacts facts;
        std::optional<Text> expected;
    } cases[] = {
        {"plain text without page numbers",
         {false, false, true, 0},
         HintNoPageDesignations(Language::English)},
        {"plain text with page numbers", {false, false, true, 3}, std::nullopt},
        {"line mode needs no page numbers", {true, false, true, 0}, std::nullopt},
        {"an empty text is empty anyway", {false, false, false, 0}, std::nullopt},
        {"a document without text",
         {false, true, false, 2},
         HintDocumentWithoutText(Language::English)},
        {"also in line mode", {true, true, false, 0}, HintDocumentWithoutText(Language::English)},
        {"a document with text", {false, true, true, 2}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EmptyResultHint(c.facts, Language::English), c.expected) << c.what;
    }
    EXPECT_NE(HintNoPageDesignations(Language::German), HintNoPageDesignations(Language::English));
    EXPECT_NE(HintDocumentWithoutText(Language::German),
              HintDocumentWithoutText(Language::English));
}

TEST(HasTextBesidesLines, SkipsTheGivenLinesAndBlanks) {
    EXPECT_FALSE(HasTextBesidesLines(u"", {}));
    EXPECT_FALSE(HasTextBesidesLines(u" \t\r\n\f\r\n", {}));
    EXPECT_TRUE(HasTextBesidesLines(u"\r\nx", {}));
    EXPECT_FALSE(HasTextBesidesLines(u"\r\n1\r\n\r\n2\r\n", {1, 3}));
    EXPECT_TRUE(HasTextBesidesLines(u"\r\n1\r\nWort\r\n2\r\n", {1, 3}));
}

}  // namespace
}  // namespace lexorim
