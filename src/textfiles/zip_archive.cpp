#include "textfiles/internal/zip_archive.h"

#include <zip.h>

#include <array>

#include "textfiles/document_error.h"

namespace lexorim {

void ZipArchive::Closer::operator()(zip* archive) const {
    zip_discard(archive);
}

std::optional<ZipArchive> ZipArchive::Open(std::string_view bytes) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    if (source == nullptr) {
        zip_error_fini(&error);
        return std::nullopt;
    }
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    zip_error_fini(&error);
    if (archive == nullptr) {
        // Only a successfully opened archive takes over the source.
        zip_source_free(source);
        return std::nullopt;
    }
    return ZipArchive(archive);
}

ZipArchive ZipArchive::OpenDocument(std::string_view bytes, const std::string& kind) {
    std::optional<ZipArchive> archive = Open(bytes);
    if (!archive) {
        throw DocumentProblemError(
            bytes.starts_with("PK") ? DocumentProblem::Damaged : DocumentProblem::NotThisKind,
            kind);
    }
    return std::move(*archive);
}

ZipArchive::PartStatus ZipArchive::Read(const std::string& name, size_t maxBytes,
                                        std::string& content) const {
    zip_int64_t index = zip_name_locate(archive_.get(), name.c_str(), 0);
    if (index < 0) {
        index = zip_name_locate(archive_.get(), name.c_str(), ZIP_FL_NOCASE);
    }
    if (index < 0) {
        return PartStatus::Missing;
    }
    struct FileCloser {
        void operator()(zip_file_t* file) const { zip_fclose(file); }
    };
    const std::unique_ptr<zip_file_t, FileCloser> file(
        zip_fopen_index(archive_.get(), static_cast<zip_uint64_t>(index), 0));
    if (!file) {
        return PartStatus::Damaged;
    }
    // The size in the directory may lie, so the part is read in chunks up to the limit.
    content.clear();
    std::array<char, 64 * 1024> chunk;
    for (;;) {
        const zip_int64_t got = zip_fread(file.get(), chunk.data(), chunk.size());
        if (got < 0) {
            return PartStatus::Damaged;
        }
        if (got == 0) {
            break;
        }
        if (content.size() + static_cast<size_t>(got) > maxBytes) {
            return PartStatus::TooLarge;
        }
        content.append(chunk.data(), static_cast<size_t>(got));
    }
    return PartStatus::Read;
}

std::optional<std::string> ZipArchive::ReadPart(const std::string& name, size_t maxBytes) const {
    std::string content;
    if (Read(name, maxBytes, content) != PartStatus::Read) {
        return std::nullopt;
    }
    return content;
}

std::string ZipArchive::ReadRequiredPart(const std::string& name, size_t maxBytes,
                                         const std::string& kind) const {
    std::string content;
    switch (Read(name, maxBytes, content)) {
        case PartStatus::Read:
            return content;
        case PartStatus::Missing:
            throw DocumentProblemError(DocumentProblem::NotThisKind, kind);
        case PartStatus::Damaged:
            throw DocumentProblemError(DocumentProblem::Damaged, kind);
        case PartStatus::TooLarge:
            throw DocumentProblemError(DocumentProblem::TooLarge, kind);
    }
    throw DocumentProblemError(DocumentProblem::Damaged, kind);
}

std::optional<std::string> ZipArchive::ReadOptionalPart(const std::string& name, size_t maxBytes,
                                                        const std::string& kind) const {
    std::string content;
    const PartStatus status = Read(name, maxBytes, content);
    if (status == PartStatus::TooLarge) {
        throw DocumentProblemError(DocumentProblem::TooLarge, kind);
    }
    if (status != PartStatus::Read) {
        return std::nullopt;
    }
    return content;
}

}  // namespace lexorim
