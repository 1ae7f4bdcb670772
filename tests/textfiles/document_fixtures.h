#pragma once
// Small documents built by the tests themselves: zip containers (DOCX, ODT) from XML strings
// and PDF files with correct cross-reference offsets.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lexorim::testing {

using ZipParts = std::vector<std::pair<std::string, std::string>>;  // part name, content

// A zip container holding the parts in the given order, compressed.
std::string MakeZip(const ZipParts& parts);

// A DOCX package whose w:body holds `bodyXml` (prefixes w: and mc: are declared).
std::string MakeDocx(const std::string& bodyXml);
// The main document part alone, for packages a test assembles itself.
std::string DocxDocumentXml(const std::string& bodyXml);

// An ODT package: `textXml` goes into office:text, `automaticStyles` into the automatic styles
// of content.xml and `namedStyles` into office:styles of styles.xml.
std::string MakeOdt(const std::string& textXml, const std::string& automaticStyles = "",
                    const std::string& namedStyles = "");
std::string OdtContentXml(const std::string& textXml, const std::string& automaticStyles = "");

// A PDF with one page per entry, each page showing its lines top to bottom in Helvetica.
// `pageLabels` is the value of the catalog's /PageLabels entry, e.g.
// "<< /Nums [0 << /S /r >> 2 << /S /D >>] >>".
std::string MakePdf(const std::vector<std::vector<std::string>>& pages,
                    const std::optional<std::string>& pageLabels = std::nullopt);

// A compound file (version 3, 512-byte sectors) whose root storage holds the streams in the
// given order. Each stream is padded with zeros to 4096 bytes, so that none lies in the mini
// stream; the layout is fixed: the header, one FAT sector (sector 0), one directory sector
// (sector 1), then the streams one after the other from sector 2.
using CompoundStreams = std::vector<std::pair<std::string, std::string>>;  // ASCII name, bytes
std::string MakeCompoundFile(const CompoundStreams& streams);

// The file information block of a Word 97 document whose main text is `textLength`
// characters, with the given FIB flags (0x0200: the table stream is "1Table", 0x0100:
// encrypted) and a piece table of `clxLength` bytes at the start of the table stream.
std::string WordFib(uint32_t textLength, uint16_t flags = 0x0200, uint32_t clxLength = 21);

// A DOC as far as its structure goes: WordDocument with that FIB and an empty 1Table. Its text
// is no real piece table, so only checks of the structure and stand-in readers accept it.
std::string MakeWordBinary(uint32_t textLength);

}  // namespace lexorim::testing
