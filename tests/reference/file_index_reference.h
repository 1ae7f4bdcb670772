#pragma once
// The file index run as plainly written: one document after the other, every word straight into
// the store.

#include <vector>

#include "fileindex/file_index_run.h"

namespace lexorim::reference {

FileIndexResult RunFileIndex(const FileIndexOptions& options,
                             const std::vector<SourceDocument>& documents, const WordLists& lists,
                             const LocaleCollator& collator, Language language);

}  // namespace lexorim::reference
