#pragma once
// Warnings on standard error for settings a run would otherwise take silently: numeric
// settings that are not numbers or out of range, and an index to add to that holds nothing.

#include <string>
#include <vector>

#include "engine/text_helpers.h"
#include "settings/settings.h"
#include "textfiles/text_reader.h"

namespace lexorim::cli {

// One line per numeric setting of the text index whose value the run cannot use as it
// stands, saying which value the run uses instead.
std::vector<std::string> NumericSettingWarnings(const Settings& settings);

// A line when the index file to add to does not exist or holds no index line ("" otherwise).
std::string AddToIndexWarning(const std::string& path, const ReadContext& context);

}  // namespace lexorim::cli
