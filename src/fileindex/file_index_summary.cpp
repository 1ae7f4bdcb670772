#include "fileindex/file_index_summary.h"

#include "engine/summary_builder.h"

namespace lexorim {

Text FileIndexSummary(const FileIndexSummaryInput& input, Language language) {
    const FileIndexOptions& o = input.options;
    const WordCriteria& c = o.criteria;
    SummaryBuilder s(language);
    s.Add(u"Suchkriterien", u"Criteria");
    s.LowerCaseWordsOut(c.lowerCaseOut);
    s.UpperCaseWordsOut(c.upperCaseOut);
    s.NumbersOut(c.numbersOut);
    s.HtmlTagsOut(o.removeHtml);
    s.PositiveListUsed(c.usePositiveList);
    s.NegativeListUsed(c.useNegativeList);
    s.AddWithValue(c.minLengthOn, u" - Minimale Wortlänge: ", u" - Minimum Word Length: ",
                   c.minLengthText);
    s.Add(u"\r\nIndex", u"\r\nIndex");
    s.AddIf(o.removeDuplicates, u" - Doppelte Seitenangaben werden aussortiert",
            u" - Double Page Numbers will be removed");
    s.AddIf(c.markCombined, u" - Zusammenhänge Wörter werden zusammen in den Index aufgenommen",
            u" - Search for Associated Words");
    s.AddIf(o.multipleCombined, u" - Zusammenhänge Wörter werden mehrfach in den Index aufgenommen",
            u" - Multiple Add Associated Words");
    s.AddWithValue(
        o.addToExisting, u" - Einträge werden zu vorhandenem Index hinzugefügt\r\n   Datei: ",
        u" - Items will be added to Existing Index\r\n   File: ", input.existingIndexCaption);
    s.Add(u"\r\nDesign", u"\r\nDesign");
    s.AddEither(o.htmlOutput, u" - Design: HTML Index", u" - Design: HTML Index",
                u" - Design: Text Index", u" - Design: Text Index");
    s.AddEither(o.useDesign, u" - Angepasstes Design wird verwendet", u" - User Defined Design",
                u" - Standardesign wird verwendet", u" - Standard Design");
    s.Add(
        u"\r\n\r\nKlicken Sie auf \"Index erstellen\", um den Index mit diesen Vorgaben zu "
        u"schreiben.",
        u"\r\n\r\nClick on \"Create Index\" to write your Index with these Settings.", u"");
    return s.Take();
}

}  // namespace lexorim
