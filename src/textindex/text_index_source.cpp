#include "textindex/text_index_source.h"

#include <filesystem>

#include "textfiles/word_documents.h"
#include "textindex/draft_pages.h"
#include "textindex/page_designations.h"

namespace lexorim {

TextIndexSource ReadTextIndexSource(const std::string& path, const ReadContext& context,
                                    const DraftOptions& draft) {
    if (std::optional<PagedDocument> document = ReadPagedDocument(path, context)) {
        if (draft.printedPageNumbers)
            TakePrintedPageNumbers(*document, path, context);
        std::vector<Text> designations;
        for (const PageNumberLine& page : document->pageNumbers)
            designations.push_back(FormatDesignationItem(page.number, page.line));
        return {std::move(document->text), std::move(designations)};
    }
    return {ReadTextFile(path, context), std::nullopt};
}

std::optional<std::string> DroppedSourcePath(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        std::error_code error;  // an unreadable path counts as no file
        if (!path.empty() && std::filesystem::is_regular_file(path, error))
            return path;
    }
    return std::nullopt;
}

TextIndexSource TextIndexSourceFromText(Text text) {
    return {std::move(text), std::nullopt};
}

}  // namespace lexorim
