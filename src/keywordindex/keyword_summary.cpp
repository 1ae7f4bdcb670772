#include "keywordindex/keyword_summary.h"

namespace lexorim {

Text KeywordSummary(const KeywordOptions& o, Language language) {
    const WordCriteria& c = o.criteria;
    Text s;
    auto line = [&s, language](TextView german, TextView english) {
        s.append(Choose(language, german, english)).append(kCrLf);
    };
    auto either = [&line](bool on, TextView germanOn, TextView englishOn, TextView germanOff,
                          TextView englishOff) {
        on ? line(germanOn, englishOn) : line(germanOff, englishOff);
    };
    line(u"Suchkriterien", u"Criteria");
    if (c.lowerCaseOut)
        line(u" - Worte mit kleinen Buchstaben werden aussortiert",
             u" - Lower Words will be removed");
    if (c.upperCaseOut)
        line(u" - Worte mit großen Buchstaben werden aussortiert",
             u" - Upper Words will be removed");
    if (o.removeHtml)
        line(u" - HTML Tags werden entfernt", u" - HTML Tags will be removed");
    if (c.usePositiveList)
        line(u" - Worte aus Positivliste werden gesucht", u" - Search for Words from White List");
    if (c.useNegativeList)
        line(u" - Worte aus Negativliste werden aussortiert",
             u" - Words from Black List will be removed");
    if (c.numbersOut)
        line(u" - Zahlen werden aussortiert", u" - Numbers will be removed");
    if (c.minLengthOn) {
        s.append(Choose(language, u" - Minimale Wortlänge: ", u" - Minimum Word Length: "));
        s.append(c.minLengthText).append(kCrLf);
    }
    s += kCrLf;
    line(u"Index", u"Index");
    either(o.removeDuplicates, u" - Doppelte Einträge werden aussortiert",
           u" - Double Items will be removed",
           u" - Doppelte Einträge werden mehrfach in den Index aufgenommen",
           u" - Double Items will not be removed");
    if (c.markCombined)
        line(u" - Zusammenhängende Worte werden beachtet", u" - Search for Associated Words");
    either(o.underEachOther, u" - Wörter werden untereinander angeordnet",
           u" - Words will be written under each other",
           u" - Wörter werden nebeneinander angeordnet", u" - Words will be written side by side");
    either(o.alphabetical, u" - Wörter werden alphabetisch sortiert",
           u" - Words will be ordered alphabetically",
           u" - Wörter werden angeordnet wie sie im Text vorkamen",
           u" - Words will be ordered like they appear in the text");
    s += kCrLf;
    line(u"Design", u"Design");
    either(o.useDesign, u" - Angepasstes Design wird verwendet", u" - User Defined Design",
           u" - Standardesign wird verwendet", u" - Standard Design");
    s += kCrLf;
    s += Choose(
        language,
        u"Klicken Sie auf \"Index erstellen\", um den Index mit diesen Vorgaben zu schreiben.",
        u"Click on \"Create Index\" to write your Index with these Settings.");
    return s;
}

}  // namespace lexorim
