#include "indexing/source_documents.h"

#include <filesystem>

#include "textfiles/document_error.h"
#include "textfiles/word_documents.h"

namespace lexorim {

SourceDocumentReader::SourceDocumentReader(const ReadContext& context)
    : shared_(std::make_shared<Shared>()), context_(context) {
    // These indexes need a document's words, not its pages: laying out every DOCX or ODT
    // through LibreOffice would cost seconds per document for nothing.
    context_.layout = DocumentLayout::TextOnly;
    if (context.showMessage) {
        context_.showMessage = [shared = shared_, show = context.showMessage](TextView message) {
            std::lock_guard lock(shared->messages);
            show(message);
        };
    }
}

std::optional<Text> SourceDocumentReader::Read(TextView path) const {
    const std::string file = ToUtf8(path);
    std::error_code error;
    if (file.empty() || !std::filesystem::is_regular_file(file, error))
        return std::nullopt;
    const DocumentFormat format = DocumentFormatOf(file);
    if (format == DocumentFormat::Doc || format == DocumentFormat::Rtf) {
        // These go through the layout program; one at a time keeps its memory and start-up
        // cost bounded on a long list.
        std::lock_guard lock(shared_->layout);
        try {
            return ReadTextFile(file, context_);
        } catch (const DocumentReadError& error) {
            // Without its reader a document reads as empty and the run goes on; the reader has
            // shown its message ("Word was not found"). Without anyone to show it to, the
            // document is an error like any other.
            if (error.problem() != DocumentProblem::ReaderMissing || !context_.showMessage)
                throw;
            return Text();
        }
    }
    return ReadTextFile(file, context_);
}

std::vector<SourceDocument> DocumentsOf(const SourceList& list) {
    std::vector<SourceDocument> documents;
    documents.reserve(list.size());
    for (const SourceRow& row : list.rows())
        documents.push_back({row.name, row.link, row.source});
    return documents;
}

}  // namespace lexorim
