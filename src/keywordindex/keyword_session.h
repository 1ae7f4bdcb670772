#pragma once
// The state the keyword index keeps between runs: its source list and the output of the last run
// that succeeded.

#include "indexing/source_list.h"
#include "keywordindex/keyword_run.h"

namespace lexorim {

class KeywordIndexSession {
  public:
    explicit KeywordIndexSession(SourceList sources = SourceList{})
        : sources_(std::move(sources)) {}

    SourceList& sources() { return sources_; }
    const SourceList& sources() const { return sources_; }

    // "Index erstellen": only a run that succeeds replaces the output, so a cancelled or failed
    // run leaves the last result as it was.
    const Text& Run(const KeywordOptions& options, const RunEnvironment& environment,
                    const ReadContext& readContext = {});

    // Takes the output of a run made elsewhere (the window's run on its worker, over a copy of
    // the list), so that both ways of running end in the same place.
    void Adopt(Text output) { output_ = std::move(output); }

    const Text& output() const { return output_; }

    // "Neu" > "Stichwort Index": empties the source list and the output.
    void Clear();

  private:
    SourceList sources_;
    Text output_;
};

}  // namespace lexorim
