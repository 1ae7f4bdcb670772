#pragma once
// The commands of lexorim-cli. Each returns the process exit status.

#include <iosfwd>
#include <memory>
#include <vector>

#include "cli/command_line.h"

namespace lexorim::cli {

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
    // Where a command may leave a large result that the process need not free one piece after
    // the other before it ends (main then ends the process at once); null frees everything.
    std::vector<std::shared_ptr<const void>>* leftForExit = nullptr;
};

int RunCommand(const CommandLine& line, Streams streams);

}  // namespace lexorim::cli
