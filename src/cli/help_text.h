#pragma once
// What lexorim-cli says about itself: --help, COMMAND --help, --version, the short usage after a
// bad argument, and the setting names that shell completion offers.

#include <string>
#include <string_view>
#include <vector>

namespace lexorim::cli {

// Every command in the order the help lists them.
const std::vector<std::string_view>& CommandNames();

// The whole help: synopsis of every command, the options, exit status and environment.
std::string HelpText();

// The help of one command (a name from CommandNames()).
std::string CommandHelpText(std::string_view command);

// "lexorim-cli VERSION".
std::string VersionText();

// The usage line after a bad argument: the synopsis of the command named in `args`, or the list
// of commands when none is, and where to find more.
std::string ShortUsage(const std::vector<std::string>& args);

// Every name --set takes, one per line: each stored control qualified by its window, and
// unqualified where that name alone means the control.
std::string SettingNamesText();

}  // namespace lexorim::cli
