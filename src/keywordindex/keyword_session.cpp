#include "keywordindex/keyword_session.h"

namespace lexorim {

const Text& KeywordIndexSession::Run(const KeywordOptions& options,
                                     const RunEnvironment& environment,
                                     const ReadContext& readContext) {
    Adopt(RunKeywordIndex(options, DocumentsOf(sources_), environment, readContext));
    return output_;
}

void KeywordIndexSession::Clear() {
    sources_.DeleteAll();
    output_.clear();
}

}  // namespace lexorim
