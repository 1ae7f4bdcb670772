#include "textfiles/document_error.h"

namespace lexorim {

Text DocumentProblemReason(DocumentProblem problem, const std::string& kind) {
    const Text of = kind.empty() ? Text(u"document") : FromUtf8(kind) + u" document";
    switch (problem) {
        case DocumentProblem::Damaged:
            return u"The file is damaged or incomplete.";
        case DocumentProblem::Encrypted:
            return u"The document is encrypted.";
        case DocumentProblem::NotThisKind:
            return u"The file is not a valid " + of + u".";
        case DocumentProblem::TooLarge:
            return u"The document is too large.";
        case DocumentProblem::ReaderMissing:
            return u"The program that reads this " + of + u" is not installed.";
        case DocumentProblem::ReaderFailed:
            return u"The program that reads this " + of + u" could not read it.";
    }
    return u"The file is damaged or incomplete.";
}

DocumentReadError CannotReadDocument(const std::string& path, DocumentProblem problem,
                                     const std::string& kind) {
    return DocumentReadError(u"Cannot read this document \"" + FromUtf8(path) + u"\". " +
                                 DocumentProblemReason(problem, kind),
                             problem);
}

DocumentReadError CannotReadDocument(const std::string& path, const DocumentProblemError& error) {
    return CannotReadDocument(path, error.problem(), error.kind());
}

}  // namespace lexorim
