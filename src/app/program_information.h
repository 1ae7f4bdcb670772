#pragma once
// `lexorim --version` and `lexorim --help`: answered on standard output before any window is
// made, so they work without a display (and help2man can read them).

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace lexorim::app {

std::string DesktopHelpText();
std::string DesktopVersionText();

// The exit status when the arguments ask for the help or the version (after writing it to
// `out`); nothing when the program should start as usual.
std::optional<int> AnswerInformationRequest(const std::vector<std::string>& arguments,
                                            std::ostream& out);

}  // namespace lexorim::app
