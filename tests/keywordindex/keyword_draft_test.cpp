#include <gtest/gtest.h>

#include "engine/collation.h"
#include "keywordindex/keyword_run.h"
#include "temp_folder.h"

namespace lexorim {
namespace {

using testing::TempFolder;

// Four pages of a site: the same navigation on each, a word of their own repeated on three.
class KeywordDraftTest : public ::testing::Test {
  protected:
    static constexpr const char* kNavigation = "<nav>Home | Next | Copyright</nav>";

    std::vector<SourceDocument> Pages(bool withNavigation) {
        const std::vector<std::pair<std::string, std::string>> pages = {
            {"a.html", "Installation Anleitung Paket Paket Paket Debian"},
            {"b.html", "Debian Netzwerk Netzwerk Firewall"},
            {"c.html", "Debian Drucker Drucker Drucker Treiber"},
            {"d.html", "Kernel Module"},
        };
        std::vector<SourceDocument> documents;
        for (const auto& [link, body] : pages) {
            const std::string text = "<html><body>" +
                                     std::string(withNavigation ? kNavigation : "") + "<p>" + body +
                                     "</p></body></html>";
            const std::string file = (withNavigation ? "nav-" : "plain-") + link;
            documents.push_back(
                {FromUtf8(link), FromUtf8(link), FromUtf8(folder.write(file, text))});
        }
        return documents;
    }
    Text Run(const std::vector<SourceDocument>& documents) {
        return RunKeywordIndex(
            options, documents,
            {.lists = lists, .collator = collator, .language = Language::German});
    }

    TempFolder folder;
    KeywordOptions options;
    WordLists lists;
    const LocaleCollator collator{"de_DE"};
};

TEST_F(KeywordDraftTest, WordsOnEveryPageAreLeftOutAndTheRestStays) {
    options.criteria.markCombined = false;
    const Text plain =
        u"a.html: Anleitung, Copyright, Debian, Home, Installation, Next, Paket\r\n\r\n"
        u"b.html: Copyright, Debian, Firewall, Home, Netzwerk, Next\r\n\r\n"
        u"c.html: Copyright, Debian, Drucker, Home, Next, Treiber\r\n\r\n"
        u"d.html: Copyright, Home, Kernel, Module, Next\r\n\r\n";
    // The values alone change nothing while the options are off.
    options.draft.commonWordPercent = 10;
    options.draft.keywordCount = 1;
    EXPECT_EQ(Run(Pages(true)), plain);

    options.draft.commonWordPercent = 80;
    options.draft.leaveOutCommonWords = true;
    // Debian stands on three of the four pages, below the share.
    const Text withoutNavigation = Run(Pages(true));
    EXPECT_EQ(withoutNavigation,
              u"a.html: Anleitung, Debian, Installation, Paket\r\n\r\n"
              u"b.html: Debian, Firewall, Netzwerk\r\n\r\n"
              u"c.html: Debian, Drucker, Treiber\r\n\r\n"
              u"d.html: Kernel, Module\r\n\r\n");
    EXPECT_EQ(withoutNavigation, Run(Pages(false)));
    options.draft.commonWordPercent = 75;
    EXPECT_EQ(Run(Pages(false)),
              u"a.html: Anleitung, Installation, Paket\r\n\r\n"
              u"b.html: Firewall, Netzwerk\r\n\r\n"
              u"c.html: Drucker, Treiber\r\n\r\n"
              u"d.html: Kernel, Module\r\n\r\n");
    // Two pages say nothing about what is common.
    const std::vector<SourceDocument> two = {Pages(true)[0], Pages(true)[1]};
    options.draft.leaveOutCommonWords = false;
    const Text twoPlain = Run(two);
    options.draft.leaveOutCommonWords = true;
    EXPECT_EQ(Run(two), twoPlain);
}

TEST_F(KeywordDraftTest, EachPageKeepsItsMostCharacteristicWordsUpToTheCount) {
    options.criteria.markCombined = false;
    options.draft.rankKeywords = true;
    options.draft.keywordCount = 2;
    // Alphabetical as usual; the navigation and Debian rank below each page's own words, and the
    // first page's repeated Paket above the Anleitung it has only once.
    const Text ranked =
        u"a.html: Installation, Paket\r\n\r\n"
        u"b.html: Firewall, Netzwerk\r\n\r\n"
        u"c.html: Drucker, Treiber\r\n\r\n"
        u"d.html: Kernel, Module\r\n\r\n";
    for (const unsigned threads : {1u, 4u}) {
        options.threads = threads;
        EXPECT_EQ(Run(Pages(true)), ranked) << threads;
    }
    // In order of appearance, a kept word with every repeat when duplicates stay.
    options.alphabetical = false;
    options.removeDuplicates = false;
    options.draft.keywordCount = 1;
    EXPECT_EQ(Run(Pages(true)),
              u"a.html: Paket, Paket, Paket\r\n\r\n"
              u"b.html: Netzwerk, Netzwerk\r\n\r\n"
              u"c.html: Drucker, Drucker, Drucker\r\n\r\n"
              u"d.html: Kernel\r\n\r\n");
    options.draft.rankKeywords = false;
    EXPECT_EQ(Run({Pages(true)[3]}), u"d.html: Home, Next, Copyright, Kernel, Module\r\n\r\n");
}

}  // namespace
}  // namespace lexorim
