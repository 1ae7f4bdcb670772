#include <gtest/gtest.h>

#include "keywordindex/keyword_output.h"
#include "keywordindex/keyword_summary.h"

namespace lexorim {
namespace {

std::vector<KeywordDocument> TwoDocuments() {
    return {{u"Erstes", u"a.txt", {u"Zebra", u"Affe"}}, {u"Zweites", u"b.txt", {u"Jonas&Weller"}}};
}

TEST(KeywordOutputTest, WritesOneLinePerDocumentWithTheStandardCharacters) {
    std::vector<KeywordDocument> documents = TwoDocuments();
    KeywordOutputOptions options;
    EXPECT_EQ(WriteKeywordOutput(documents, options),
              u"a.txt: Affe, Zebra\r\n\r\nb.txt: Jonas Weller\r\n\r\n");
    EXPECT_TRUE(documents.empty());

    documents = TwoDocuments();
    options.alphabetical = false;
    options.underEachOther = true;
    EXPECT_EQ(WriteKeywordOutput(documents, options),
              u"a.txt: Zebra\r\nAffe\r\n\r\nb.txt: Jonas Weller\r\n\r\n");

    documents = {{u"Leer", u"leer.txt", {}}, {u"Blank", u"blank.txt", {u" ", u"Wort"}}};
    EXPECT_EQ(WriteKeywordOutput(documents, KeywordOutputOptions{}),
              u"leer.txt: \r\n\r\nblank.txt: Wort\r\n\r\n");
}

TEST(KeywordOutputTest, UsesTheDesignWindowsCharactersWhenChosen) {
    std::vector<KeywordDocument> documents = TwoDocuments();
    KeywordOutputOptions options;
    options.useDesign = true;
    options.combinedWords = false;
    options.design.showName = true;
    options.design.betweenNameAndLink = u" - ";
    options.design.lineStart = u"[";
    options.design.lineEnd = u"]";
    options.design.emptyLine = false;
    EXPECT_EQ(WriteKeywordOutput(documents, options),
              u"[Erstes - a.txt:  Affe, Zebra]\r\n[Zweites - b.txt:  Jonas&Weller]\r\n");
    documents = TwoDocuments();
    options.underEachOther = true;
    options.design.showLink = false;
    EXPECT_EQ(WriteKeywordOutput(documents, options),
              u"[Erstes:  Affe, \r\nZebra]\r\n[Zweites:  Jonas&Weller]\r\n");
}

TEST(KeywordDesignPreviewTest, ShowsASampleLine) {
    KeywordDesign design;
    EXPECT_EQ(KeywordDesignPreview(design, Language::German),
              u"Vorschau: datei.txt:  Stichwort1, Stichwort2");
    EXPECT_EQ(KeywordDesignPreview(design, Language::English),
              u"Preview: datei.txt:  Keyword1, Keyword2");
    design.showName = true;
    design.showLink = false;
    EXPECT_EQ(KeywordDesignPreview(design, Language::German),
              u"Vorschau: Dateiname:  Stichwort1, Stichwort2");
}

TEST(KeywordSummaryTest, ListsTheChosenOptions) {
    KeywordOptions options;
    options.criteria = WordCriteria{false, false, false, u"3", false, false, false, false};
    options.removeHtml = false;
    options.removeDuplicates = false;
    EXPECT_EQ(KeywordSummary(options, Language::German),
              u"Suchkriterien\r\n\r\nIndex\r\n"
              u" - Doppelte Einträge werden mehrfach in den Index aufgenommen\r\n"
              u" - Wörter werden nebeneinander angeordnet\r\n"
              u" - Wörter werden alphabetisch sortiert\r\n"
              u"\r\nDesign\r\n - Standardesign wird verwendet\r\n"
              u"\r\nKlicken Sie auf \"Index erstellen\", um den Index mit diesen Vorgaben zu "
              u"schreiben.");
    options = KeywordOptions{};
    options.criteria.minLengthText = u"7";
    const Text english = KeywordSummary(options, Language::English);
    EXPECT_NE(english.find(u" - Minimum Word Length: 7\r\n"), Text::npos);
    EXPECT_TRUE(english.starts_with(u"Criteria\r\n - Lower Words will be removed\r\n"));
    EXPECT_TRUE(english.ends_with(
        u" - Standard Design\r\n\r\nClick on \"Create Index\" to write your Index with these "
        u"Settings."));
    EXPECT_NE(KeywordSummary(options, Language::German).find(u" - Minimale Wortlänge: 7\r\n"),
              Text::npos);
}

}  // namespace
}  // namespace lexorim
