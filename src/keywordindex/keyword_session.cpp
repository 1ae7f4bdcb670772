#include "keywordindex/keyword_session.h"

namespace lexorim {

const Text& KeywordIndexSession::Run(const KeywordOptions& options, const WordLists& lists,
                                     Language language, const RunProgress& progress,
                                     const ReadContext& readContext) {
    output_ =
        RunKeywordIndex(options, DocumentsOf(sources_), lists, language, progress, readContext);
    return output_;
}

void KeywordIndexSession::Clear() {
    sources_.DeleteAll();
    output_.clear();
}

}  // namespace lexorim
