#pragma once
// Which file the HTML preview is written to and in which encoding: the desktop program writes the
// page there and points its browser at it.

#include <filesystem>
#include <optional>

#include "engine/text_helpers.h"
#include "textfiles/text_encoding.h"

namespace lexorim {

enum class PreviewOrigin {
    AfterRun,      // the page of a finished run
    DesignButton,  // the edited code shown again with "Design"
};

struct HtmlPreviewFile {
    std::filesystem::path path;
    TextEncoding encoding = encoding::kUtf8Bom;
};

// After a run: temphtmlindex.html in the program's folder, UTF-8 with signature. From the
// "Design" button: temphtmlindex.html in the system's temporary folder, UTF-8 without signature.
HtmlPreviewFile PreviewFileFor(PreviewOrigin origin);

// Writes the page to the preview file (overwriting it) and returns the file's path. Throws the
// UserError of WriteTextFile when it cannot be written.
std::filesystem::path WriteHtmlPreview(TextView html, PreviewOrigin origin);

// Shows a page by the preview caching option ("Zwischenspeichern"): on, the page is written to the
// preview file and its path returned for the browser to open; off, nothing is written and the
// browser takes the page from memory (no path).
std::optional<std::filesystem::path> PrepareHtmlPreview(TextView html, PreviewOrigin origin,
                                                        bool caching);

}  // namespace lexorim
