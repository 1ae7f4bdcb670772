#include <gtest/gtest.h>

#include "settings/run_options.h"
#include "textindex/text_index_summary.h"

namespace lexorim {
namespace {

TEST(TextIndexSummary, DefaultsInGerman) {
    Settings settings;
    settings.Set("edit_quelle", u"/tmp/buch.txt");
    EXPECT_EQ(TextIndexSummary(MakeTextIndexSummaryInput(settings), Language::German),
              u"Quelle\r\n - Datei: /tmp/buch.txt\r\n\r\n"
              u"Seitenzahlen\r\n - Benutzerdefinierte Einstellungen\r\n\r\n"
              u"Suchkriterien\r\n"
              u" - Worte mit kleinen Buchstaben werden aussortiert\r\n"
              u" - Zahlen werden aussortiert\r\n"
              u" - Worte aus Negativliste werden aussortiert\r\n"
              u" - Minimale Wordlänge: 3\r\n"
              u"\r\nIndex Eigenschaften\r\n"
              u" - Doppelte Seitenangaben werden aussortiert\r\n"
              u" - Zusammenhänge Wörter werden zusammen in den Index aufgenommen\r\n"
              u" - Zusammenhänge Wörter werden mehrfach in den Index aufgenommen\r\n"
              u"\r\n\r\nKlicken Sie auf \"Index erstellen\", um den Index mit diesen Vorgaben "
              u"zu schreiben.");
}

TEST(TextIndexSummary, EveryOptionInEnglish) {
    Settings settings;
    for (const char* on : {"qu_text", "sz_zeilezuseite", "kt_grosseraus", "kt_positivliste",
                           "kt_integrieren", "kt_design"}) {
        settings.Set(on, u"1");
    }
    for (const char* off : {"kt_kleineraus", "kt_zahlen", "kt_negativliste", "kt_maxl",
                            "kt_keinedoppeltenseiten", "kt_zusammen", "kt_zusdoppelt"}) {
        settings.Set(off, u"0");
    }
    EXPECT_EQ(TextIndexSummary(MakeTextIndexSummaryInput(settings), Language::English),
              u"Source\r\n - Text is used as Source\r\n\r\n"
              u"Page Numbers\r\n - Every Line is a New Page\r\n\r\n"
              u"Criteria\r\n"
              u" - Upper Words will be removed\r\n"
              u" - Search for Words from White List\r\n"
              u"\r\nIndex\r\n"
              u" - Items will be added to Existing Index\r\n   File: No Index Selected\r\n"
              u" - User Defined Design\r\n"
              u"\r\n\r\nClick on \"Create Index\" to write your Index with these Settings.");
}

}  // namespace
}  // namespace lexorim
