// lexorim-cli: the indexes of Lexorim without a window.

#include <cerrno>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/help_text.h"
#include "engine/errors.h"
#include "textfiles/file_access.h"

int main(int argc, char** argv) {
    using namespace lexorim;
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // What a command left to be freed by the end of the process rather than piece by piece.
    std::vector<std::shared_ptr<const void>> leftForExit;
    try {
        const cli::CommandLine line = cli::ParseCommandLine(args);
        int status = 0;
        if (line.help) {
            std::cout << cli::CommandHelpText(line.command);
        } else if (line.version) {
            std::cout << cli::VersionText();
        } else if (line.listSettings) {
            std::cout << cli::SettingNamesText();
        } else {
            status = cli::RunCommand(line, {std::cin, std::cout, std::cerr, &leftForExit});
        }
        // Whatever a command printed, a write to standard output that failed is an error.
        errno = 0;
        if (!std::cout.flush()) {
            std::cerr << "Cannot write to standard output. "
                      << ToUtf8(SystemReason(errno != 0 ? errno : EIO)) << '\n';
            return 1;
        }
        if (!leftForExit.empty()) {
            // Everything is written and flushed; what is left goes with the process.
            std::cerr.flush();
            std::_Exit(status);
        }
        return status;
    } catch (const cli::UsageError& error) {
        std::cerr << "lexorim-cli: " << error.what() << '\n' << cli::ShortUsage(args);
        return 2;
    } catch (const UserError& error) {
        std::cerr << error.what() << '\n';
        return 1;
    } catch (const std::bad_alloc&) {
        // Running out of memory is a limit of the machine, not a fault of the program.
        std::cerr << "Not enough memory to finish the command.\n";
        return 1;
    } catch (const std::exception& error) {
        // Anything else is a fault of the program: said as such, with its own exit status.
        std::cerr << "lexorim-cli: internal error: " << error.what() << '\n';
        return 3;
    } catch (...) {
        std::cerr << "lexorim-cli: internal error\n";
        return 3;
    }
}
