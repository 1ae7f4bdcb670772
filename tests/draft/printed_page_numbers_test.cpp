#include "draft/printed_page_numbers.h"

#include <gtest/gtest.h>

#include "draft/generated_book.h"

namespace lexorim {
namespace {

using testing::BookPage;
using testing::ViewsOf;

// Pages with a line of text and a foot that prints `foot` (no foot when it is empty).
std::vector<BookPage> PagesWithFeet(const std::vector<Text>& feet) {
    std::vector<BookPage> pages;
    for (size_t i = 0; i < feet.size(); ++i) {
        BookPage page = {u"Kapitel 3 und 12 Seiten",
                         u"Text der Seite " + Text(1, static_cast<char16_t>(u'A' + i))};
        if (!feet[i].empty())
            page.push_back(u"- " + feet[i] + u" -");
        pages.push_back(std::move(page));
    }
    return pages;
}

TEST(PrintedPageNumbers, ReadsTheNumbersThatFollowThePages) {
    struct Case {
        const char* name;
        std::vector<Text> feet;
        std::vector<Text> labels;
        std::vector<size_t> counted;
    };
    const std::vector<Case> cases = {
        {"roman, then arabic", {u"iv", u"v", u"1", u"2"}, {u"iv", u"v", u"1", u"2"}, {}},
        {"upper-case roman", {u"IX", u"X", u"XI"}, {u"IX", u"X", u"XI"}, {}},
        // The title pages count back to i; a chapter's first page without a number is "1" of
        // the sequence after it; a blank page goes on from the one before.
        {"gaps",
         {u"", u"", u"iii", u"iv", u"", u"", u"2", u"3", u"", u"5", u"6"},
         {u"i", u"ii", u"iii", u"iv", u"v", u"1", u"2", u"3", u"4", u"5", u"6"},
         {0, 1, 4, 5, 8}},
        // A first page before a page "1" has no number of its own in the sequence.
        {"before one", {u"", u"1", u"2"}, {u"0", u"1", u"2"}, {0}},
        {"the last pages", {u"7", u"8", u""}, {u"7", u"8", u"9"}, {2}},
    };
    for (const Case& c : cases) {
        const std::optional<PrintedPageNumbers> numbers =
            ReadPrintedPageNumbers(ViewsOf(PagesWithFeet(c.feet)));
        ASSERT_TRUE(numbers.has_value()) << c.name;
        EXPECT_EQ(numbers->labels, c.labels) << c.name;
        EXPECT_EQ(numbers->countedPages, c.counted) << c.name;
        EXPECT_EQ(numbers->readPages.size() + numbers->countedPages.size(), c.feet.size());
    }
}

TEST(PrintedPageNumbers, NumbersThatDoNotFollowThePagesAreNone) {
    // The same number on every page, numbers that jump, a single number alone.
    for (const std::vector<Text>& feet :
         {std::vector<Text>{u"7", u"7", u"7", u"7"}, std::vector<Text>{u"3", u"9", u"1", u"20"},
          std::vector<Text>{u"", u"5", u"", u""}, std::vector<Text>{u"", u"", u""}}) {
        EXPECT_FALSE(ReadPrintedPageNumbers(ViewsOf(PagesWithFeet(feet))).has_value())
            << ToUtf8(feet[1]);
    }
}

TEST(PrintedPageNumbers, TheNoteNamesThePages) {
    PrintedPageNumbers numbers;
    numbers.labels = {u"i", u"ii", u"1", u"2", u"3", u"4"};
    numbers.readPages = {1, 2, 3, 5};
    numbers.countedPages = {0, 4};
    EXPECT_EQ(PrintedPageNumbersNote(Language::English, "/b/Buch.pdf", numbers),
              u"The document \"/b/Buch.pdf\" has no page labels of its own; its pages take the "
              u"numbers printed in their heads or feet: read on pages 2-4, 6, counted from the "
              u"neighbouring pages on pages 1, 5.");
}

}  // namespace
}  // namespace lexorim
