#pragma once
// What every command of lexorim-cli shares: printing texts, the settings of --set, reading
// context, word lists and progress lines.

#include <iosfwd>
#include <string>

#include "cli/command_line.h"
#include "engine/run_progress.h"
#include "textfiles/word_lists.h"
#include "settings/settings.h"
#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"
#include "textindex/text_index_run.h"

namespace lexorim::cli {

// Writes a text as UTF-8 in slices, so a large index is not held twice in memory.
void Print(std::ostream& out, TextView text);

// The settings at their defaults, the --config files loaded in order, then every --set applied in
// order; a bad name or value is a usage error.
Settings SettingsFromAssignments(const CommandLine& line);

// Reader messages ("Word was not found") go to the error stream.
ReadContext MakeReadContext(const CommandLine& line, std::ostream& err);

// The lists named with --neg and --pos, else those of the program folder (or the built-in ones).
WordLists LoadWordLists(const CommandLine& line, const ReadContext& context);

// The output encoding of the settings and the picture font of --font.
OutputSettings OutputSettingsFor(const CommandLine& line, const Settings& settings);

// With --progress, each status text and the bar's position as a line on the error stream.
RunProgress ProgressFor(const CommandLine& line, std::ostream& err);

}  // namespace lexorim::cli
