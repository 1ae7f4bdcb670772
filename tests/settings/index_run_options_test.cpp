#include <gtest/gtest.h>

#include "settings/index_run_options.h"

namespace lexorim {
namespace {

TEST(IndexRunOptionsTest, TheDefaultSettingsGiveTheDefaultOptions) {
    const Settings settings;
    const FileIndexOptions file = MakeFileIndexOptions(settings);
    const FileIndexOptions expected;
    EXPECT_EQ(file.removeHtml, expected.removeHtml);
    EXPECT_EQ(file.htmlOutput, true);
    EXPECT_EQ(file.multipleCombined, true);
    EXPECT_EQ(file.addToExisting, false);
    EXPECT_EQ(file.criteria.minLengthText, u"3");
    EXPECT_EQ(file.htmlDesign.headingSize, u"24");
    EXPECT_EQ(file.textDesign.beforeLink, u" [");
    const KeywordOptions keywords = MakeKeywordOptions(settings);
    EXPECT_TRUE(keywords.alphabetical);
    EXPECT_FALSE(keywords.underEachOther);
    EXPECT_EQ(keywords.design.afterEntry, u":  ");
    const SourceOptions sources = MakeSourceOptions(settings);
    EXPECT_TRUE(sources.skipDuplicates);
    EXPECT_TRUE(sources.capitalizeNames);
    EXPECT_FALSE(sources.linksWithoutExtension);
}

TEST(IndexRunOptionsTest, EachWindowsControlsReachTheirOptions) {
    Settings settings;
    settings.Set("textindex", u"1");
    settings.Set("Thdesign.kt_alphabet", u"0");
    settings.Set("Ttextdesign.kt_alphabet", u"1");
    settings.Set("ft1", u"18");
    settings.Set("stw_max", u"5");
    settings.Set("dkt_index", u"/x/y.idx");
    settings.Set("dkt_integrieren", u"1");
    settings.Set("zwdl", u" - ");
    settings.Set("endungenweg", u"1");
    const FileIndexOptions file = MakeFileIndexOptions(settings);
    EXPECT_FALSE(file.htmlOutput);
    EXPECT_FALSE(file.htmlDesign.headings);
    EXPECT_TRUE(file.textDesign.headings);
    EXPECT_EQ(file.htmlDesign.headingSize, u"18");
    EXPECT_EQ(file.existingIndexPath, "/x/y.idx");
    EXPECT_EQ(MakeFileIndexSummaryInput(settings, Language::German).existingIndexCaption,
              u"/x/y.idx");
    EXPECT_EQ(MakeKeywordOptions(settings).criteria.minLengthText, u"5");
    EXPECT_EQ(MakeKeywordDesign(settings).betweenNameAndLink, u" - ");
    EXPECT_TRUE(MakeSourceOptions(settings).linksWithoutExtension);

    ScanResult scan;
    scan.removeHtml = false;
    ApplyScanResult(settings, scan);
    EXPECT_FALSE(MakeFileIndexOptions(settings).removeHtml);
    scan.removeHtml.reset();
    ApplyScanResult(settings, scan);
    EXPECT_FALSE(MakeFileIndexOptions(settings).removeHtml);
}

}  // namespace
}  // namespace lexorim
