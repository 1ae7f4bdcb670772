#pragma once
// "Cannot read this document": the error of every document reader, with the file's name and
// the reason, shared by the command line and the desktop program.

#include <optional>
#include <stdexcept>
#include <string>

#include "engine/errors.h"
#include "engine/text_helpers.h"

namespace lexorim {

enum class DocumentProblem {
    Damaged,        // truncated, a broken container, a bad checksum, malformed content
    Encrypted,      // protected by a password
    NotThisKind,    // the file is not a document of the kind its name or content claims
    TooLarge,       // its text or one of its parts is above the source size limit
    ReaderMissing,  // the program that reads this kind is not installed
    ReaderFailed,   // the reading program gave up on the file
};

// Thrown by a reader that only sees the bytes; the caller that knows the file turns it into a
// UserError with CannotReadDocument.
class DocumentProblemError : public std::runtime_error {
  public:
    explicit DocumentProblemError(DocumentProblem problem, std::string kind = {})
        : std::runtime_error("cannot read this document"),
          problem_(problem),
          kind_(std::move(kind)) {}
    DocumentProblem problem() const { return problem_; }
    // The kind of document ("DOCX", "PDF"), where the reason names it.
    const std::string& kind() const { return kind_; }

  private:
    DocumentProblem problem_;
    std::string kind_;
};

// `Cannot read this document "PATH". REASON`, with the problem for callers that treat one
// differently (a run over many documents goes on without a missing reader).
class DocumentReadError : public UserError {
  public:
    DocumentReadError(Text message, DocumentProblem problem)
        : UserError(std::move(message)), problem_(problem) {}
    DocumentProblem problem() const { return problem_; }

  private:
    DocumentProblem problem_;
};

// The reason as a sentence, e.g. "The file is damaged or incomplete."
Text DocumentProblemReason(DocumentProblem problem, const std::string& kind = {});

// `Cannot read this document "PATH". REASON`
DocumentReadError CannotReadDocument(const std::string& path, DocumentProblem problem,
                                     const std::string& kind = {});
DocumentReadError CannotReadDocument(const std::string& path, const DocumentProblemError& error);

// What `read` gives, or nothing when it throws DocumentProblemError: for callers that only ask
// whether bytes are a readable document.
template <typename Read>
auto NothingOnProblem(Read&& read) -> std::optional<decltype(read())> {
    try {
        return read();
    } catch (const DocumentProblemError&) {
        return std::nullopt;
    }
}

}  // namespace lexorim
