#pragma once
// What every command of lexorim-cli shares: printing texts, the settings of --set, reading
// context, word lists and progress lines.

#include <iosfwd>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "engine/run_progress.h"
#include "indexing/run_environment.h"
#include "settings/settings.h"
#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"
#include "textfiles/word_lists.h"

namespace lexorim::cli {

// Writes a text as UTF-8 in slices, so a large index is not held twice in memory; a failed
// write throws with its reason.
void Print(std::ostream& out, TextView text);

// Standard output is checked like any file: a full disk or a closed pipe is a UserError
// `Cannot write to standard output. REASON`.
void FinishStandardOutput(std::ostream& out);

// The two controls that --add-to sets: the "add to an existing index" check box and the path.
struct AddToControls {
    ui::ControlId addToExisting;
    ui::ControlId indexPath;
};

// The settings at their defaults, the --config files loaded in order, every --set applied in
// order (a bad name or value is a usage error), and --add-to as the given controls.
Settings SettingsFromArguments(const CommandLine& line, const std::optional<AddToControls>& addTo);

// Reader messages ("Word was not found") go to the error stream.
ReadContext MakeReadContext(const CommandLine& line, std::ostream& err);

// The lists named with --neg and --pos, else those of the program folder (or the built-in ones).
WordLists LoadWordLists(const CommandLine& line, const ReadContext& context);

// The output encoding of the settings and the picture font of --font.
OutputSettings OutputSettingsFor(const CommandLine& line, const Settings& settings);

// With --progress, each status text and the bar's position as a line on the error stream.
RunProgress ProgressFor(const CommandLine& line, std::ostream& err);

}  // namespace lexorim::cli
