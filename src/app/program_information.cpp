#include "app/program_information.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "lexorim_version.h"

namespace lexorim::app {

std::string DesktopHelpText() {
    return "Lexorim makes book indexes, file indexes and keyword lists from documents.\n"
           "\n"
           "Usage: lexorim [FILE...]\n"
           "\n"
           "Arguments:\n"
           "  FILE.lkfg   loaded as a configuration (without one: Auto.lkfg of the program\n"
           "              folder)\n"
           "  FILE.idx    as the first argument: added to and rebuilt on the result page\n"
           "  FILE        any other existing file becomes the source of the text index\n"
           "\n"
           "Options:\n"
           "  -h, --help  print this help and exit\n"
           "  --version   print the version and exit\n"
           "\n"
           "The interface is German unless a file named \"en\" is in the working folder.\n"
           "The indexes without a window: lexorim-cli --help.\n"
           "\n"
           "Environment:\n"
           "  LEXORIM_HOME  the program folder (word lists and configurations)\n";
}

std::string DesktopVersionText() {
    return "lexorim " + std::string(kVersion) + "\n";
}

std::optional<int> AnswerInformationRequest(const std::vector<std::string>& arguments,
                                            std::ostream& out) {
    const auto asks = [&](std::initializer_list<std::string_view> options) {
        return std::ranges::any_of(arguments, [&](const std::string& argument) {
            return std::ranges::find(options, argument) != options.end();
        });
    };
    if (asks({"-h", "--help"})) {
        out << DesktopHelpText();
    } else if (asks({"--version"})) {
        out << DesktopVersionText();
    } else {
        return std::nullopt;
    }
    out.flush();
    return out ? 0 : 1;
}

}  // namespace lexorim::app
