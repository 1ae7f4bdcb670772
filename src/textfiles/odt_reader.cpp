// ODT documents read from content.xml. Page breaks come from the page starts the office suite
// recorded when it last laid the document out (text:soft-page-break) and from paragraph and
// table styles that break before or after, looked up through their parent styles.

#include <pugixml.hpp>

#include <algorithm>
#include <map>
#include <utility>

#include "textfiles/document_error.h"
#include "textfiles/internal/document_pages.h"
#include "textfiles/internal/document_readers.h"
#include "textfiles/internal/xml_names.h"
#include "textfiles/internal/zip_archive.h"

namespace lexorim {

namespace {

constexpr std::string_view kOfficeNamespace = "urn:oasis:names:tc:opendocument:xmlns:office:1.0";
constexpr std::string_view kTextNamespace = "urn:oasis:names:tc:opendocument:xmlns:text:1.0";
constexpr std::string_view kTableNamespace = "urn:oasis:names:tc:opendocument:xmlns:table:1.0";
constexpr std::string_view kStyleNamespace = "urn:oasis:names:tc:opendocument:xmlns:style:1.0";
constexpr std::string_view kFoNamespace =
    "urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0";
constexpr std::string_view kDrawNamespace = "urn:oasis:names:tc:opendocument:xmlns:drawing:1.0";

constexpr int kMaxDepth = 200;
constexpr int kMaxStyleChain = 64;
constexpr int kMaxRepeatedSpaces = 1000;

struct Prefixes {
    explicit Prefixes(const pugi::xml_node& root)
        : office(NamespacePrefix(root, {kOfficeNamespace}, "office:")),
          text(NamespacePrefix(root, {kTextNamespace}, "text:")),
          table(NamespacePrefix(root, {kTableNamespace}, "table:")),
          style(NamespacePrefix(root, {kStyleNamespace}, "style:")),
          fo(NamespacePrefix(root, {kFoNamespace}, "fo:")),
          draw(NamespacePrefix(root, {kDrawNamespace}, "draw:")) {}
    std::string office, text, table, style, fo, draw;
};

struct StyleInfo {
    std::string parent;
    std::optional<bool> breakBefore;  // absent when the style leaves it to its parent
    std::optional<bool> breakAfter;
    bool startsMasterPage = false;
    std::string masterPage;
    std::optional<int64_t> pageNumber;  // the number its first page gets ("auto": nothing)
};

// The paragraph and table styles of one or more style parts, by family and name.
class StyleTable {
  public:
    void AddStylesOf(const pugi::xml_node& container, const Prefixes& ns) {
        const QName styleName(ns.style, "style");
        for (const pugi::xml_node& style : container.children(styleName.c_str())) {
            const std::string family = style.attribute((ns.style + "family").c_str()).value();
            const char* propertiesName = family == "paragraph" ? "paragraph-properties"
                                         : family == "table"   ? "table-properties"
                                                               : nullptr;
            if (propertiesName == nullptr) {
                continue;
            }
            const pugi::xml_node properties = style.child((ns.style + propertiesName).c_str());
            StyleInfo info;
            info.parent = style.attribute((ns.style + "parent-style-name").c_str()).value();
            info.breakBefore = BreakValue(properties.attribute((ns.fo + "break-before").c_str()));
            info.breakAfter = BreakValue(properties.attribute((ns.fo + "break-after").c_str()));
            info.masterPage = style.attribute((ns.style + "master-page-name").c_str()).value();
            info.startsMasterPage = !info.masterPage.empty();
            const pugi::xml_attribute pageNumber =
                properties.attribute((ns.style + "page-number").c_str());
            if (pageNumber && std::string_view(pageNumber.value()) != "auto") {
                info.pageNumber = pageNumber.as_llong(1);
            }
            const std::string name = style.attribute((ns.style + "name").c_str()).value();
            styles_[{family, name}] = std::move(info);
        }
    }

    bool BreaksBefore(const std::string& family, const std::string& name) const {
        const StyleInfo* own = Find(family, name);
        return (own != nullptr && own->startsMasterPage) ||
               Inherited(family, name, &StyleInfo::breakBefore);
    }

    bool BreaksAfter(const std::string& family, const std::string& name) const {
        return Inherited(family, name, &StyleInfo::breakAfter);
    }

    // The style's own master page, which starts a page with that page style; nothing when it
    // has none.
    const StyleInfo* MasterPageStart(const std::string& family, const std::string& name) const {
        const StyleInfo* own = Find(family, name);
        return own != nullptr && own->startsMasterPage ? own : nullptr;
    }

