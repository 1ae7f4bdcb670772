#include "fileindex/source_documents.h"

#include <filesystem>

#include "textfiles/document_error.h"
#include "textfiles/word_documents.h"

namespace lexorim {

SourceDocumentReader::SourceDocumentReader(const ReadContext& context)
    : shared_(std::make_shared<Shared>()), context_(context) {
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
    if (DocumentFormatOf(file) != DocumentFormat::None) {
        // Layout programs keep one profile per user and do not run twice at the same time.
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

}  // namespace lexorim
