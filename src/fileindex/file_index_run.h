#pragma once
// The file index run: every document of the source list through the word pipeline into a store
// of its own, the store finished and sorted, the index written as text or as an HTML page.

#include <string>
#include <vector>

#include "draft/draft_options.h"
#include "engine/index_store.h"
#include "engine/language.h"
#include "engine/run_progress.h"
#include "engine/text_helpers.h"
#include "engine/word_criteria.h"
#include "fileindex/file_index_design.h"
#include "indexing/run_environment.h"
#include "indexing/source_documents.h"
#include "indexing/source_list.h"
#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"

namespace lexorim {

struct FileIndexOptions {
    WordCriteria criteria;          // dkt_*
    bool removeHtml = true;         // htmlraus
    bool removeDuplicates = true;   // dkt_keinedoppeltenseiten
    bool multipleCombined = true;   // dkt_zusdoppelt
    bool addToExisting = false;     // dkt_integrieren
    std::string existingIndexPath;  // dkt_index
    bool htmlOutput = true;         // htmlindex (textindex otherwise)
    bool useDesign = false;         // dkt_design
    FileTextDesign textDesign;      // Ttextdesign
    HtmlDesign htmlDesign;          // Thdesign
    // Threads that read documents; 0 for all cores. The output does not depend on it.
    unsigned threads = 0;
    DraftOptions draft;  // Tentwurf
    // False leaves the output empty, for a caller that writes it from the store itself.
    bool buildOutputText = true;
};

struct FileIndexResult {
    IndexStore store;
    Text output;
};

// Runs the file index and returns the finished store and its output. Throws RunCancelled when the
// cancel flag is set between two documents, and the UserError of a document that cannot be read.
FileIndexResult RunFileIndex(const FileIndexOptions& options,
                             const std::vector<SourceDocument>& documents,
                             const RunEnvironment& environment,
                             const ReadContext& readContext = {});

// Saves the store as an index file: ".idx" appended unless the name holds it. Returns the path
// written.
std::string SaveFileIndex(const IndexStore& store, const std::string& chosenName,
                          const OutputSettings& output);

}  // namespace lexorim
