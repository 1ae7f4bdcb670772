#include "settings/index_run_options.h"

#include "settings/run_options.h"
#include "textindex/text_index_summary.h"

namespace lexorim {

namespace {

constexpr std::string_view kMain = "Tprog";
constexpr std::string_view kSourceOptions = "Tquhopt";
constexpr std::string_view kTextDesign = "Ttextdesign";
constexpr std::string_view kHtmlDesign = "Thdesign";
constexpr std::string_view kKeywordDesign = "Tsdesign";

}  // namespace

WordCriteria FileIndexCriteria(const Settings& s) {
    return CriteriaFrom(
        s, {"dkt_kleineraus", "dkt_grosseraus", "dkt_maxl", "dkt_max", "dkt_zahlenraus",
            "dkt_negativliste", "dkt_positivliste", "dkt_zusammen"});
}

WordCriteria KeywordCriteria(const Settings& s) {
    return CriteriaFrom(s, {"stw_kleinraus", "stw_grossraus", "stw_maxl", "stw_max",
                            "stw_zahlenraus", "stw_neg", "stw_pos", "stw_zus"});
}

SourceOptions MakeSourceOptions(const Settings& s) {
    SourceOptions o;
    o.skipDuplicates = s.IsOn(kSourceOptions, "doppelteweg");
    o.scanDroppedFiles = s.IsOn(kSourceOptions, "dadweitere");
    o.linksWithoutExtension = s.IsOn(kSourceOptions, "endungenweg");
    o.capitalizeNames = s.IsOn(kSourceOptions, "namengross");
    return o;
}

FileTextDesign MakeFileTextDesign(const Settings& s) {
    FileTextDesign d;
    d.title = s.Value(kTextDesign, "titel");
    d.headings = s.IsOn(kTextDesign, "kt_alphabet");
    d.names = s.IsOn(kTextDesign, "namen");
    d.links = s.IsOn(kTextDesign, "links");
    d.betweenReferences = s.Value(kTextDesign, "s");
    d.afterWord = s.Value(kTextDesign, "es");
    d.beforeName = s.Value(kTextDesign, "b");
    d.beforeLink = s.Value(kTextDesign, "bl");
    d.afterLink = s.Value(kTextDesign, "l");
    return d;
}

HtmlDesign MakeHtmlDesign(const Settings& s) {
    HtmlDesign d;
    d.headings = s.IsOn(kHtmlDesign, "kt_alphabet");
    d.navigationBar = s.IsOn(kHtmlDesign, "linkleiste");
    d.separator = s.Value(kHtmlDesign, "LinkTrenner");
    d.font = s.Value(kHtmlDesign, "schriftart");
    d.headingSize = s.Value(kHtmlDesign, "ft1");
    d.sectionSize = s.Value(kHtmlDesign, "ft2");
    d.textSize = s.Value(kHtmlDesign, "ftt");
    d.boxWidth = s.Value(kHtmlDesign, "breite_all");
    d.leftWidth = s.Value(kHtmlDesign, "breite_links");
    d.rightWidth = s.Value(kHtmlDesign, "breite_rechts");
    d.topWidth = s.Value(kHtmlDesign, "breite_top");
    d.sideSpace = s.Value(kHtmlDesign, "abs_linksrechts");
    d.sectionSpace = s.Value(kHtmlDesign, "abs_zwabschnitt");
    d.edgeSpace = s.Value(kHtmlDesign, "abs_obenunten");
    d.textSpace = s.Value(kHtmlDesign, "abs_zwtext");
    d.title = s.Value(kHtmlDesign, "htmltitel");
    d.heading = s.Value(kHtmlDesign, "Ueberschrift");
    d.textColour = s.Value(kHtmlDesign, "farbe_text");
    d.linkColour = s.Value(kHtmlDesign, "farbe_links");
    d.background = s.Value(kHtmlDesign, "farbe_hg");
    return d;
}

KeywordDesign MakeKeywordDesign(const Settings& s) {
    KeywordDesign d;
    d.lineStart = s.Value(kKeywordDesign, "v");
    d.betweenNameAndLink = s.Value(kKeywordDesign, "zwdl");
    d.afterEntry = s.Value(kKeywordDesign, "zw");
    d.betweenWords = s.Value(kKeywordDesign, "zwe");
    d.lineEnd = s.Value(kKeywordDesign, "ne");
    d.showName = s.IsOn(kKeywordDesign, "bez");
    d.showLink = s.IsOn(kKeywordDesign, "dateiname");
    d.emptyLine = s.IsOn(kKeywordDesign, "leerzeile");
    return d;
}

FileIndexOptions MakeFileIndexOptions(const Settings& s) {
    FileIndexOptions o;
    o.criteria = FileIndexCriteria(s);
    o.removeHtml = s.IsOn(kMain, "htmlraus");
    o.removeDuplicates = s.IsOn(kMain, "dkt_keinedoppeltenseiten");
    o.multipleCombined = s.IsOn(kMain, "dkt_zusdoppelt");
    o.addToExisting = s.IsOn(kMain, "dkt_integrieren");
    o.existingIndexPath = ToUtf8(s.Value(kMain, "dkt_index"));
    o.htmlOutput = s.IsOn(kMain, "htmlindex");
    o.useDesign = s.IsOn(kMain, "dkt_design");
    o.textDesign = MakeFileTextDesign(s);
    o.htmlDesign = MakeHtmlDesign(s);
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
    o.removeHtml = s.IsOn(kMain, "stw_htmlraus");
    o.removeDuplicates = s.IsOn(kMain, "stw_doppelt");
    o.underEachOther = s.IsOn(kMain, "stw_untereinander");
    o.alphabetical = s.IsOn(kMain, "stw_alphabetisch");
    o.useDesign = s.IsOn(kMain, "stw_design");
    o.design = MakeKeywordDesign(s);
    return o;
}

void ApplyScanResult(Settings& settings, const ScanResult& result) {
    if (result.removeHtml)
        settings.Set("htmlraus", *result.removeHtml ? u"1" : u"0");
}

}  // namespace lexorim
