#include "textindex/text_index_source.h"

#include "textfiles/word_documents.h"
#include "textindex/page_designations.h"

namespace lexorim {

TextIndexSource ReadTextIndexSource(const std::string& path, const ReadContext& context) {
    if (std::optional<PagedDocument> document = ReadPagedDocument(path, context)) {
        std::vector<Text> designations;
        for (const PageNumberLine& page : document->pageNumbers)
            designations.push_back(FormatDesignationItem(page.number, page.line));
        return {std::move(document->text), std::move(designations)};
    }
    return {ReadTextFile(path, context), std::nullopt};
}

TextIndexSource TextIndexSourceFromText(Text text) {
    return {std::move(text), std::nullopt};
}

}  // namespace lexorim
