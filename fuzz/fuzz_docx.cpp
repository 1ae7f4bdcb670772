// Word-processor documents from arbitrary bytes. An input that starts like a zip container is
// read as a whole DOCX and ODT package. Any other input is packed into a valid container, so
// that the fuzzer spends its time in the XML walk rather than on zip checksums; its first byte
// chooses how the rest becomes the document's body:
//   0: the bytes are the XML of w:body,        1: the bytes are the XML of office:text,
//   2: each byte opens, closes or adds an element of WordprocessingML (always well-formed),
//   3: the same with the elements of OpenDocument text.
// Whatever the input, the result must be in the page format, and reading fewer pages must give
// the start of the full reading.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "textfiles/document_fixtures.h"
#include "textfiles/internal/document_readers.h"

namespace {

using namespace lexorim;

struct Grammar {
    std::vector<std::string_view> containers;  // element names that hold others
    std::vector<std::string_view> leaves;      // complete fragments
};

const Grammar kDocx = {
    {"w:p",
     "w:r",
     "w:tbl",
     "w:tr",
     "w:tc",
     "w:sdt",
     "w:sdtContent",
     "w:hyperlink",
     "w:ins",
     "w:del",
     "w:pPr",
     "w:sectPr",
     "mc:AlternateContent",
     "mc:Choice",
     "mc:Fallback",
     "w:txbxContent",
     "w:fldSimple",
     "w:moveFrom",
     "w:smartTag",
     "w:rPr"},
    {"<w:t>word</w:t>", "<w:t xml:space=\"preserve\"> a b </w:t>", "<w:delText>gone</w:delText>",
     "<w:instrText>PAGE</w:instrText>", "<w:tab/>", "<w:br/>", "<w:br w:type=\"page\"/>",
     "<w:br w:type=\"column\"/>", "<w:cr/>", "<w:lastRenderedPageBreak/>", "<w:pageBreakBefore/>",
     "<w:pageBreakBefore w:val=\"0\"/>", "<w:type w:val=\"continuous\"/>",
     "<w:type w:val=\"oddPage\"/>", "<w:noBreakHyphen/>", "<w:sectPr/>", "x",
     "<w:t>\xF0\x9F\x98\x80</w:t>"}};

const Grammar kOdt = {
    {"text:p", "text:h", "text:span", "text:list", "text:list-item", "table:table",
     "table:table-row", "table:table-cell", "text:section", "text:note", "draw:frame",
     "text:tracked-changes", "office:annotation", "text:a", "text:p text:style-name=\"P1\"",
     "text:p text:style-name=\"P2\"", "text:h text:style-name=\"P3\"",
     "text:p text:style-name=\"X\"", "table:table table:style-name=\"T1\""},
    {"word", "  ", "<text:s/>", "<text:s text:c=\"3\"/>", "<text:tab/>", "<text:line-break/>",
     "<text:soft-page-break/>", "<text:number>1.</text:number>", "\xC3\xA4"}};

const std::string kOdtStyles =
    "<style:style style:name=\"P1\" style:family=\"paragraph\"><style:paragraph-properties "
    "fo:break-before=\"page\"/></style:style>"
    "<style:style style:name=\"P2\" style:family=\"paragraph\"><style:paragraph-properties "
    "fo:break-after=\"page\"/></style:style>"
    "<style:style style:name=\"P3\" style:family=\"paragraph\" style:parent-style-name=\"P1\"/>"
    "<style:style style:name=\"X\" style:family=\"paragraph\" style:parent-style-name=\"X\"/>"
    "<style:style style:name=\"T1\" style:family=\"table\"><style:table-properties "
    "fo:break-after=\"page\"/></style:style>";

// Well-formed XML from bytes: a byte opens a container, closes the innermost open one or adds
// a leaf; whatever is still open at the end is closed.
std::string BuildXml(std::string_view bytes, const Grammar& grammar) {
    std::string xml;
    std::vector<std::string_view> open;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        const size_t choice = value / 3;
        if (value % 3 == 0) {
            if (!open.empty()) {
                xml += "</" + std::string(open.back().substr(0, open.back().find(' '))) + ">";
                open.pop_back();
            }
        } else if (value % 3 == 1) {
            const std::string_view name = grammar.containers[choice % grammar.containers.size()];
            xml += "<" + std::string(name) + ">";
            open.push_back(name);
        } else {
            xml += grammar.leaves[choice % grammar.leaves.size()];
        }
    }
    while (!open.empty()) {
        xml += "</" + std::string(open.back().substr(0, open.back().find(' '))) + ">";
        open.pop_back();
    }
    return xml;
}

// Every line ends with CR LF, and a non-empty reading ends with a line break.
bool IsPageFormat(const Text& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')) {
            return false;
        }
    }
    return text.empty() || text.ends_with(u"\r\n");
}

void CheckReader(Text (*read)(std::string_view, int), std::string_view package, int limit) {
    const Text all = read(package, -1);
    FUZZ_CHECK(IsPageFormat(all));
    const Text first = read(package, limit);
    FUZZ_CHECK(IsPageFormat(first));
    FUZZ_CHECK(all.starts_with(first));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const int limit = size == 0 ? 0 : data[size - 1] % 4;
    if (bytes.starts_with("PK")) {
        CheckReader(ReadDocxBytes, bytes, limit);
        CheckReader(ReadOdtBytes, bytes, limit);
        return 0;
    }
    const std::string_view body = bytes.empty() ? bytes : bytes.substr(1);
    switch (size == 0 ? 0 : data[0] % 4) {
        case 0:
            CheckReader(ReadDocxBytes, testing::MakeDocx(std::string(body)), limit);
            break;
        case 1:
            CheckReader(ReadOdtBytes, testing::MakeOdt(std::string(body)), limit);
            break;
        case 2:
            CheckReader(ReadDocxBytes, testing::MakeDocx(BuildXml(body, kDocx)), limit);
            break;
        default:
            CheckReader(ReadOdtBytes, testing::MakeOdt(BuildXml(body, kOdt), kOdtStyles), limit);
            break;
    }
    return 0;
}
