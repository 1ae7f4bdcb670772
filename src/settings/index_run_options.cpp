#include "settings/index_run_options.h"

#include "settings/draft_settings.h"
#include "settings/run_options.h"
#include "textindex/text_index_summary.h"

namespace lexorim {

WordCriteria FileIndexCriteria(const Settings& s) {
    using namespace ui::tprog;
    return CriteriaFrom(s, {dkt_kleineraus, dkt_grosseraus, dkt_maxl, dkt_max, dkt_zahlenraus,
                            dkt_negativliste, dkt_positivliste, dkt_zusammen});
}

WordCriteria KeywordCriteria(const Settings& s) {
    using namespace ui::tprog;
    return CriteriaFrom(s, {stw_kleinraus, stw_grossraus, stw_maxl, stw_max, stw_zahlenraus,
                            stw_neg, stw_pos, stw_zus});
}

SourceOptions MakeSourceOptions(const Settings& s) {
    SourceOptions o;
    o.skipDuplicates = s.IsOn(ui::tquhopt::doppelteweg);
    o.scanDroppedFiles = s.IsOn(ui::tquhopt::dadweitere);
    o.linksWithoutExtension = s.IsOn(ui::tquhopt::endungenweg);
    o.capitalizeNames = s.IsOn(ui::tquhopt::namengross);
    return o;
}

FileTextDesign MakeFileTextDesign(const Settings& s) {
    FileTextDesign d;
    d.title = s.Value(ui::ttextdesign::titel);
    d.headings = s.IsOn(ui::ttextdesign::kt_alphabet);
    d.names = s.IsOn(ui::ttextdesign::namen);
    d.links = s.IsOn(ui::ttextdesign::links);
    d.betweenReferences = s.Value(ui::ttextdesign::s);
    d.afterWord = s.Value(ui::ttextdesign::es);
    d.beforeName = s.Value(ui::ttextdesign::b);
    d.beforeLink = s.Value(ui::ttextdesign::bl);
    d.afterLink = s.Value(ui::ttextdesign::l);
    return d;
}

HtmlDesign MakeHtmlDesign(const Settings& s) {
    HtmlDesign d;
    d.headings = s.IsOn(ui::thdesign::kt_alphabet);
    d.navigationBar = s.IsOn(ui::thdesign::linkleiste);
    d.separator = s.Value(ui::thdesign::LinkTrenner);
    d.font = s.Value(ui::thdesign::schriftart);
    d.headingSize = s.Value(ui::thdesign::ft1);
    d.sectionSize = s.Value(ui::thdesign::ft2);
    d.textSize = s.Value(ui::thdesign::ftt);
    d.boxWidth = s.Value(ui::thdesign::breite_all);
    d.leftWidth = s.Value(ui::thdesign::breite_links);
    d.rightWidth = s.Value(ui::thdesign::breite_rechts);
    d.topWidth = s.Value(ui::thdesign::breite_top);
    d.sideSpace = s.Value(ui::thdesign::abs_linksrechts);
    d.sectionSpace = s.Value(ui::thdesign::abs_zwabschnitt);
    d.edgeSpace = s.Value(ui::thdesign::abs_obenunten);
    d.textSpace = s.Value(ui::thdesign::abs_zwtext);
    d.title = s.Value(ui::thdesign::htmltitel);
    d.heading = s.Value(ui::thdesign::Ueberschrift);
    d.textColour = s.Value(ui::thdesign::farbe_text);
    d.linkColour = s.Value(ui::thdesign::farbe_links);
    d.background = s.Value(ui::thdesign::farbe_hg);
    return d;
}

KeywordDesign MakeKeywordDesign(const Settings& s) {
    KeywordDesign d;
    d.lineStart = s.Value(ui::tsdesign::v);
    d.betweenNameAndLink = s.Value(ui::tsdesign::zwdl);
    d.afterEntry = s.Value(ui::tsdesign::zw);
    d.betweenWords = s.Value(ui::tsdesign::zwe);
    d.lineEnd = s.Value(ui::tsdesign::ne);
    d.showName = s.IsOn(ui::tsdesign::bez);
    d.showLink = s.IsOn(ui::tsdesign::dateiname);
    d.emptyLine = s.IsOn(ui::tsdesign::leerzeile);
    return d;
}

FileIndexOptions MakeFileIndexOptions(const Settings& s) {
    FileIndexOptions o;
    o.criteria = FileIndexCriteria(s);
    o.removeHtml = s.IsOn(ui::tprog::htmlraus);
    o.removeDuplicates = s.IsOn(ui::tprog::dkt_keinedoppeltenseiten);
    o.multipleCombined = s.IsOn(ui::tprog::dkt_zusdoppelt);
    o.addToExisting = s.IsOn(ui::tprog::dkt_integrieren);
    o.existingIndexPath = ToUtf8(s.Value(ui::tprog::dkt_index));
    o.htmlOutput = s.IsOn(ui::tprog::htmlindex);
    o.useDesign = s.IsOn(ui::tprog::dkt_design);
    o.textDesign = MakeFileTextDesign(s);
    o.htmlDesign = MakeHtmlDesign(s);
    o.draft = MakeDraftOptions(s);
    return o;
}

FileIndexSummaryInput MakeFileIndexSummaryInput(const Settings& s, Language language) {
    FileIndexSummaryInput input;
    input.options = MakeFileIndexOptions(s);
    input.existingIndexCaption = ExistingIndexCaption(input.options.existingIndexPath, language);
    return input;
}

KeywordOptions MakeKeywordOptions(const Settings& s) {
    KeywordOptions o;
    o.criteria = KeywordCriteria(s);
    o.removeHtml = s.IsOn(ui::tprog::stw_htmlraus);
    o.removeDuplicates = s.IsOn(ui::tprog::stw_doppelt);
    o.underEachOther = s.IsOn(ui::tprog::stw_untereinander);
    o.alphabetical = s.IsOn(ui::tprog::stw_alphabetisch);
    o.useDesign = s.IsOn(ui::tprog::stw_design);
    o.design = MakeKeywordDesign(s);
    o.draft = MakeDraftOptions(s);
    return o;
}

void ApplyScanResult(Settings& settings, const ScanResult& result) {
    if (result.removeHtml)
        settings.Set(ui::tprog::htmlraus, *result.removeHtml ? u"1" : u"0");
}

}  // namespace lexorim
