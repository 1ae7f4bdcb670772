#include "fileindex/file_index_session.h"

namespace lexorim {

const Text& FileIndexSession::Run(const FileIndexOptions& options,
                                  const RunEnvironment& environment,
                                  const ReadContext& readContext) {
    Adopt(RunFileIndex(options, DocumentsOf(sources_), environment, readContext));
    return output_;
}

void FileIndexSession::Adopt(FileIndexResult result) {
    store_ = std::move(result.store);
    output_ = std::move(result.output);
}

void FileIndexSession::Clear() {
    sources_.DeleteAll();
    store_.Clear();
    output_.clear();
}

}  // namespace lexorim
