#include "textfiles/document_fixtures.h"

#include <zip.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

namespace lexorim::testing {

namespace {

struct SourceDeleter {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};

void Check(bool ok, const char* what) {
    if (!ok) {
        throw std::runtime_error(std::string("zip fixture: ") + what);
    }
}

}  // namespace

std::string MakeZip(const ZipParts& parts) {
    zip_error_t error;
    zip_error_init(&error);
    std::unique_ptr<zip_source_t, SourceDeleter> buffer(
        zip_source_buffer_create(nullptr, 0, 0, &error));
    Check(buffer != nullptr, "buffer");
    zip_source_keep(buffer.get());  // the archive's zip_close must leave the buffer to us
    zip_t* archive = zip_open_from_source(buffer.get(), ZIP_TRUNCATE, &error);
    zip_error_fini(&error);
    Check(archive != nullptr, "open");
    for (const auto& [name, content] : parts) {
        zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
        Check(source != nullptr, "part");
        if (zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            Check(false, "add");
        }
    }
    Check(zip_close(archive) == 0, "close");

    zip_stat_t stat;
    Check(zip_source_stat(buffer.get(), &stat) == 0, "stat");
    std::string bytes(stat.size, '\0');
    Check(zip_source_open(buffer.get()) == 0, "reopen");
    const zip_int64_t got = zip_source_read(buffer.get(), bytes.data(), bytes.size());
    zip_source_close(buffer.get());
    Check(got == static_cast<zip_int64_t>(bytes.size()), "read");
    return bytes;
}

std::string DocxDocumentXml(const std::string& bodyXml) {
    return R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
           "\n"
           R"(<w:document xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" )"
           R"(xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006" )"
           R"(xmlns:wps="http://schemas.microsoft.com/office/word/2010/wordprocessingShape">)"
           "<w:body>" +
           bodyXml + "</w:body></w:document>";
}

std::string MakeDocx(const std::string& bodyXml) {
    const std::string contentTypes =
        R"(<?xml version="1.0" encoding="UTF-8"?><Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
        R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
        R"(<Default Extension="xml" ContentType="application/xml"/>)"
        R"(<Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>)"
        R"(</Types>)";
    const std::string rels =
        R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
        R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/>)"
        R"(</Relationships>)";
    return MakeZip({{"[Content_Types].xml", contentTypes},
                    {"_rels/.rels", rels},
                    {"word/document.xml", DocxDocumentXml(bodyXml)}});
}

namespace {

constexpr const char* kOdfNamespaces =
    R"(xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
    R"(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" )"
    R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" )"
    R"(xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" )"
    R"(xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" )"
    R"(xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" )"
    R"(office:version="1.3")";

}  // namespace

std::string OdtContentXml(const std::string& textXml, const std::string& automaticStyles) {
    return std::string(R"(<?xml version="1.0" encoding="UTF-8"?>)") + "<office:document-content " +
           kOdfNamespaces + "><office:automatic-styles>" + automaticStyles +
           "</office:automatic-styles><office:body><office:text>" + textXml +
           "</office:text></office:body></office:document-content>";
}

std::string MakeOdt(const std::string& textXml, const std::string& automaticStyles,
                    const std::string& namedStyles) {
    const std::string styles = std::string(R"(<?xml version="1.0" encoding="UTF-8"?>)") +
                               "<office:document-styles " + kOdfNamespaces + "><office:styles>" +
                               namedStyles + "</office:styles></office:document-styles>";
    const std::string manifest =
        R"(<?xml version="1.0" encoding="UTF-8"?><manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.3">)"
        R"(<manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.text"/>)"
        R"(<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>)"
        R"(<manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>)"
        R"(</manifest:manifest>)";
    return MakeZip({{"mimetype", "application/vnd.oasis.opendocument.text"},
                    {"content.xml", OdtContentXml(textXml, automaticStyles)},
                    {"styles.xml", styles},
                    {"META-INF/manifest.xml", manifest}});
}

