#pragma once
// The summary shown before a text index run: the source, the page numbering, the criteria and
// the index options, in the interface language.

#include "engine/language.h"
#include "engine/text_helpers.h"
#include "textindex/text_index_run.h"

namespace lexorim {

struct TextIndexSummaryInput {
    bool sourceIsFile = true;     // qu_datei
    bool sourceIsText = false;    // qu_text
    Text sourcePath;              // edit_quelle
    bool designationMode = true;  // sz_auslesen (options.lineMode is sz_zeilezuseite)
    TextIndexOptions options;
};

Text TextIndexSummary(const TextIndexSummaryInput& input, Language language);

// The caption of kt_index: the chosen file, or "no index selected".
Text ExistingIndexCaption(const std::string& path, Language language);

}  // namespace lexorim
