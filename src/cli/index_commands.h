#pragma once
// The file index and the keyword index on the command line.

#include "cli/command_line.h"
#include "cli/commands.h"

namespace lexorim::cli {

// files DOC... : the file index over the documents (and, with --scan, the files they link to).
int RunFilesCommand(const CommandLine& line, Streams io);

// keywords DOC... : the keyword index over the documents.
int RunKeywordsCommand(const CommandLine& line, Streams io);

}  // namespace lexorim::cli
