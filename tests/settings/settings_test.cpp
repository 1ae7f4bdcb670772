#include <gtest/gtest.h>

#include <functional>

#include "settings/index_run_options.h"
#include "settings/run_options.h"
#include "settings/settings.h"

namespace lexorim {
namespace {

TEST(Settings, StartAtTheDefaults) {
    const Settings settings;
    const TextIndexOptions options = MakeTextIndexOptions(settings);
    EXPECT_FALSE(options.lineMode);
    EXPECT_EQ(options.firstPageText, u"1");
    EXPECT_TRUE(options.criteria.lowerCaseOut);
    EXPECT_FALSE(options.criteria.upperCaseOut);
    EXPECT_EQ(options.criteria.minLengthText, u"3");
    EXPECT_TRUE(options.removeDuplicates);
    EXPECT_TRUE(options.multipleCombined);
    EXPECT_FALSE(options.useDesign);
    EXPECT_EQ(options.design.title, u"Index");
    const OutputSettings output = MakeOutputSettings(settings);
    EXPECT_EQ(output.encoding, encoding::kUtf8);
    EXPECT_TRUE(output.writeSignature);
    EXPECT_EQ(output.picture.backgroundColor, 0xFFFFFFu);
}

TEST(Settings, RadioButtonsExcludeEachOtherInTheirGroup) {
    Settings settings;
    settings.Set("sz_zeilezuseite", u"1");
    EXPECT_FALSE(settings.IsOn("Tprog", "sz_auslesen"));
    EXPECT_TRUE(settings.IsOn("Tprog", "qu_datei"));  // another group is untouched
    settings.Set("rb_utf16le", u"1");
    EXPECT_FALSE(settings.IsOn("Teinstausgabe", "rb_beibehalten"));
    EXPECT_EQ(MakeOutputSettings(settings).encoding, encoding::kUtf16Le);
    settings.Set("rb_utf_be", u"1");
    EXPECT_EQ(MakeOutputSettings(settings).encoding, encoding::kUtf16Be);
}

TEST(Settings, RejectUnknownNamesAndBadValues) {
    Settings settings;
    EXPECT_THROW(settings.Set("no_such_control", u"1"), SettingsError);
    EXPECT_THROW(settings.Set("Tnothing.ub", u"1"), SettingsError);
    EXPECT_THROW(settings.Set("kt_design", u"yes"), SettingsError);
    EXPECT_THROW(settings.Set("sz_auslesen", u"2"), SettingsError);
    EXPECT_NO_THROW(settings.Set("Tdesign.dsep", u" - "));
    EXPECT_EQ(MakeTextIndexDesign(settings).pageSeparator, u" - ");
}

TEST(Settings, ReadTheDesignationCriteria) {
    Settings settings;
    settings.Set("posueber", u"1");
    settings.Set("sz_bwdef", u"1");
    settings.Set("cb_pluswert", u"-2");
    const DesignationCriteria criteria = MakeDesignationCriteria(settings);
    EXPECT_TRUE(criteria.above);
    EXPECT_FALSE(criteria.standardCharacters);
    EXPECT_EQ(criteria.addValueText, u"-2");
    EXPECT_TRUE(MakeTextIndexOptions(settings).designationsAbove);
}

TEST(HtmlColor, ReadsSixHexDigits) {
    EXPECT_EQ(ParseHtmlColor(u"#FFFFE0"), 0xFFFFE0u);
    EXPECT_EQ(ParseHtmlColor(u"##00ff7f"), 0x00FF7Fu);
    EXPECT_FALSE(ParseHtmlColor(u"#FFF").has_value());
    EXPECT_FALSE(ParseHtmlColor(u"#GGGGGG").has_value());
}

TEST(Settings, NameControlsByTheirIds) {
    Settings settings;
    settings.Set(ui::tdesign::kt_alphabet, u"0");
    EXPECT_FALSE(settings.IsOn(ui::tdesign::kt_alphabet));
    EXPECT_TRUE(settings.IsOn(ui::thdesign::kt_alphabet));  // the same name in another window
    settings.Set(ui::tprog::sz_zeilezuseite, u"1");
    EXPECT_FALSE(settings.IsOn(ui::tprog::sz_auslesen));
    EXPECT_EQ(settings.Value(ui::tprog::sz_zeilezuseite),
              settings.Value("Tprog", "sz_zeilezuseite"));
    EXPECT_TRUE(settings.Resolve(ui::tdesign::dsep).Is(ui::tdesign::dsep));
    EXPECT_FALSE(settings.Resolve(ui::tdesign::kt_alphabet).Is(ui::thdesign::kt_alphabet));
    EXPECT_THROW(settings.Set(ui::tprog::kt_design, u"yes"), SettingsError);
}

// Each builder reads its numbers once, through the table, and keeps the text as typed.
TEST(Settings, OptionBuildersReadNumbersWithTheirFallbacks) {
    const struct {
        ui::ControlId id;
        std::u16string_view text;
        int32_t number;
        std::function<int32_t(const Settings&)> read;
    } cases[] = {
        {ui::tprog::kt_max, u"abc", 2,
         [](auto& s) { return TextIndexCriteria(s).MinimumLength(); }},
        {ui::tprog::kt_max, u"7", 7, [](auto& s) { return TextIndexCriteria(s).MinimumLength(); }},
        {ui::tprog::dkt_max, u"Custom..", 2,
         [](auto& s) { return FileIndexCriteria(s).MinimumLength(); }},
        {ui::tprog::stw_max, u"-1", -1, [](auto& s) { return KeywordCriteria(s).MinimumLength(); }},
        {ui::tprog::sz_beginn, u"x", 1, [](auto& s) { return MakeTextIndexOptions(s).firstPage; }},
        {ui::tprog::sz_beginn, u"12", 12,
         [](auto& s) { return MakeTextIndexOptions(s).firstPage; }},
        {ui::tszkriterien::sz_laenge, u"Benutzerdefiniert..", 5,
         [](auto& s) { return MakeDesignationCriteria(s).maxLength; }},
        {ui::tszkriterien::cb_pluswert, u"x", 0,
         [](auto& s) { return MakeDesignationCriteria(s).addNumber; }},
        {ui::tszkriterien::cb_pluswert, u"-2", -2,
         [](auto& s) { return MakeDesignationCriteria(s).addNumber; }},
        {ui::tedittxt::l2sstart, u"x", 1,
         [](auto& s) { return MakePageWritingOptions(s).emptyLineStart; }},
        {ui::tedittxt::zes, u"abc", 1,
         [](auto& s) { return MakePageWritingOptions(s).markerStart; }},
        {ui::tedittxt::zes, u"4", 4, [](auto& s) { return MakePageWritingOptions(s).markerStart; }},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.Set(c.id, c.text);
        EXPECT_EQ(c.read(settings), c.number) << c.id.name << "=" << ToUtf8(c.text);
    }
    Settings typed;
    typed.Set(ui::tprog::kt_max, u"abc");
    typed.Set(ui::tprog::sz_beginn, u"x");
    typed.Set(ui::tszkriterien::sz_laenge, u"Benutzerdefiniert..");
    EXPECT_EQ(TextIndexCriteria(typed).minLengthText, u"abc");
    EXPECT_EQ(MakeTextIndexOptions(typed).firstPageText, u"x");
    EXPECT_EQ(MakeDesignationCriteria(typed).maxLengthText, u"Benutzerdefiniert..");
}

// A criterion that is not a number reads as its fallback in the read-out as well.
TEST(Settings, UnusableDesignationCriteriaFallBack) {
    Settings settings;
    settings.Set(ui::tszkriterien::sz_laenge, u"Benutzerdefiniert..");
    EXPECT_EQ(ReadOutDesignations({u"1234", u"12345"}, MakeDesignationCriteria(settings)),
              std::vector<Text>{u"1234 (0)"});
    settings.Set(ui::tszkriterien::cb_plus, u"1");
    settings.Set(ui::tszkriterien::cb_pluswert, u"x");
    EXPECT_EQ(ReadOutDesignations({u"5"}, MakeDesignationCriteria(settings)),
              std::vector<Text>{u"5 (0)"});
}

// A start page that is not a number counts from 1.
TEST(Settings, UnusablePageWritingStartsCountFromOne) {
    Settings settings;
    settings.Set(ui::tedittxt::l2sstart, u"x");
    settings.Set(ui::tedittxt::zes, u"abc");
    settings.Set(ui::tedittxt::vor, u"[#]");
    settings.Set(ui::tedittxt::nach, u"");
    const PageWritingOptions options = MakePageWritingOptions(settings);
    EXPECT_EQ(ReplaceEmptyLines(u"\nA\n\nB", options.emptyLineStart, true),
              u"1\r\nA\r\n2\r\nB\r\n");
    EXPECT_EQ(ReplaceMarkers(u"a#b#", options.markerStart, u"#", options.before, options.after),
              u"a[#]1b[#]2");
}

}  // namespace
}  // namespace lexorim
