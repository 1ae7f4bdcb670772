#pragma once
// The commands of lexorim-cli around configuration files and the two text tools: config,
// txt2idx and paginate, and the --config option of every command.

#include "cli/command_line.h"
#include "cli/commands.h"
#include "settings/settings.h"

namespace lexorim::cli {

// Loads the files of --config into the settings, in the order given, as the desktop program
// loads configuration files named on its command line. A file that does not exist is an error.
void LoadConfigurationFiles(const CommandLine& line, Settings& settings);

int RunConfigCommand(const CommandLine& line, Streams streams);
int RunTxt2IdxCommand(const CommandLine& line, const Settings& settings, Streams streams);
int RunPaginateCommand(const CommandLine& line, const Settings& settings, Streams streams);

}  // namespace lexorim::cli
