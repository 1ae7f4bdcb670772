#include "settings/run_options.h"

#include "fileindex/file_index_design.h"

#include <array>
#include <utility>

namespace lexorim {

namespace {

constexpr std::string_view kMain = "Tprog";
constexpr std::string_view kDesign = "Tdesign";
constexpr std::string_view kPageCriteria = "Tszkriterien";
constexpr std::string_view kOutput = "Teinstausgabe";
constexpr std::string_view kTextToIndex = "Tedittxt2idx";
constexpr std::string_view kPageWriting = "Tedittxt";

}  // namespace

WordCriteria CriteriaFrom(const Settings& s, const CriteriaControls& names) {
    WordCriteria c;
    c.lowerCaseOut = s.IsOn(kMain, names.lowerCaseOut);
    c.upperCaseOut = s.IsOn(kMain, names.upperCaseOut);
    c.minLengthOn = s.IsOn(kMain, names.minLengthOn);
    c.minLengthText = s.Value(kMain, names.minLengthText);
    c.numbersOut = s.IsOn(kMain, names.numbersOut);
    c.useNegativeList = s.IsOn(kMain, names.useNegativeList);
    c.usePositiveList = s.IsOn(kMain, names.usePositiveList);
    c.markCombined = s.IsOn(kMain, names.markCombined);
    return c;
}

WordCriteria TextIndexCriteria(const Settings& s) {
    return CriteriaFrom(s, {"kt_kleineraus", "kt_grosseraus", "kt_maxl", "kt_max", "kt_zahlen",
                            "kt_negativliste", "kt_positivliste", "kt_zusammen"});
}

DesignationCriteria MakeDesignationCriteria(const Settings& s) {
    DesignationCriteria c;
    c.maxLengthText = s.Value(kPageCriteria, "sz_laenge");
    c.markerRequired = s.IsOn(kPageCriteria, "sz_zeichbeginn");
    c.marker = s.Value(kPageCriteria, "sz_zeichen");
    c.removeMarker = s.IsOn(kPageCriteria, "sz_zeichenweg");
    c.removeCharacters = s.IsOn(kPageCriteria, "sz_kuerzen");
    c.standardCharacters = s.IsOn(kPageCriteria, "sz_bwstandard");
    c.customCharacters = s.Value(kPageCriteria, "sz_bwdefs");
    c.numbersOnly = s.IsOn(kPageCriteria, "sz_nurzahl");
    c.addValue = s.IsOn(kPageCriteria, "cb_plus");
    c.addValueText = s.Value(kPageCriteria, "cb_pluswert");
    c.above = s.IsOn(kPageCriteria, "posueber");
    return c;
}

TextIndexDesign MakeTextIndexDesign(const Settings& s) {
    TextIndexDesign d;
    d.title = s.Value(kDesign, "ub");
    d.headings = s.IsOn(kDesign, "kt_alphabet");
    d.emptyLineBeforeHeading = s.IsOn(kDesign, "dabsatz_abc");
    d.pageSeparator = s.Value(kDesign, "dsep");
    d.wordSeparator = s.Value(kDesign, "dzw");
    return d;
}

TextIndexOptions MakeTextIndexOptions(const Settings& s) {
    TextIndexOptions o;
    o.criteria = TextIndexCriteria(s);
    o.lineMode = s.IsOn(kMain, "sz_zeilezuseite");
    o.firstPageText = s.Value(kMain, "sz_beginn");
    o.designationsAbove = s.IsOn(kPageCriteria, "posueber");
    o.removeDuplicates = s.IsOn(kMain, "kt_keinedoppeltenseiten");
    o.multipleCombined = s.IsOn(kMain, "kt_zusdoppelt");
    o.addToExisting = s.IsOn(kMain, "kt_integrieren");
    o.existingIndexPath = ToUtf8(s.Value(kMain, "kt_index"));
    o.useDesign = s.IsOn(kMain, "kt_design");
    o.design = MakeTextIndexDesign(s);
    return o;
}

TextIndexSummaryInput MakeTextIndexSummaryInput(const Settings& s) {
    TextIndexSummaryInput input;
    input.sourceIsFile = s.IsOn(kMain, "qu_datei");
    input.sourceIsText = s.IsOn(kMain, "qu_text");
    input.sourcePath = s.Value(kMain, "edit_quelle");
    input.designationMode = s.IsOn(kMain, "sz_auslesen");
    input.options = MakeTextIndexOptions(s);
    return input;
}

TextToIndexOptions MakeTextToIndexOptions(const Settings& s) {
    TextToIndexOptions o;
    o.entrySeparator = s.Value(kTextToIndex, "zwes");
    o.pageSeparator = s.Value(kTextToIndex, "zws");
    o.linksPresent = s.IsOn(kTextToIndex, "cb_linksvorhanden");
    o.linkSeparator = s.Value(kTextToIndex, "zwsl");
    o.pageBeforeLink = !s.IsOn(kTextToIndex, "ls");
    if (s.IsOn(kTextToIndex, "zus_seite")) {
        o.multiWord = MultiWordEntry::AddToPages;
    } else if (s.IsOn(kTextToIndex, "zus_auslassen")) {
        o.multiWord = MultiWordEntry::Ignore;
    }
    return o;
}

PageWritingOptions MakePageWritingOptions(const Settings& s) {
    PageWritingOptions o;
    o.emptyLineStart = s.Value(kPageWriting, "l2sstart");
    o.textAfterEveryNumber = s.IsOn(kPageWriting, "cb_l2skeinedoppelt");
    o.caretPage = s.Value(kPageWriting, "cursak");
    o.countUpAtCaret = s.IsOn(kPageWriting, "curaut");
    o.markerStart = s.Value(kPageWriting, "zes");
    o.marker = s.Value(kPageWriting, "zez");
    o.before = s.Value(kPageWriting, "vor");
    o.after = s.Value(kPageWriting, "nach");
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
    static constexpr std::array<std::pair<std::string_view, TextEncoding>, 10> kChoices = {{
        {"rb_ansi", encoding::kAnsi},
        {"rb_utf7", encoding::kUtf7},
        {"rb_utf7ansi", encoding::kUtf7Ansi},
        {"rb_utf8", encoding::kUtf8},
        {"rb_utf8bom", encoding::kUtf8Bom},
        {"rb_utf16le", encoding::kUtf16Le},
        {"rb_utf_be", encoding::kUtf16Be},
        {"rb_utf32le", encoding::kUtf32Le},
        {"rb_utf32be", encoding::kUtf32Be},
        {"rb_beibehalten", encoding::kUtf8},
    }};
    OutputSettings out;
    out.picture = font;
    for (const auto& [control, code] : kChoices) {
        if (s.IsOn(kOutput, control))
            out.encoding = code;
    }
    out.writeSignature = s.IsOn(kOutput, "jazubom");
    if (const auto color = ParseHtmlColor(s.Value(kOutput, "Edit1"))) {
        out.picture.backgroundColor = *color;
    }
    return out;
}

}  // namespace lexorim