    // The page number formats of the page styles (master pages) of styles.xml.
    void AddMasterPagesOf(const pugi::xml_node& root, const Prefixes& ns) {
        std::map<std::string, PageNumberFormat> layouts;
        const pugi::xml_node automatic = root.child((ns.office + "automatic-styles").c_str());
        // Named, because the ranges below keep only a pointer to the name.
        const QName pageLayout(ns.style, "page-layout");
        const QName masterPage(ns.style, "master-page");
        for (const pugi::xml_node& layout : automatic.children(pageLayout.c_str())) {
            const std::string_view format =
                layout.child((ns.style + "page-layout-properties").c_str())
                    .attribute((ns.style + "num-format").c_str())
                    .value();
            layouts[layout.attribute((ns.style + "name").c_str()).value()] =
                PageNumberFormatNamed(format, {"i", "I", "a", "A"});
        }
        const pugi::xml_node masters = root.child((ns.office + "master-styles").c_str());
        for (const pugi::xml_node& master : masters.children(masterPage.c_str())) {
            const std::string name = master.attribute((ns.style + "name").c_str()).value();
            const auto layout =
                layouts.find(master.attribute((ns.style + "page-layout-name").c_str()).value());
            const PageNumberFormat format =
                layout == layouts.end() ? PageNumberFormat::Decimal : layout->second;
            masterFormats_[name] = format;
            if (firstMaster_.empty()) {
                firstMaster_ = name;
            }
        }
    }

    PageNumberFormat MasterPageFormat(const std::string& name) const {
        const auto found = masterFormats_.find(name);
        return found == masterFormats_.end() ? PageNumberFormat::Decimal : found->second;
    }

    // The page style of pages that no paragraph chose one for.
    std::string DefaultMasterPage() const {
        return masterFormats_.contains("Standard") ? "Standard" : firstMaster_;
    }

  private:
    static std::optional<bool> BreakValue(const pugi::xml_attribute& attribute) {
        if (!attribute) {
            return std::nullopt;
        }
        const std::string_view value = attribute.value();
        return value == "page" || value == "even-page" || value == "odd-page";
    }

    const StyleInfo* Find(const std::string& family, const std::string& name) const {
        const auto found = styles_.find({family, name});
        return found == styles_.end() ? nullptr : &found->second;
    }

    bool Inherited(const std::string& family, std::string name,
                   std::optional<bool> StyleInfo::*property) const {
        for (int step = 0; step < kMaxStyleChain && !name.empty(); ++step) {
            const StyleInfo* style = Find(family, name);
            if (style == nullptr) {
                return false;
            }
            if ((style->*property).has_value()) {
                return *(style->*property);
            }
            name = style->parent;
        }
        return false;
    }

    std::map<std::pair<std::string, std::string>, StyleInfo> styles_;
    std::map<std::string, PageNumberFormat> masterFormats_;
    std::string firstMaster_;
};

class OdtWalker {
  public:
    OdtWalker(const Prefixes& ns, const StyleTable& styles)
        : styles_(styles),
          p_(ns.text, "p"),
          h_(ns.text, "h"),
          s_(ns.text, "s"),
          c_(ns.text, "c"),
          tab_(ns.text, "tab"),
          lineBreak_(ns.text, "line-break"),
          softPageBreak_(ns.text, "soft-page-break"),
          note_(ns.text, "note"),
          number_(ns.text, "number"),
          trackedChanges_(ns.text, "tracked-changes"),
          textStyleName_(ns.text, "style-name"),
          table_(ns.table, "table"),
          tableStyleName_(ns.table, "style-name"),
          annotation_(ns.office, "annotation"),
          forms_(ns.office, "forms"),
          draw_(ns.draw) {
        sections_.current().format = styles_.MasterPageFormat(styles_.DefaultMasterPage());
    }

    void Block(const pugi::xml_node& container, int depth) {
        if (depth > kMaxDepth) {
            return;
        }
        for (const pugi::xml_node& child : container.children()) {
            if (child.type() != pugi::node_element || Skipped(child)) {
                continue;
            }
            if (p_.Names(child) || h_.Names(child)) {
                Paragraph(child, depth + 1);
            } else if (softPageBreak_.Names(child)) {
                pages_.SoftBreak();
            } else if (table_.Names(child)) {
                Table(child, depth + 1);
            } else {
                Block(child, depth + 1);  // lists, sections, rows, cells, index bodies
            }
        }
    }

    std::vector<Text> TakePages() { return pages_.TakePages(); }

    // The sections of page styles, the last one closed.
    std::vector<NumberingSection> TakeSections() { return sections_.Take(); }

  private:
    bool Skipped(const pugi::xml_node& node) const {
        // Notes, comments, frames and the record of deleted text are outside the text flow;
        // list numbers are formatting, as in a word processor's text.
        return note_.Names(node) || number_.Names(node) || annotation_.Names(node) ||
               trackedChanges_.Names(node) || forms_.Names(node) ||
               std::string_view(node.name()).starts_with(draw_);
    }

    // A paragraph or table whose style names a page style starts a section of its own.
    void StartSectionIfNamed(const std::string& family, const std::string& style) {
        const StyleInfo* start = styles_.MasterPageStart(family, style);
        if (start == nullptr) {
            return;
        }
        sections_.EndSection();
        sections_.current().format = styles_.MasterPageFormat(start->masterPage);
        sections_.current().start = start->pageNumber;
    }

    // Text of the page; the section notes where it starts and how it begins.
    void AppendText(TextView text) {
        sections_.NoteText(text, pages_.PageOfNextContent());
        pages_.Append(text);
    }

