#include "fileindex/file_index_session.h"

namespace lexorim {

const Text& FileIndexSession::Run(const FileIndexOptions& options, const WordLists& lists,
                                  const LocaleCollator& collator, Language language,
                                  const RunProgress& progress, const ReadContext& readContext) {
    FileIndexResult result = RunFileIndex(options, DocumentsOf(sources_), lists, collator, language,
                                          progress, readContext);
    store_ = std::move(result.store);
    output_ = std::move(result.output);
    return output_;
}

void FileIndexSession::Clear() {
    sources_.DeleteAll();
    store_.Clear();
    output_.clear();
}

}  // namespace lexorim
