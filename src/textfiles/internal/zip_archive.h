#pragma once
// Read-only access to the parts of a zip container (DOCX, ODT) held in memory.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "textfiles/source_limits.h"

struct zip;

namespace lexorim {

class ZipArchive {
  public:
    // Opens the archive in `bytes`, which must outlive the archive. Gives nothing when the bytes
    // are not a readable zip container.
    static std::optional<ZipArchive> Open(std::string_view bytes);

    // The same for a document of `kind`: throws DocumentProblemError, Damaged for bytes that
    // start like a zip container and NotThisKind for any other bytes.
    static ZipArchive OpenDocument(std::string_view bytes, const std::string& kind);

    // The uncompressed bytes of the part `name` (looked up exactly, then without regard to
    // case). Gives nothing when the part is missing, cannot be decompressed or would be larger
    // than `maxBytes`.
    std::optional<std::string> ReadPart(const std::string& name, size_t maxBytes) const;

    // The same for a part the document cannot do without: throws DocumentProblemError, naming
    // `kind` when the part is missing, Damaged when it cannot be decompressed and TooLarge above
    // `maxBytes`.
    std::string ReadRequiredPart(const std::string& name, size_t maxBytes,
                                 const std::string& kind) const;

    // A part the document can do without: nothing when it is missing or damaged, but a part
    // above `maxBytes` throws DocumentProblemError (TooLarge) like a required one.
    std::optional<std::string> ReadOptionalPart(const std::string& name, size_t maxBytes,
                                                const std::string& kind) const;

  private:
    enum class PartStatus { Read, Missing, Damaged, TooLarge };
    PartStatus Read(const std::string& name, size_t maxBytes, std::string& content) const;

    struct Closer {
        void operator()(zip* archive) const;
    };
    explicit ZipArchive(zip* archive) : archive_(archive) {}

    std::unique_ptr<zip, Closer> archive_;
};

// The largest document part the readers decompress; guards against zip bombs.
inline constexpr size_t kMaxDocumentPartBytes = kMaxDocumentTextSize;

}  // namespace lexorim