    void Table(const pugi::xml_node& table, int depth) {
        const std::string style = table.attribute(tableStyleName_.c_str()).value();
        StartSectionIfNamed("table", style);
        if (styles_.BreaksBefore("table", style)) {
            pages_.SoftBreak();
        }
        Block(table, depth);
        if (styles_.BreaksAfter("table", style)) {
            pages_.SoftBreak();
        }
    }

    void Paragraph(const pugi::xml_node& paragraph, int depth) {
        const std::string style = paragraph.attribute(textStyleName_.c_str()).value();
        StartSectionIfNamed("paragraph", style);
        if (styles_.BreaksBefore("paragraph", style)) {
            pages_.SoftBreak();
        }
        bool afterSpace = true;  // white space at the start of a paragraph is dropped
        Inline(paragraph, afterSpace, depth);
        pages_.Append(kParagraphMark);
        if (styles_.BreaksAfter("paragraph", style)) {
            pages_.SoftBreak();
        }
    }

    void Inline(const pugi::xml_node& container, bool& afterSpace, int depth) {
        if (depth > kMaxDepth) {
            return;
        }
        for (const pugi::xml_node& child : container.children()) {
            if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
                AppendCollapsed(child.value(), afterSpace);
                continue;
            }
            if (child.type() != pugi::node_element || Skipped(child)) {
                continue;
            }
            if (s_.Names(child)) {
                const int count =
                    std::clamp(child.attribute(c_.c_str()).as_int(1), 1, kMaxRepeatedSpaces);
                AppendText(Text(static_cast<size_t>(count), u' '));
                afterSpace = false;
            } else if (tab_.Names(child)) {
                AppendText(u"\t");
                afterSpace = false;
            } else if (lineBreak_.Names(child)) {
                AppendText(u"\r");
                afterSpace = false;
            } else if (softPageBreak_.Names(child)) {
                pages_.SoftBreak();
            } else {
                Inline(child, afterSpace, depth + 1);  // spans, links, fields
            }
        }
    }

    // Runs of blanks, tabs and line ends in the XML text count as one blank.
    void AppendCollapsed(const char* utf8, bool& afterSpace) {
        Text collapsed;
        for (const char16_t c : FromUtf8(utf8)) {
            const bool space = c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
            if (space && afterSpace) {
                continue;
            }
            collapsed += space ? u' ' : c;
            afterSpace = space;
        }
        AppendText(collapsed);
    }

    const StyleTable& styles_;
    const QName p_, h_, s_, c_, tab_, lineBreak_, softPageBreak_, note_, number_, trackedChanges_,
        textStyleName_, table_, tableStyleName_, annotation_, forms_;
    const std::string draw_;
    PageCollector pages_;
    SectionCollector sections_;
};

}  // namespace

DocumentPages ReadOdtDocument(std::string_view bytes) {
    constexpr char kKind[] = "ODT";
    const ZipArchive archive = ZipArchive::OpenDocument(bytes, kKind);
    const std::string content =
        archive.ReadRequiredPart("content.xml", kMaxDocumentPartBytes, kKind);
    pugi::xml_document document;
    if (!ParseXml(document, content)) {
        throw DocumentProblemError(DocumentProblem::Damaged, kKind);
    }
    const pugi::xml_node root = document.document_element();
    const Prefixes ns(root);
    const pugi::xml_node text =
        root.child((ns.office + "body").c_str()).child((ns.office + "text").c_str());
    if (!QName(ns.office, "document-content").Names(root) || !text) {
        throw DocumentProblemError(DocumentProblem::NotThisKind, kKind);
    }

    StyleTable styles;
    // Named styles live in styles.xml; a broken or missing styles part only loses their breaks.
    const std::optional<std::string> stylesPart =
        archive.ReadOptionalPart("styles.xml", kMaxDocumentPartBytes, kKind);
    pugi::xml_document stylesDocument;
    if (stylesPart && ParseXml(stylesDocument, *stylesPart)) {
        const pugi::xml_node stylesRoot = stylesDocument.document_element();
        const Prefixes stylesNs(stylesRoot);
        styles.AddStylesOf(stylesRoot.child((stylesNs.office + "styles").c_str()), stylesNs);
        styles.AddMasterPagesOf(stylesRoot, stylesNs);
    }
    styles.AddStylesOf(root.child((ns.office + "automatic-styles").c_str()), ns);

    OdtWalker walker(ns, styles);
    walker.Block(text, 0);
    DocumentPages pages;
    pages.pages = walker.TakePages();
    NumberByOwnSections(pages, walker.TakeSections());
    return pages;
}

std::optional<DocumentPages> ReadOdtPages(std::string_view bytes) {
    return NothingOnProblem([&] { return ReadOdtDocument(bytes); });
}

Text ReadOdtBytes(std::string_view bytes, int pageLimit) {
    const std::optional<DocumentPages> pages = ReadOdtPages(bytes);
    return pages ? FormatDocumentPages(pages->pages, pages->numberLines, pageLimit) : Text();
}

}  // namespace lexorim
