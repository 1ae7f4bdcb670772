#pragma once
// The state the file index keeps between runs: its source list, the store and the output of the
// last run that succeeded. The desktop program and the command line drive a run through it.

#include "engine/index_store.h"
#include "fileindex/file_index_run.h"
#include "indexing/source_list.h"

namespace lexorim {

class FileIndexSession {
  public:
    explicit FileIndexSession(SourceList sources = SourceList{}) : sources_(std::move(sources)) {}

    SourceList& sources() { return sources_; }
    const SourceList& sources() const { return sources_; }

    // "Index erstellen": the run builds a store of its own; only a run that succeeds replaces the
    // store and the output, so a cancelled or failed run leaves the last result as it was.
    const Text& Run(const FileIndexOptions& options, const RunEnvironment& environment,
                    const ReadContext& readContext = {});
    // Takes the result of a run made elsewhere (the desktop program runs on a worker over copies
    // of the list); the command line's Run goes through here too.
    void Adopt(FileIndexResult result);

    const IndexStore& store() const { return store_; }
    const Text& output() const { return output_; }

    // "Neu" > "Datei Index": empties the source list, the store and the output.
    void Clear();

  private:
    SourceList sources_;
    IndexStore store_;
    Text output_;
};

}  // namespace lexorim
