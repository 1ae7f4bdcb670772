#include "fileindex/file_index_summary.h"

namespace lexorim {

namespace {

class SummaryBuilder {
  public:
    explicit SummaryBuilder(Language language) : language_(language) {}

    void Line(TextView german, TextView english) {
        text_.append(Choose(language_, german, english)).append(kCrLf);
    }
    void LineIf(bool on, TextView german, TextView english) {
        if (on)
            Line(german, english);
    }
    void LineWith(TextView german, TextView english, TextView value) {
        text_.append(Choose(language_, german, english)).append(value).append(kCrLf);
    }
    void Closing(TextView german, TextView english) {
        text_.append(kCrLf).append(kCrLf).append(Choose(language_, german, english));
    }
    Text& text() { return text_; }

  private:
    Language language_;
    Text text_;
};

}  // namespace

Text FileIndexSummary(const FileIndexSummaryInput& input, Language language) {
    const FileIndexOptions& o = input.options;
    const WordCriteria& c = o.criteria;
    SummaryBuilder s(language);
    s.Line(u"Suchkriterien", u"Criteria");
    s.LineIf(c.lowerCaseOut, u" - Worte mit kleinen Buchstaben werden aussortiert",
             u" - Lower Words will be removed");
    s.LineIf(c.upperCaseOut, u" - Worte mit großen Buchstaben werden aussortiert",
             u" - Upper Words will be removed");
    s.LineIf(c.numbersOut, u" - Zahlen werden aussortiert", u" - Numbers will be removed");
    s.LineIf(o.removeHtml, u" - HTML Tags werden entfernt", u" - HTML Tags will be removed");
    s.LineIf(c.usePositiveList, u" - Worte aus Positivliste werden gesucht",
             u" - Search for Words from White List");
    s.LineIf(c.useNegativeList, u" - Worte aus Negativliste werden aussortiert",
             u" - Words from Black List will be removed");
    if (c.minLengthOn) {
        s.LineWith(u" - Minimale Wortlänge: ", u" - Minimum Word Length: ", c.minLengthText);
    }
    s.text() += kCrLf;
    s.Line(u"Index", u"Index");
    s.LineIf(o.removeDuplicates, u" - Doppelte Seitenangaben werden aussortiert",
             u" - Double Page Numbers will be removed");
    s.LineIf(c.markCombined, u" - Zusammenhänge Wörter werden zusammen in den Index aufgenommen",
             u" - Search for Associated Words");
    s.LineIf(o.multipleCombined,
             u" - Zusammenhänge Wörter werden mehrfach in den Index aufgenommen",
             u" - Multiple Add Associated Words");
    if (o.addToExisting) {
        s.Line(u" - Einträge werden zu vorhandenem Index hinzugefügt",
               u" - Items will be added to Existing Index");
        s.LineWith(u"   Datei: ", u"   File: ", input.existingIndexCaption);
    }
    s.text() += kCrLf;
    s.Line(u"Design", u"Design");
    s.LineIf(o.htmlOutput, u" - Design: HTML Index", u" - Design: HTML Index");
    s.LineIf(!o.htmlOutput, u" - Design: Text Index", u" - Design: Text Index");
    if (o.useDesign) {
        s.Line(u" - Angepasstes Design wird verwendet", u" - User Defined Design");
    } else {
        s.Line(u" - Standardesign wird verwendet", u" - Standard Design");
    }
    s.Closing(
        u"Klicken Sie auf \"Index erstellen\", um den Index mit diesen Vorgaben zu schreiben.",
        u"Click on \"Create Index\" to write your Index with these Settings.");
    return s.text();
}

}  // namespace lexorim
