#include "textfiles/word_documents.h"

namespace lexorim {

DocumentFormat DocumentFormatOf(const std::string& path) { return DocumentFormat::None; }

Text ReadWordDocument(const std::string& path, int pageLimit, const ReadContext& context) {
    return {};
}

}  // namespace lexorim
