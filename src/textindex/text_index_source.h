#pragma once
// The source of a text index: its text and, for a document read page by page, the designation
// items of the document's own pages.

#include <optional>
#include <string>
#include <vector>

#include "draft/draft_options.h"
#include "engine/text_helpers.h"
#include "textfiles/text_reader.h"

namespace lexorim {

struct TextIndexSource {
    Text text;
    // The items ("17 (40)") of a document's own page numbers; nothing for a plain text, whose
    // designations are read out of the text.
    std::optional<std::vector<Text>> documentDesignations;
};

// Reads a source file: a document with pages (DOCX, ODT, PDF, ...) with its page numbers, any
// other file as text. Read errors throw UserError. With the draft's printed page numbers, a
// document without page numbers of its own takes those printed on its pages.
TextIndexSource ReadTextIndexSource(const std::string& path, const ReadContext& context = {},
                                    const DraftOptions& draft = {});

// Of the paths dropped on the source page, the one that becomes the source file: the first that
// names an existing file. Folders, and paths whose attributes cannot be read, are passed over;
// nothing when no path qualifies.
std::optional<std::string> DroppedSourcePath(const std::vector<std::string>& paths);

// A text typed or pasted as the source.
TextIndexSource TextIndexSourceFromText(Text text);

}  // namespace lexorim
