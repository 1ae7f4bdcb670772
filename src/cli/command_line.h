#pragma once
// The arguments of lexorim-cli, parsed without touching any file.

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "engine/language.h"
#include "textfiles/text_writer.h"

namespace lexorim::cli {

// Bad arguments: the message is printed with a short usage line and the program exits with 2.
class UsageError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

struct CommandLine {
    // text, designations, strip-html, detect, convert, config, txt2idx, paginate, files, keywords
    std::string command;
    std::vector<std::string> arguments;    // positional arguments after the command
    std::vector<std::string> configPaths;  // --config FILE.lkfg, loaded in order before --set
    std::vector<std::pair<std::string, std::string>> settings;  // --set NAME=VALUE, in order
    Language language = Language::German;
    std::string outputPath;  // -o
    std::string indexPath;   // --idx
    std::string negativeListPath;
    std::string positiveListPath;
    std::string addToIndexPath;  // --add-to
    std::optional<PictureStyle> font;
    bool summaryOnly = false;
    bool progress = false;
    bool draft = false;         // --draft: every option of a clean first draft on
    bool scan = false;          // --scan: files and keywords scan each document for linked files
    bool listOnly = false;      // --list: print the source list instead of running
    bool help = false;          // -h, --help: the help of the command given, or the whole help
    bool version = false;       // --version
    bool listSettings = false;  // --list-settings: the --set names, for shell completion
    bool standardConfiguration = false;  // config --standard
    std::string showConfigPath;          // config --show FILE
    bool emptyLines = false;             // paginate --empty-lines
    bool markers = false;                // paginate --markers
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

// "FAMILY,PIXELS[,bold][,italic][,#RRGGBB]"
PictureStyle ParseFontDescription(const std::string& description);

}  // namespace lexorim::cli
