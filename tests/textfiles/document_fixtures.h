#pragma once
// Small documents built by the tests themselves: zip containers (DOCX, ODT) from XML strings
// and PDF files with correct cross-reference offsets.

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

}  // namespace lexorim::testing
