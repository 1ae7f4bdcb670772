#pragma once
// Word-processor documents and PDF files, read page by page into the page format: each page's
// text, CR LF, its page number, CR LF; line breaks inside a page are CR LF.

#include <string>

#include "engine/text_helpers.h"
#include "textfiles/text_reader.h"

namespace lexorim {

// The kinds of document that are not read as plain text files.
enum class DocumentFormat { None, Doc, Docx, Odt, Pdf };

// The format by the file's extension (the characters after the last "." of the file name, in
// any case).
DocumentFormat DocumentFormatOf(const std::string& path);

// Reads at most `pageLimit` pages (all pages when it is below 0). DOCX and ODT are read
// natively, DOC through antiword when it is installed, PDF through poppler. When no reader is
// available the "Word was not found" message goes to context.showMessage and the text is empty.
Text ReadWordDocument(const std::string& path, int pageLimit, const ReadContext& context = {});

}  // namespace lexorim
