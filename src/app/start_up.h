#pragma once
// What the command line asks of the desktop program at start: the configurations to load, and
// what a first argument that names an existing file becomes.

#include <string>
#include <vector>

#include "engine/text_helpers.h"
#include "textfiles/text_reader.h"

namespace lexorim::app {

enum class FirstArgumentUse {
    Nothing,        // no argument, or not an existing file, or a configuration
    TextSource,     // its text goes into the text index source
    TextIndexFile,  // a text index file: added to and rebuilt on the result page
    FileIndexFile,  // a file index file: for the file index's result page
};

struct StartupPlan {
    std::vector<std::string> configurations;  // in command-line order
    bool loadStartConfiguration = true;       // only when no configuration was named
    FirstArgumentUse firstUse = FirstArgumentUse::Nothing;
    std::string firstPath;
    Text firstText;
};

// True when the file name's extension (from its last ".") is exactly ".lkfg".
bool IsConfigurationPath(const std::string& path);

// Reads the first argument's file when it is used, with the source reader.
StartupPlan PlanStartup(const std::vector<std::string>& arguments, const ReadContext& read = {});

}  // namespace lexorim::app
