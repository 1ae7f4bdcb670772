#include "keywordindex/keyword_summary.h"

#include "engine/summary_builder.h"

namespace lexorim {

Text KeywordSummary(const KeywordOptions& o, Language language) {
    const WordCriteria& c = o.criteria;
    SummaryBuilder s(language);
    s.Add(u"Suchkriterien", u"Criteria");
    s.LowerCaseWordsOut(c.lowerCaseOut);
    s.UpperCaseWordsOut(c.upperCaseOut);
    s.HtmlTagsOut(o.removeHtml);
    s.PositiveListUsed(c.usePositiveList);
    s.NegativeListUsed(c.useNegativeList);
    s.NumbersOut(c.numbersOut);
    s.AddWithValue(c.minLengthOn, u" - Minimale Wortlänge: ", u" - Minimum Word Length: ",
                   c.minLengthText);
    s.Add(u"\r\nIndex", u"\r\nIndex");
    s.AddEither(o.removeDuplicates, u" - Doppelte Einträge werden aussortiert",
                u" - Double Items will be removed",
                u" - Doppelte Einträge werden mehrfach in den Index aufgenommen",
                u" - Double Items will not be removed");
    s.AddIf(c.markCombined, u" - Zusammenhängende Worte werden beachtet",
            u" - Search for Associated Words");
    s.AddEither(o.underEachOther, u" - Wörter werden untereinander angeordnet",
                u" - Words will be written under each other",
                u" - Wörter werden nebeneinander angeordnet",
                u" - Words will be written side by side");
    s.AddEither(o.alphabetical, u" - Wörter werden alphabetisch sortiert",
                u" - Words will be ordered alphabetically",
                u" - Wörter werden angeordnet wie sie im Text vorkamen",
                u" - Words will be ordered like they appear in the text");
    s.Add(u"\r\nDesign", u"\r\nDesign");
    s.AddEither(o.useDesign, u" - Angepasstes Design wird verwendet", u" - User Defined Design",
                u" - Standardesign wird verwendet", u" - Standard Design");
    s.Add(
        u"\r\nKlicken Sie auf \"Index erstellen\", um den Index mit diesen Vorgaben zu "
        u"schreiben.",
        u"\r\nClick on \"Create Index\" to write your Index with these Settings.", u"");
    return s.Take();
}

}  // namespace lexorim
