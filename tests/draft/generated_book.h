#pragma once
// Small books for the tests of the clean first draft: pages of lines with running heads that
// differ on odd and even pages, a contents page with dot leaders and an index page.

#include <string>
#include <vector>

#include "draft/page_furniture.h"
#include "engine/text_helpers.h"

namespace lexorim::testing {

using BookPage = std::vector<Text>;

// Page `number` of a chapter: the head and foot a book sets on it (the book's title on even
// pages, the chapter on odd ones, the number outside) around the body lines.
inline BookPage PageWithHeads(int number, std::vector<Text> body) {
    const Text n = DecimalText(number);
    BookPage page;
    page.push_back(number % 2 == 0 ? n + u"    Das Gartenbuch"
                                   : u"Kapitel 2: Obstb\u00E4ume    " + n);
    page.push_back(u"");
    for (Text& line : body)
        page.push_back(std::move(line));
    page.push_back(u"");
    page.push_back(number % 2 == 0 ? u"Verlag Gr\u00FCn" : u"Ausgabe 2024");
    return page;
}

// Eight pages numbered 3 to 10, each with a word of its own ("Apfel" on page 3, ...).
inline std::vector<BookPage> BodyPages() {
    const std::vector<Text> words = {u"Apfel",  u"Birne",     u"Kirsche",  u"Pflaume",
                                     u"Quitte", u"Mirabelle", u"Holunder", u"Schlehe"};
    std::vector<BookPage> pages;
    for (int i = 0; i < 8; ++i) {
        pages.push_back(PageWithHeads(i + 3, {u"Der Baum tr\u00E4gt " + words[i] + u" im Sommer.",
                                              u"Man erntet " + words[i] + u" im Herbst."}));
    }
    return pages;
}

inline BookPage ContentsPage() {
    return {u"Inhalt",
            u"1 Obstb\u00E4ume . . . . . . . . . . . . . . . . . 3",
            u"1.1 Apfel und Birne . . . . . . . . . . . . . . 3",
            u"1.2",
            u"Steinobst . . . . . . . . . . . . . . . . .",
            u"5",
            u"2 Wildobst . . . . . . . . . . . . . . . . . . 9",
            u"Register  . . . . . . . . . . . . . . . . . . xi"};
}

inline BookPage IndexPage() {
    return {u"Register",    u"Apfel, 3, 4", u"Birne 4",         u"Holunder, 9", u"Kirsche, 5, 7-8",
            u"Mirabelle 8", u"Obstbaum",    u"  Pflege, 3, 10", u"Schlehe 10"};
}

inline std::vector<PageLines> ViewsOf(const std::vector<BookPage>& pages) {
    std::vector<PageLines> views;
    for (const BookPage& page : pages)
        views.emplace_back(page.begin(), page.end());
    return views;
}

}  // namespace lexorim::testing