namespace {

std::string PdfString(const std::string& text) {
    std::string escaped = "(";
    for (const char c : text) {
        if (c == '(' || c == ')' || c == '\\') {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped + ")";
}

}  // namespace

std::string MakePdf(const std::vector<std::vector<std::string>>& pages,
                    const std::optional<std::string>& pageLabels) {
    // Objects: 1 catalog, 2 page tree, 3 font, then a page and its content for every page.
    std::vector<std::string> objects;
    std::string kids;
    for (size_t i = 0; i < pages.size(); ++i) {
        kids += std::to_string(4 + 2 * i) + " 0 R ";
    }
    objects.push_back("<< /Type /Catalog /Pages 2 0 R" +
                      (pageLabels ? " /PageLabels " + *pageLabels : std::string()) + " >>");
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " +
                      std::to_string(pages.size()) + " >>");
    objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
    for (size_t i = 0; i < pages.size(); ++i) {
        std::string stream = "BT /F1 12 Tf 72 720 Td 16 TL\n";
        for (const std::string& line : pages[i]) {
            stream += PdfString(line) + " Tj T*\n";
        }
        stream += "ET\n";
        objects.push_back(
            "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] "
            "/Resources << /Font << /F1 3 0 R >> >> /Contents " +
            std::to_string(5 + 2 * i) + " 0 R >>");
        objects.push_back("<< /Length " + std::to_string(stream.size()) + " >>\nstream\n" + stream +
                          "endstream");
    }

    std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (const size_t offset : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) +
           " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

namespace {

void PutU16(std::string& bytes, size_t at, uint32_t value) {
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

void PutU32(std::string& bytes, size_t at, uint32_t value) {
    PutU16(bytes, at, value & 0xFFFF);
    PutU16(bytes, at + 2, value >> 16);
}

}  // namespace

std::string MakeCompoundFile(const CompoundStreams& streams) {
    constexpr size_t kSector = 512;
    constexpr uint32_t kEnd = 0xFFFFFFFE;
    constexpr uint32_t kNone = 0xFFFFFFFF;
    if (streams.size() > 3) {
        throw std::invalid_argument("MakeCompoundFile: one directory sector holds three streams");
    }
    std::string header(kSector, '\0');
    header.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
    PutU16(header, 0x18, 0x3E);    // minor version
    PutU16(header, 0x1A, 3);       // major version
    PutU16(header, 0x1C, 0xFFFE);  // byte order
    PutU16(header, 0x1E, 9);       // sector shift
    PutU16(header, 0x20, 6);       // mini sector shift
    PutU32(header, 0x2C, 1);       // FAT sectors
    PutU32(header, 0x30, 1);       // first directory sector
    PutU32(header, 0x38, 4096);    // mini stream cutoff
    PutU32(header, 0x3C, kEnd);    // no mini FAT
    PutU32(header, 0x44, kEnd);    // no DIFAT sectors
    for (size_t i = 0; i < 109; ++i) {
        PutU32(header, 0x4C + 4 * i, kNone);
    }
    PutU32(header, 0x4C, 0);  // the FAT is sector 0

    std::string fat(kSector, '\xFF');
    PutU32(fat, 0, 0xFFFFFFFD);  // sector 0 holds the FAT
    PutU32(fat, 4, kEnd);        // sector 1 is the whole directory
    std::string directory(kSector, '\0');
    std::string data;
    uint32_t next = 2;
    const auto putEntry = [&](size_t index, const std::string& name, uint8_t type, uint32_t start,
                              uint32_t size, uint32_t right, uint32_t child) {
        const size_t at = index * 128;
        for (size_t i = 0; i < name.size(); ++i) {
            PutU16(directory, at + 2 * i, static_cast<unsigned char>(name[i]));
        }
        PutU16(directory, at + 0x40, static_cast<uint32_t>(2 * name.size() + 2));
        directory[at + 0x42] = static_cast<char>(type);
        directory[at + 0x43] = 1;  // black
        PutU32(directory, at + 0x44, kNone);
        PutU32(directory, at + 0x48, right);
        PutU32(directory, at + 0x4C, child);
        PutU32(directory, at + 0x74, start);
        PutU32(directory, at + 0x78, size);
    };
    putEntry(0, "Root Entry", 5, kEnd, 0, kNone, streams.empty() ? kNone : 1);
    for (size_t i = 0; i < streams.size(); ++i) {
        std::string content = streams[i].second;
        if (content.size() < 4096) {
            content.resize(4096, '\0');
        }
        content.resize((content.size() + kSector - 1) / kSector * kSector, '\0');
        const uint32_t sectors = static_cast<uint32_t>(content.size() / kSector);
        if (next + sectors > kSector / 4) {
            throw std::invalid_argument("MakeCompoundFile: the streams need more than one FAT");
        }
        for (uint32_t s = 0; s < sectors; ++s) {
            PutU32(fat, 4 * (next + s), s + 1 < sectors ? next + s + 1 : kEnd);
        }
        const uint32_t right = i + 1 < streams.size() ? static_cast<uint32_t>(i + 2) : kNone;
        putEntry(i + 1, streams[i].first, 2, next, static_cast<uint32_t>(content.size()), right,
                 kNone);
        next += sectors;
        data += content;
    }
    return header + fat + directory + data;
}

std::string WordFib(uint32_t textLength, uint16_t flags, uint32_t clxLength) {
    std::string fib(4096, '\0');
    PutU16(fib, 0, 0xA5EC);  // wIdent
    PutU16(fib, 2, 0xC1);    // nFib: Word 97
    PutU16(fib, 0x0A, flags);
    PutU16(fib, 0x20, 14);  // csw
    PutU16(fib, 0x3E, 22);  // cslw
    PutU32(fib, 0x4C, textLength);
    PutU16(fib, 0x98, 93);  // cbRgFcLcb
    PutU32(fib, 0x1A2, 0);  // fcClx
    PutU32(fib, 0x1A6, clxLength);
    return fib;
}

std::string MakeWordBinary(uint32_t textLength) {
    return MakeCompoundFile({{"WordDocument", WordFib(textLength)}, {"1Table", ""}});
}

}  // namespace lexorim::testing
