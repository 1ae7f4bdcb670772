#pragma once
// Reading any source into one UTF-16 text: text files with their encoding detected from the
// first bytes, word-processor documents and PDF files page by page.

#include <atomic>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/language.h"
#include "engine/text_helpers.h"
#include "textfiles/text_encoding.h"

namespace lexorim {

class LaidOutDocuments;

// How word-processor documents get their pages.
enum class DocumentLayout {
    // Laid out by LibreOffice when it is installed, unless the document records its own layout
    // completely; read natively with a warning otherwise.
    Automatic,
    // Only the native readers, without a warning (for tests of the readers themselves).
    NativeOnly,
    // Only the text counts, not where its pages break: DOCX and ODT are read natively without a
    // warning; DOC and RTF are still laid out, since LibreOffice reads them best.
    TextOnly,
};

struct ReadContext {
    Language language = Language::German;
    // Shows the messages of the document readers ("Word was not found", pages that are only
    // approximate); may be empty.
    MessageCallback showMessage;
    DocumentLayout layout = DocumentLayout::Automatic;
    // Set by the reader's caller to stop a layout that takes long; the read then throws
    // RunCancelled. May be empty.
    const std::atomic<bool>* cancel = nullptr;
    // Documents whose layout was made ahead for a whole list; a document not among them is
    // laid out when it is read. May be empty.
    std::shared_ptr<LaidOutDocuments> laidOut;
};

// Reads the whole document. Throws UserError with `Cannot open file "PATH". REASON` when the
// file cannot be opened, `Cannot read file "PATH". Invalid UTF7` for a broken UTF-7 file and
// `Cannot read this document "PATH". REASON` for a document that cannot be read.
Text ReadTextFile(const std::string& path, const ReadContext& context = {});

// The encoding of a text file (0 for a file that cannot be read or has fewer than 2 bytes).
TextEncoding DetectEncoding(const std::string& path);
TextEncoding DetectEncodingOfBytes(std::string_view bytes);

// A UTF-7 text that breaks the rules; the reader of a file turns it into a UserError naming it.
class InvalidUtf7 : public std::runtime_error {
  public:
    InvalidUtf7() : std::runtime_error("Invalid UTF7") {}
};

// Decodes bytes read from a file whose encoding is `code` (signature handling included); throws
// InvalidUtf7.
Text DecodeText(std::string_view bytes, TextEncoding code);

// The text of a file's bytes, decoded by the encoding DetectEncodingOfBytes gives them.
Text DecodeDetectedText(std::string_view bytes);

// One code point as UTF-16: "?" for values above U+10FFFF and for surrogates.
Text CodePointToUtf16(uint32_t codePoint);

// The code point at a 1-based position: "?" (63) outside the text, for a low surrogate that does
// not follow a high one and for a high surrogate without its low one; the combined value for a
// pair. The position of the second half of a pair gives that unit's own value.
uint32_t Utf16CodePointAt(TextView text, int64_t position);

}  // namespace lexorim
