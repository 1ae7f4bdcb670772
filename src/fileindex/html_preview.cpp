#include "fileindex/html_preview.h"

#include "engine/program_folder.h"
#include "textfiles/text_writer.h"

namespace lexorim {

namespace {
constexpr const char* kPreviewFileName = "temphtmlindex.html";
}

HtmlPreviewFile PreviewFileFor(PreviewOrigin origin) {
    if (origin == PreviewOrigin::AfterRun)
        return {ProgramFolder() / kPreviewFileName, encoding::kUtf8Bom};
    return {TemporaryFolder() / kPreviewFileName, encoding::kUtf8};
}

std::filesystem::path WriteHtmlPreview(TextView html, PreviewOrigin origin) {
    const HtmlPreviewFile file = PreviewFileFor(origin);
    WriteTextFile(html, file.path.string(), file.encoding, file.encoding == encoding::kUtf8Bom);
    return file.path;
}

std::optional<std::filesystem::path> PrepareHtmlPreview(TextView html, PreviewOrigin origin,
                                                        bool caching) {
    if (!caching)
        return std::nullopt;
    return WriteHtmlPreview(html, origin);
}

}  // namespace lexorim
