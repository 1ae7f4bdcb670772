#include "indexing/source_documents.h"

#include <filesystem>
#include <string>
#include <unordered_map>

#include "textfiles/document_error.h"
#include "textfiles/document_layout.h"
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
    const bool laidOutAhead = context_.laidOut && context_.laidOut->Holds(file);
    if ((format == DocumentFormat::Doc || format == DocumentFormat::Rtf) && !laidOutAhead) {
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

void SourceDocumentReader::LayOutAhead(const std::vector<SourceDocument>& documents) {
    std::vector<std::string> paths;
    std::unordered_map<std::string, size_t> uses;
    for (const SourceDocument& document : documents) {
        std::string file = ToUtf8(document.source);
        if (DocumentFormatOf(file) == DocumentFormat::None)
            continue;
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error) ||
            !LaidOutWhenReadAsText(file, context_))
            continue;
        if (uses[file]++ == 0)
            paths.push_back(std::move(file));
    }
    // A single document gains nothing from a batch; it is laid out when it is read.
    if (paths.size() < 2)
        return;
    const std::optional<std::string> program = FindLayoutProgram();
    if (!program)
        return;
    std::vector<LayoutOutcome> outcomes =
        LayOutAllAsPdf(paths, *program, LayoutTimeLimit(), context_.cancel);
    auto laidOut = std::make_shared<LaidOutDocuments>();
    for (size_t i = 0; i < paths.size(); ++i)
        laidOut->Add(paths[i], std::move(outcomes[i]), uses[paths[i]]);
    context_.laidOut = std::move(laidOut);
}

std::vector<SourceDocument> DocumentsOf(const SourceList& list) {
    std::vector<SourceDocument> documents;
    documents.reserve(list.size());
    for (const SourceRow& row : list.rows())
        documents.push_back({row.name, row.link, row.source});
    return documents;
}

}  // namespace lexorim
