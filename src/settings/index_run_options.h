#pragma once
// The option records of the file index and the keyword index, made from the settings.

#include "fileindex/file_index_run.h"
#include "fileindex/file_index_summary.h"
#include "indexing/source_list.h"
#include "keywordindex/keyword_run.h"
#include "settings/settings.h"

namespace lexorim {

WordCriteria FileIndexCriteria(const Settings& settings);
WordCriteria KeywordCriteria(const Settings& settings);

SourceOptions MakeSourceOptions(const Settings& settings);
FileTextDesign MakeFileTextDesign(const Settings& settings);
HtmlDesign MakeHtmlDesign(const Settings& settings);
KeywordDesign MakeKeywordDesign(const Settings& settings);

FileIndexOptions MakeFileIndexOptions(const Settings& settings);
FileIndexSummaryInput MakeFileIndexSummaryInput(const Settings& settings, Language language);
KeywordOptions MakeKeywordOptions(const Settings& settings);

// A scan switches the file index's tag removal by the type of the scanned document.
void ApplyScanResult(Settings& settings, const ScanResult& result);

}  // namespace lexorim
