#pragma once
// The state the text index keeps between runs: its source text, the page designation list with
// the flag that says whether it still belongs to the source, the entry store and the last output.
// The desktop program and the command line drive a run through it.

#include <memory>
#include <optional>
#include <vector>

#include "engine/index_store.h"
#include "textindex/empty_result_hints.h"
#include "textindex/page_designations.h"
#include "textindex/text_index_run.h"
#include "textindex/text_index_source.h"

namespace lexorim {

class TextIndexSession {
  public:
    // A new source text makes the designations stale; they are read out again when needed.
    void SetSourceText(Text text);
    // A document's own pages are its designations, current from the start; a plain text's are
    // read out when needed.
    void SetSource(TextIndexSource source);
    const Text& sourceText() const { return *source_; }
    // The source was read page by page from a document: it is cut at the document's own pages,
    // and the rules for number lines in a plain text (criteria, position above the text) do not
    // apply to it.
    bool sourceIsDocument() const { return documentDesignations_.has_value(); }

    // Reads the designations out of the source text (nothing in line mode, where the list is
    // left as it is) and marks them current. A document's designations are its own pages again.
    void ReadOutDesignations(const DesignationCriteria& criteria, bool lineMode);
    // Reads them out only when they are stale: on entering the page-number step.
    void RefreshDesignationsIfStale(const DesignationCriteria& criteria, bool lineMode);

    const std::vector<Text>& designations() const { return designations_; }
    bool designationsCurrent() const { return designationsCurrent_; }
    // The edit dialog's "OK": the sorted lines replace the list; the flag is not touched.
    void ReplaceDesignations(const std::vector<TextView>& editedLines);
    // "Entfernen": removes the items at these positions.
    void RemoveDesignations(const std::vector<size_t>& positions);

    // What happens to the source text after a run: the desktop program keeps it for the next
    // run; the command line lets it go once the pages are read, to keep memory low.
    enum class SourceAfterRun { Keep, Release };

    // What a run reads, taken when it starts: the options with the designation list, and the
    // source text shared with the session (which only ever replaces it, never changes it), so a
    // run on another thread needs nothing of the session.
    struct RunInputs {
        TextIndexOptions options;
        std::shared_ptr<const Text> source;
    };
    // The first half of "Index erstellen": in designation mode a stale, empty list is read out
    // first.
    RunInputs PrepareRun(const TextIndexOptions& options, const DesignationCriteria& criteria);
    // The second half: the store and output of a run that succeeded become the session's.
    void Adopt(TextIndexResult result);

    // "Index erstellen" in one go. The run builds a store of its own; only a run that succeeds
    // replaces the store and the output, so a cancelled run or a failing load leaves the last
    // result as it was.
    const Text& Run(const TextIndexOptions& options, const DesignationCriteria& criteria,
                    const RunEnvironment& environment,
                    SourceAfterRun sourceAfterRun = SourceAfterRun::Keep);

    // What decides the hint for an empty result of the current source: a document's own page
    // number lines are not text of the book.
    EmptyResultFacts EmptyResultFactsFor(bool lineMode) const;

    const IndexStore& store() const { return store_; }
    const Text& output() const { return output_; }

    // "Neu" > "Text Index": empties the store, the source, the designations and the output.
    void Clear();

  private:
    std::shared_ptr<Text> source_ = std::make_shared<Text>();
    std::optional<std::vector<Text>> documentDesignations_;
    std::vector<Text> designations_;
    bool designationsCurrent_ = false;
    IndexStore store_;
    Text output_;
};

}  // namespace lexorim
