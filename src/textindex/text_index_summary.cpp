#include "textindex/text_index_summary.h"

#include "engine/summary_builder.h"

namespace lexorim {

namespace {

constexpr TextView kTwoBreaks = u"\r\n\r\n";

}  // namespace

Text ExistingIndexCaption(const std::string& path, Language language) {
    if (path.empty()) {
        return Text(Choose(language, u"Kein anderer Index ausgewählt", u"No Index Selected"));
    }
    return FromUtf8(path);
}

Text TextIndexSummary(const TextIndexSummaryInput& input, Language language) {
    const TextIndexOptions& o = input.options;
    const WordCriteria& c = o.criteria;
    SummaryBuilder s(language);
    s.Add(u"Quelle", u"Source");
    s.AddWithValue(input.sourceIsFile, u" - Datei: ", u" - File: ", input.sourcePath, kTwoBreaks);
    s.AddIf(input.sourceIsText, u" - Text wird als Quelle benutzt", u" - Text is used as Source",
            kTwoBreaks);
    s.Add(u"Seitenzahlen", u"Page Numbers");
    s.AddIf(o.lineMode, u" - Jede Zeile ist eine Seite", u" - Every Line is a New Page",
            kTwoBreaks);
    s.AddIf(input.designationMode, u" - Benutzerdefinierte Einstellungen",
            u" - User Defined Settings", kTwoBreaks);
    s.Add(u"Suchkriterien", u"Criteria");
    s.LowerCaseWordsOut(c.lowerCaseOut);
    s.UpperCaseWordsOut(c.upperCaseOut);
    s.NumbersOut(c.numbersOut);
    s.PositiveListUsed(c.usePositiveList);
    s.NegativeListUsed(c.useNegativeList);
    s.AddWithValue(c.minLengthOn, u" - Minimale Wordlänge: ", u" - Minimum Word Length: ",
                   c.minLengthText, kCrLf);
    s.Add(u"\r\nIndex Eigenschaften", u"\r\nIndex");
    s.AddIf(o.removeDuplicates, u" - Doppelte Seitenangaben werden aussortiert",
            u" - Double Page Numbers will be removed");
    s.AddIf(c.markCombined, u" - Zusammenhänge Wörter werden zusammen in den Index aufgenommen",
            u" - Search for Associated Words");
    s.AddIf(o.multipleCombined, u" - Zusammenhänge Wörter werden mehrfach in den Index aufgenommen",
            u" - Multiple Add Associated Words");
    s.AddWithValue(o.addToExisting,
                   u" - Einträge werden zu vorhandenem Index hinzugefügt\r\n   Datei: ",
                   u" - Items will be added to Existing Index\r\n   File: ",
                   ExistingIndexCaption(o.existingIndexPath, language), kCrLf);
    s.AddIf(o.useDesign, u" - Angepasste Designeinstellungen", u" - User Defined Design");
    s.Add(
        u"\r\n\r\nKlicken Sie auf \"Index erstellen\", um den Index mit diesen Vorgaben zu "
        u"schreiben.",
        u"\r\n\r\nClick on \"Create Index\" to write your Index with these Settings.", u"");
    return s.Take();
}

}  // namespace lexorim
