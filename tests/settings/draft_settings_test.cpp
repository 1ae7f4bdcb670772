#include <gtest/gtest.h>

#include "settings/configuration.h"
#include "settings/draft_settings.h"

namespace lexorim {
namespace {

TEST(DraftSettings, AreOffByDefaultAndInTheStandardConfiguration) {
    Settings settings;
    EXPECT_FALSE(MakeDraftOptions(settings).AnyOn());
    EXPECT_EQ(DraftSwitchStateOf(settings), DraftSwitchState::Off);

    SetEveryDraftOption(settings, true);
    settings.Set(ui::tentwurf::ew_seitenbereich, u"1-10");
    AutoSaveChoice autoSave;
    KonfigurationLadenStandard(settings, autoSave);
    EXPECT_EQ(MakeDraftOptions(settings), DraftOptions{});
}

TEST(DraftSettings, TheOneSwitchTurnsEveryOptionOnAndKeepsTheValues) {
    Settings settings;
    settings.Set(ui::tentwurf::ew_stichwortanzahl, u"7");
    settings.Set(ui::tentwurf::ew_sprache, u" EN ");
    SetEveryDraftOption(settings, true);
    EXPECT_EQ(DraftSwitchStateOf(settings), DraftSwitchState::On);

    const DraftOptions options = MakeDraftOptions(settings);
    DraftOptions expected = WithEveryDraftOption({});
    expected.keywordCount = 7;
    expected.language = "en";
    EXPECT_EQ(options, expected);

    settings.Set(ui::tentwurf::ew_relevanz, u"0");
    EXPECT_EQ(DraftSwitchStateOf(settings), DraftSwitchState::Partly);
    SetEveryDraftOption(settings, false);
    EXPECT_FALSE(MakeDraftOptions(settings).AnyOn());
}

TEST(DraftSettings, NumbersThatAreNoNumbersFallBackToTheirDefaults) {
    Settings settings;
    settings.Set(ui::tentwurf::ew_stichwortanzahl, u"viele");
    settings.Set(ui::tentwurf::ew_dokumentanteil, u"");
    const DraftOptions options = MakeDraftOptions(settings);
    EXPECT_EQ(options.keywordCount, 15);
    EXPECT_EQ(options.commonWordPercent, 80);
}

}  // namespace
}  // namespace lexorim
