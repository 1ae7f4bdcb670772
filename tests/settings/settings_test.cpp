#include <gtest/gtest.h>

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

}  // namespace
}  // namespace lexorim
