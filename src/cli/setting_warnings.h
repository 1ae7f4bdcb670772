#pragma once
// Warnings on standard error for settings a run would otherwise take silently: numeric
// settings that are not numbers or out of range, and an index to add to that holds nothing.

#include <ostream>
#include <string>
#include <vector>

#include "engine/text_helpers.h"
#include "settings/numeric_controls.h"
#include "settings/settings.h"
#include "textfiles/text_reader.h"

namespace lexorim::cli {

// One line per numeric setting read by `use` whose value the run cannot use as it stands or
// that lies outside its range, saying which value the run uses instead.
std::vector<std::string> NumericSettingWarnings(const Settings& settings, NumericUse use);
// The same lines on the error stream, each as a warning of lexorim-cli.
void PrintNumericSettingWarnings(const Settings& settings, NumericUse use, std::ostream& err);

// A line when the index file to add to does not exist or holds no index line ("" otherwise).
std::string AddToIndexWarning(const std::string& path, const ReadContext& context);

}  // namespace lexorim::cli
