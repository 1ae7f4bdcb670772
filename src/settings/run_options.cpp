#include "settings/run_options.h"

#include "settings/draft_settings.h"

#include "fileindex/file_index_design.h"
#include "settings/numeric_controls.h"

#include <array>
#include <utility>

namespace lexorim {

WordCriteria CriteriaFrom(const Settings& s, const CriteriaControls& names) {
    WordCriteria c;
    c.lowerCaseOut = s.IsOn(names.lowerCaseOut);
    c.upperCaseOut = s.IsOn(names.upperCaseOut);
    c.minLengthOn = s.IsOn(names.minLengthOn);
    c.minLengthText = s.Value(names.minLength);
    c.minLength = NumberFrom(s, names.minLength);
    c.numbersOut = s.IsOn(names.numbersOut);
    c.useNegativeList = s.IsOn(names.useNegativeList);
    c.usePositiveList = s.IsOn(names.usePositiveList);
    c.markCombined = s.IsOn(names.markCombined);
    return c;
}

WordCriteria TextIndexCriteria(const Settings& s) {
    using namespace ui::tprog;
    return CriteriaFrom(s, {kt_kleineraus, kt_grosseraus, kt_maxl, kt_max, kt_zahlen,
                            kt_negativliste, kt_positivliste, kt_zusammen});
}

DesignationCriteria MakeDesignationCriteria(const Settings& s) {
    DesignationCriteria c;
    c.maxLengthText = s.Value(ui::tszkriterien::sz_laenge);
    c.maxLength = NumberFrom(s, ui::tszkriterien::sz_laenge);
    c.markerRequired = s.IsOn(ui::tszkriterien::sz_zeichbeginn);
    c.marker = s.Value(ui::tszkriterien::sz_zeichen);
    c.removeMarker = s.IsOn(ui::tszkriterien::sz_zeichenweg);
    c.removeCharacters = s.IsOn(ui::tszkriterien::sz_kuerzen);
    c.standardCharacters = s.IsOn(ui::tszkriterien::sz_bwstandard);
    c.customCharacters = s.Value(ui::tszkriterien::sz_bwdefs);
    c.numbersOnly = s.IsOn(ui::tszkriterien::sz_nurzahl);
    c.addValue = s.IsOn(ui::tszkriterien::cb_plus);
    c.addValueText = s.Value(ui::tszkriterien::cb_pluswert);
    c.addNumber = NumberFrom(s, ui::tszkriterien::cb_pluswert);
    c.above = s.IsOn(ui::tszkriterien::posueber);
    return c;
}

TextIndexDesign MakeTextIndexDesign(const Settings& s) {
    TextIndexDesign d;
    d.title = s.Value(ui::tdesign::ub);
    d.headings = s.IsOn(ui::tdesign::kt_alphabet);
    d.emptyLineBeforeHeading = s.IsOn(ui::tdesign::dabsatz_abc);
    d.pageSeparator = s.Value(ui::tdesign::dsep);
    d.wordSeparator = s.Value(ui::tdesign::dzw);
    return d;
}

TextIndexOptions MakeTextIndexOptions(const Settings& s) {
    TextIndexOptions o;
    o.criteria = TextIndexCriteria(s);
    o.lineMode = s.IsOn(ui::tprog::sz_zeilezuseite);
    o.firstPageText = s.Value(ui::tprog::sz_beginn);
    o.firstPage = NumberFrom(s, ui::tprog::sz_beginn);
    o.designationsAbove = s.IsOn(ui::tszkriterien::posueber);
    o.removeDuplicates = s.IsOn(ui::tprog::kt_keinedoppeltenseiten);
    o.multipleCombined = s.IsOn(ui::tprog::kt_zusdoppelt);
    o.addToExisting = s.IsOn(ui::tprog::kt_integrieren);
    o.existingIndexPath = ToUtf8(s.Value(ui::tprog::kt_index));
    o.useDesign = s.IsOn(ui::tprog::kt_design);
    o.design = MakeTextIndexDesign(s);
    o.draft = MakeDraftOptions(s);
    return o;
}

TextIndexSummaryInput MakeTextIndexSummaryInput(const Settings& s) {
    TextIndexSummaryInput input;
    input.sourceIsFile = s.IsOn(ui::tprog::qu_datei);
    input.sourceIsText = s.IsOn(ui::tprog::qu_text);
    input.sourcePath = s.Value(ui::tprog::edit_quelle);
    input.designationMode = s.IsOn(ui::tprog::sz_auslesen);
    input.options = MakeTextIndexOptions(s);
    return input;
}

TextToIndexOptions MakeTextToIndexOptions(const Settings& s) {
    TextToIndexOptions o;
    o.entrySeparator = s.Value(ui::tedittxt2idx::zwes);
    o.pageSeparator = s.Value(ui::tedittxt2idx::zws);
    o.linksPresent = s.IsOn(ui::tedittxt2idx::cb_linksvorhanden);
    o.linkSeparator = s.Value(ui::tedittxt2idx::zwsl);
    o.pageBeforeLink = !s.IsOn(ui::tedittxt2idx::ls);
    if (s.IsOn(ui::tedittxt2idx::zus_seite)) {
        o.multiWord = MultiWordEntry::AddToPages;
    } else if (s.IsOn(ui::tedittxt2idx::zus_auslassen)) {
        o.multiWord = MultiWordEntry::Ignore;
    }
    return o;
}

PageWritingOptions MakePageWritingOptions(const Settings& s) {
    PageWritingOptions o;
    o.emptyLineStart = NumberFrom(s, ui::tedittxt::l2sstart);
    o.textAfterEveryNumber = s.IsOn(ui::tedittxt::cb_l2skeinedoppelt);
    o.caretPage = s.Value(ui::tedittxt::cursak);
    o.countUpAtCaret = s.IsOn(ui::tedittxt::curaut);
    o.markerStart = NumberFrom(s, ui::tedittxt::zes);
    o.marker = s.Value(ui::tedittxt::zez);
    o.before = s.Value(ui::tedittxt::vor);
    o.after = s.Value(ui::tedittxt::nach);
    return o;
}

std::optional<uint32_t> ParseHtmlColor(TextView text) {
    const Text digits = ReplaceAll(text, u"#", u"");
    if (digits.size() != 6)
        return std::nullopt;
    const std::optional<RgbColour> colour = ParseHtmlColour(digits);
    if (!colour)
        return std::nullopt;
    return uint32_t{colour->red} << 16 | uint32_t{colour->green} << 8 | colour->blue;
}

OutputSettings MakeOutputSettings(const Settings& s, const PictureStyle& font) {
    static constexpr std::array<std::pair<ui::ControlId, TextEncoding>, 10> kChoices = {{
        {ui::teinstausgabe::rb_ansi, encoding::kAnsi},
        {ui::teinstausgabe::rb_utf7, encoding::kUtf7},
        {ui::teinstausgabe::rb_utf7ansi, encoding::kUtf7Ansi},
        {ui::teinstausgabe::rb_utf8, encoding::kUtf8},
        {ui::teinstausgabe::rb_utf8bom, encoding::kUtf8Bom},
        {ui::teinstausgabe::rb_utf16le, encoding::kUtf16Le},
        {ui::teinstausgabe::rb_utf_be, encoding::kUtf16Be},
        {ui::teinstausgabe::rb_utf32le, encoding::kUtf32Le},
        {ui::teinstausgabe::rb_utf32be, encoding::kUtf32Be},
        {ui::teinstausgabe::rb_beibehalten, encoding::kUtf8},
    }};
    OutputSettings out;
    out.picture = font;
    for (const auto& [control, code] : kChoices) {
        if (s.IsOn(control))
            out.encoding = code;
    }
    out.writeSignature = s.IsOn(ui::teinstausgabe::jazubom);
    if (const auto color = ParseHtmlColor(s.Value(ui::teinstausgabe::Edit1))) {
        out.picture.backgroundColor = *color;
    }
    return out;
}

}  // namespace lexorim
