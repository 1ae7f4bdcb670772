#pragma once
// The book index run: pages through the word pipeline into the store, the store finished and
// sorted, the index written as text.

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "draft/draft_options.h"
#include "engine/index_store.h"
#include "engine/language.h"
#include "engine/run_progress.h"
#include "engine/text_helpers.h"
#include "engine/word_criteria.h"
#include "indexing/run_environment.h"
#include "textindex/page_designations.h"
#include "textindex/text_index_design.h"

namespace lexorim {

struct TextIndexOptions {
    WordCriteria criteria;
    bool lineMode = false;           // sz_zeilezuseite; otherwise page designations
    Text firstPageText = u"1";       // sz_beginn as typed
    int32_t firstPage = 1;           // the number the settings read from it
    std::vector<Text> designations;  // the items of sz_libo
    bool designationsAbove = false;  // posueber
    bool removeDuplicates = true;    // kt_keinedoppeltenseiten
    bool multipleCombined = true;    // kt_zusdoppelt
    bool addToExisting = false;      // kt_integrieren
    std::string existingIndexPath;   // kt_index
    bool useDesign = false;          // kt_design
    TextIndexDesign design;
    // Off when the caller writes the output from the store itself (WriteTextIndexOutputInPieces)
    // and the result's output text stays empty.
    bool buildOutputText = true;
    DraftOptions draft;  // Tentwurf
    // The threads that filter pages: 0 for all cores, 1 for everything on the calling thread.
    // The result is the same for every number.
    unsigned threads = 0;
};

// What a run gives: its own finished, sorted store and the output text.
struct TextIndexResult {
    IndexStore store;
    Text output;
};

// Runs the text index on `source` (the source text, taken as lines) into a store of its own.
// Throws RunCancelled when cancelled and the UserError of an existing index that cannot be read.
TextIndexResult RunTextIndex(const TextIndexOptions& options, TextView source,
                             const RunEnvironment& environment);

// The same run taking over the source text, which is released as soon as the pages are read so
// that a large book and its finished index are not held in memory together.
TextIndexResult RunTextIndexOnOwnedSource(const TextIndexOptions& options, Text&& source,
                                          const RunEnvironment& environment);

}  // namespace lexorim
