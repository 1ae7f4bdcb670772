#pragma once
// The summary shown before a file index run.

#include "engine/language.h"
#include "engine/text_helpers.h"
#include "fileindex/file_index_run.h"

namespace lexorim {

struct FileIndexSummaryInput {
    FileIndexOptions options;
    Text existingIndexCaption;  // the caption of dkt_index
};

Text FileIndexSummary(const FileIndexSummaryInput& input, Language language);

}  // namespace lexorim
