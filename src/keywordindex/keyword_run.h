#pragma once
// The keyword index run: for every document of the source list its qualifying words, in order of
// appearance or alphabetically, written as one line per document.

#include <vector>

#include "draft/draft_options.h"
#include "engine/language.h"
#include "engine/run_progress.h"
#include "engine/text_helpers.h"
#include "engine/word_criteria.h"
#include "indexing/run_environment.h"
#include "indexing/source_documents.h"
#include "keywordindex/keyword_output.h"
#include "textfiles/text_reader.h"

namespace lexorim {

struct KeywordOptions {
    WordCriteria criteria;         // stw_kleinraus ... stw_zus
    bool removeHtml = true;        // stw_htmlraus
    bool removeDuplicates = true;  // stw_doppelt
    bool underEachOther = false;   // stw_untereinander
    bool alphabetical = true;      // stw_alphabetisch
    bool useDesign = false;        // stw_design
    KeywordDesign design;          // Tsdesign
    // Threads that read documents; 0 for all cores. The output does not depend on it.
    unsigned threads = 0;
    DraftOptions draft;  // Tentwurf
};

// The words of every document, in list order; a row whose file does not exist has none. The
// draft options leave out the run's common words and keep each document's most characteristic
// ones, in the order they stand. Throws RunCancelled when the cancel flag is set between two
// documents, and the UserError of a document that cannot be read.
std::vector<KeywordDocument> CollectKeywords(const KeywordOptions& options,
                                             const std::vector<SourceDocument>& documents,
                                             const RunEnvironment& environment,
                                             const ReadContext& readContext = {});

// The whole run: collects the words and returns the output text.
Text RunKeywordIndex(const KeywordOptions& options, const std::vector<SourceDocument>& documents,
                     const RunEnvironment& environment, const ReadContext& readContext = {});

}  // namespace lexorim
