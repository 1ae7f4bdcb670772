#pragma once
// The draft options as the settings hold them (the controls of the draft dialog), and the one
// switch that turns them all on or off.

#include "draft/draft_options.h"
#include "settings/settings.h"

namespace lexorim {

DraftOptions MakeDraftOptions(const Settings& settings);

// Every draft option's check box on or off; the range, language and numbers stay as they are.
void SetEveryDraftOption(Settings& settings, bool on);

// How the one check box "Clean draft" shows the options: all off, some on, all on.
enum class DraftSwitchState { Off, Partly, On };
DraftSwitchState DraftSwitchStateOf(const Settings& settings);

}  // namespace lexorim
