#pragma once
// The commands of lexorim-cli. Each returns the process exit status.

#include <iosfwd>

#include "cli/command_line.h"

namespace lexorim::cli {

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

int RunCommand(const CommandLine& line, Streams streams);

}  // namespace lexorim::cli
