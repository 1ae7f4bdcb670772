#include <gtest/gtest.h>

#include "fileindex/file_index_design.h"

namespace lexorim {
namespace {

TEST(AddPxUnitTest, AddsTheUnitToPlainIntegersOnly) {
    const std::pair<Text, Text> cases[] = {
        {u"24", u"24px"},     {u"18px", u"18px"}, {u"80%", u"80%"}, {u"1em", u"1em"},
        {u"1.5em", u"1.5em"}, {u"", u""},         {u" 7", u" 7px"}, {u"-3", u"-3px"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(AddPxUnit(value), expected) << ToUtf8(value);
}

TEST(HtmlColourTest, FormatsAndParsesRedGreenBlue) {
    EXPECT_EQ(FormatHtmlColour({255, 0, 0}), u"#FF0000");
    EXPECT_EQ(FormatHtmlColour({0, 0, 255}), u"#0000FF");
    EXPECT_EQ(FormatHtmlColour({0x12, 0xAB, 0x0C}), u"#12AB0C");
    const RgbColour blue{0, 0, 255};
    EXPECT_EQ(ParseHtmlColour(u"#0000FF"), blue);
    EXPECT_EQ(ParseHtmlColour(u"0000FF"), blue);
    EXPECT_EQ(ParseHtmlColour(u"#0000ffxyz"), blue);
    EXPECT_EQ(ParseHtmlColour(u"#0000F"), (RgbColour{0, 0, 15}));
    for (const TextView bad : {u"#33", u"", u"#", u"red", u"#00GG00", u"##000000"})
        EXPECT_EQ(ParseHtmlColour(bad), std::nullopt) << ToUtf8(bad);
}

TEST(TextDesignPreviewTest, ShowsTwoDocumentsWithTheChosenParts) {
    FileTextDesign design;
    EXPECT_EQ(TextDesignPreview(design, Language::German),
              u"Vorschau: Eintrag:  Bezeichung1 [Link1] | Bezeichung2 [Link2]");
    EXPECT_EQ(TextDesignPreview(design, Language::English),
              u"Preview: Entry:  Synonym1 [Link1] | Synonym2 [Link2]");
    design.names = false;
    EXPECT_EQ(TextDesignPreview(design, Language::German),
              u"Vorschau: Eintrag:   [Link1] |  [Link2]");
}

TEST(LinkSeparatorLabelTest, QuotesTheValue) {
    EXPECT_EQ(LinkSeparatorLabel(u" - ", Language::German), u"Zeichen zwischen den Links \" - \"");
    EXPECT_EQ(LinkSeparatorLabel(u"|", Language::English), u"Character Between Links \"|\"");
}

TEST(EffectiveDesignTest, TheStandardKeepsTheWindowsSwitchesButNotItsTexts) {
    FileTextDesign text;
    text.title = u"Mein";
    text.names = false;
    const FileTextDesign standard = EffectiveTextDesign(text, false);
    EXPECT_EQ(standard.title, u"Index");
    EXPECT_EQ(standard.afterWord, u":    ");
    EXPECT_EQ(standard.beforeLink, u"[");
    EXPECT_FALSE(standard.names);
    EXPECT_EQ(EffectiveTextDesign(text, true).title, u"Mein");

    HtmlDesign html;
    html.headingSize = u"40";
    html.textColour = u"red";
    html.navigationBar = false;
    const HtmlDesign standardHtml = EffectiveHtmlDesign(html, false);
    EXPECT_EQ(standardHtml.headingSize, u"24px");
    EXPECT_EQ(standardHtml.textColour, u"#333333");
    EXPECT_FALSE(standardHtml.navigationBar);
    EXPECT_EQ(EffectiveHtmlDesign(html, true).textColour, u"red");
}

}  // namespace
}  // namespace lexorim
