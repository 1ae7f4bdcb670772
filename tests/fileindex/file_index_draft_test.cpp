#include <gtest/gtest.h>

#include "engine/collation.h"
#include "fileindex/file_index_run.h"
#include "temp_folder.h"

namespace lexorim {
namespace {

using testing::TempFolder;

bool HasEntry(const IndexStore& store, TextView word) {
    for (const IndexEntry& entry : store.Bucket(IndexStore::BucketOf(word))) {
        if (entry.word == word)
            return true;
    }
    return false;
}

// Pages of a site with the same navigation and foot on each.
class FileIndexDraftTest : public ::testing::Test {
  protected:
    std::vector<SourceDocument> Pages(bool withFurniture, size_t count = 4) {
        const std::vector<std::string> bodies = {"Paket Paket Debian Installation",
                                                 "Debian Netzwerk Firewall",
                                                 "Debian Drucker Treiber", "Kernel Module"};
        std::vector<SourceDocument> documents;
        for (size_t i = 0; i < count; ++i) {
            const std::string link = "page" + std::to_string(i) + ".html";
            const std::string text =
                "<html><body>" + std::string(withFurniture ? "<nav>Home | Next</nav>" : "") +
                "<p>" + bodies[i] + "</p>" +
                std::string(withFurniture ? "<footer>Copyright Beispiel Project</footer>" : "") +
                "</body></html>";
            documents.push_back(
                {FromUtf8("Seite " + std::to_string(i)), FromUtf8(link),
                 FromUtf8(folder.write((withFurniture ? "f-" : "p-") + link, text))});
        }
        return documents;
    }
    FileIndexResult Run(const std::vector<SourceDocument>& documents) {
        return RunFileIndex(options, documents,
                            {.lists = lists, .collator = collator, .language = Language::German});
    }

    TempFolder folder;
    FileIndexOptions options;
    WordLists lists;
    const LocaleCollator collator{"de_DE"};
};

TEST_F(FileIndexDraftTest, WordsOnEveryPageLeaveTheIndexAndTheRestStays) {
    options.criteria.markCombined = false;
    for (const bool html : {false, true}) {
        options.htmlOutput = html;
        options.draft.leaveOutCommonWords = false;
        options.draft.commonWordPercent = 10;
        const FileIndexResult plain = Run(Pages(true));
        EXPECT_TRUE(HasEntry(plain.store, u"Home"));
        EXPECT_TRUE(HasEntry(plain.store, u"Copyright"));

        options.draft.leaveOutCommonWords = true;
        options.draft.commonWordPercent = 80;
        const FileIndexResult draft = Run(Pages(true));
        for (const TextView word : {u"Home", u"Next", u"Copyright", u"Beispiel", u"Project"})
            EXPECT_FALSE(HasEntry(draft.store, word)) << ToUtf8(word);
        for (const TextView word : {u"Paket", u"Netzwerk", u"Kernel", u"Debian"})
            EXPECT_TRUE(HasEntry(draft.store, word)) << ToUtf8(word);
        // Everything else as if the pages had no navigation and no foot; Debian stands on three
        // of the four pages, below the share.
        options.draft.leaveOutCommonWords = false;
        FileIndexResult bare = Run(Pages(false));
        EXPECT_EQ(draft.output, bare.output) << html;

        // Two pages say nothing about what is common.
        options.draft.leaveOutCommonWords = false;
        const Text twoPlain = Run(Pages(true, 2)).output;
        options.draft.leaveOutCommonWords = true;
        EXPECT_EQ(Run(Pages(true, 2)).output, twoPlain) << html;
    }
}

}  // namespace
}  // namespace lexorim
