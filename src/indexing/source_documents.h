#pragma once
// Reading the documents of a source list from several threads at once.

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "engine/text_helpers.h"
#include "indexing/source_list.h"
#include "textfiles/text_reader.h"

namespace lexorim {

// One row of a source list as a run reads it.
struct SourceDocument {
    Text name;    // Bezeichnung: the reference's key
    Text link;    // Link: the reference's tag
    Text source;  // Quelle: the file that is read
};

std::vector<SourceDocument> DocumentsOf(const SourceList& list);

class SourceDocumentReader {
  public:
    explicit SourceDocumentReader(const ReadContext& context);

    // The text of the document, or nothing when no file exists at the path (a folder does not
    // count). Read errors throw the UserError of ReadTextFile, a document that cannot be read
    // included; only a document whose reader is not installed reads as empty once the reader's
    // message is shown. Only the words count here, so DOCX and ODT are read natively; DOC and
    // RTF not laid out ahead are laid out one at a time, and the readers' messages are shown one
    // at a time.
    std::optional<Text> Read(TextView path) const;

    // Lays out every DOC and RTF of `documents` that a reading would lay out, with one start
    // of the layout program, so that Read takes their pages from there. Throws RunCancelled
    // when the run is cancelled meanwhile; each document's layout error waits for its reading.
    void LayOutAhead(const std::vector<SourceDocument>& documents);

  private:
    struct Shared {
        std::mutex messages;
        std::mutex layout;
    };
    std::shared_ptr<Shared> shared_;
    ReadContext context_;
};

}  // namespace lexorim
