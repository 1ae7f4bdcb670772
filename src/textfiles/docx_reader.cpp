// DOCX documents read from the main document part. Word does not store where its pages end;
// the page breaks come from the breaks the author inserted, from section starts and from the
// page starts that Word recorded when it last laid the document out.

#include <algorithm>
#include <pugixml.hpp>

#include "textfiles/document_error.h"
#include "textfiles/internal/document_pages.h"
#include "textfiles/internal/document_readers.h"
#include "textfiles/internal/xml_names.h"
#include "textfiles/internal/zip_archive.h"

namespace lexorim {

namespace {

constexpr std::string_view kWordNamespace =
    "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
constexpr std::string_view kStrictWordNamespace =
    "http://purl.oclc.org/ooxml/wordprocessingml/main";
constexpr std::string_view kCompatibilityNamespace =
    "http://schemas.openxmlformats.org/markup-compatibility/2006";

// Nesting deeper than this is not followed; real documents stay far below it.
constexpr int kMaxDepth = 200;

constexpr char kKind[] = "DOCX";

// The main document part named by the package relationships, or Word's usual name.
std::string MainPartName(const ZipArchive& archive) {
    const std::string fallback = "word/document.xml";
    const std::optional<std::string> rels =
        archive.ReadOptionalPart("_rels/.rels", kMaxDocumentPartBytes, kKind);
    if (!rels) {
        return fallback;
    }
    pugi::xml_document document;
    if (!ParseXml(document, *rels)) {
        return fallback;
    }
    for (const pugi::xml_node& relationship : document.document_element().children()) {
        const std::string_view type = relationship.attribute("Type").value();
        const std::string_view target = relationship.attribute("Target").value();
        if (type.ends_with("/officeDocument") && !target.empty()) {
            return std::string(target.starts_with('/') ? target.substr(1) : target);
        }
    }
    return fallback;
}

// "On" unless w:val says off.
bool IsOn(const pugi::xml_node& element, const QName& val) {
    if (!element) {
        return false;
    }
    const std::string_view value = element.attribute(val.c_str()).value();
    return value != "0" && value != "false" && value != "off";
}

class DocxWalker {
  public:
    DocxWalker(const std::string& w, const std::string& mc)
        : p_(w, "p"),
          r_(w, "r"),
          t_(w, "t"),
          tab_(w, "tab"),
          ptab_(w, "ptab"),
          br_(w, "br"),
          cr_(w, "cr"),
          noBreakHyphen_(w, "noBreakHyphen"),
          lastRenderedPageBreak_(w, "lastRenderedPageBreak"),
          tr_(w, "tr"),
          tc_(w, "tc"),
          del_(w, "del"),
          moveFrom_(w, "moveFrom"),
          txbxContent_(w, "txbxContent"),
          pPr_(w, "pPr"),
          pageBreakBefore_(w, "pageBreakBefore"),
          sectPr_(w, "sectPr"),
          pgNumType_(w, "pgNumType"),
          fmt_(w, "fmt"),
          start_(w, "start"),
          type_(w, "type"),
          val_(w, "val"),
          alternateContent_(mc, "AlternateContent"),
          fallback_(mc, "Fallback") {}

    void Block(const pugi::xml_node& container, int depth) {
        if (depth > kMaxDepth) {
            return;
        }
        for (const pugi::xml_node& child : container.children()) {
            if (child.type() != pugi::node_element || IsPropertyElement(child) || Skipped(child)) {
                continue;
            }
            if (p_.Names(child)) {
                Paragraph(child, depth + 1);
            } else if (tr_.Names(child)) {
                TableRow(child, depth + 1);
            } else if (tc_.Names(child)) {
                TableCell(child, depth + 1);
            } else if (alternateContent_.Names(child)) {
                Block(child.child(fallback_.c_str()), depth + 1);
            } else {
                Block(child, depth + 1);  // tables, cells, content controls, inserted blocks
            }
        }
    }

    std::vector<Text> TakePages() { return pages_.TakePages(); }
    size_t renderedBreaks() const { return renderedBreaks_; }

    // Ends the section being read with the section properties that close it.
    void EndSection(const pugi::xml_node& sectionProperties) {
        const pugi::xml_node numbering = sectionProperties.child(pgNumType_.c_str());
        NumberingSection& section = sections_.current();
        section.format =
            PageNumberFormatNamed(numbering.attribute(fmt_.c_str()).value(),
                                  {"lowerRoman", "upperRoman", "lowerLetter", "upperLetter"});
        const pugi::xml_attribute start = numbering.attribute(start_.c_str());
        if (start) {
            section.start = start.as_llong(1);
        }
        sections_.EndSection();
    }
    std::vector<NumberingSection> TakeSections() { return sections_.Take(); }

  private:
    struct ParagraphState {
        // A page break that was met in the paragraph; it takes effect before the next text of
        // the paragraph, or after its paragraph mark when no text follows, because Word keeps
        // the mark on the page that the break ends.
        bool breakPending = false;
    };

    bool Skipped(const pugi::xml_node& node) const {
        // Deleted revisions are not text; text boxes are not part of the main text flow.
        return del_.Names(node) || moveFrom_.Names(node) || txbxContent_.Names(node);
    }

    // Word records a page start in every cell of a row that continues on the next page, so
    // the row moves to a new page only as often as its cell with the most recorded starts.
    void TableRow(const pugi::xml_node& row, int depth) {
        int rowBreaks = 0;
        int* const outerRow = rowBreaks_;
        rowBreaks_ = &rowBreaks;
        Block(row, depth);
        rowBreaks_ = outerRow;
    }

    void TableCell(const pugi::xml_node& cell, int depth) {
        const int outerCell = cellBreaks_;
        cellBreaks_ = 0;
        Block(cell, depth);
        cellBreaks_ = outerCell;
    }

    void Paragraph(const pugi::xml_node& paragraph, int depth) {
        const pugi::xml_node properties = paragraph.child(pPr_.c_str());
        if (IsOn(properties.child(pageBreakBefore_.c_str()), val_)) {
            pages_.SoftBreak();
        }
        ParagraphState state;
        Inline(paragraph, state, depth);
        pages_.Append(kParagraphMark);
        if (state.breakPending) {
            pages_.HardBreak();
        }
        const pugi::xml_node sectionProperties = properties.child(sectPr_.c_str());
        if (sectionProperties) {
            EndSection(sectionProperties);
        }
        if (EndsSectionWithNewPage(sectionProperties)) {
            pages_.SoftBreak();
        }
    }

    bool EndsSectionWithNewPage(const pugi::xml_node& sectionProperties) const {
        if (!sectionProperties) {
            return false;
        }
        const std::string_view type =
            sectionProperties.child(type_.c_str()).attribute(val_.c_str()).value();
        return type.empty() || type == "nextPage" || type == "oddPage" || type == "evenPage";
    }

    void Inline(const pugi::xml_node& container, ParagraphState& state, int depth) {
        if (depth > kMaxDepth) {
            return;
        }
        for (const pugi::xml_node& child : container.children()) {
            if (child.type() != pugi::node_element || IsPropertyElement(child) || Skipped(child)) {
                continue;
            }
            if (r_.Names(child)) {
                Run(child, state);
            } else if (alternateContent_.Names(child)) {
                Inline(child.child(fallback_.c_str()), state, depth + 1);
            } else {
                Inline(child, state, depth + 1);  // hyperlinks, fields, insertions, controls
            }
        }
    }

    void Run(const pugi::xml_node& run, ParagraphState& state) {
        for (const pugi::xml_node& item : run.children()) {
            if (t_.Names(item)) {
                AppendText(state, TextOfElement(item));
            } else if (tab_.Names(item) || ptab_.Names(item)) {
                AppendText(state, u"\t");
            } else if (br_.Names(item)) {
                if (std::string_view(item.attribute(type_.c_str()).value()) == "page") {
                    PageBreak(state);
                } else {
                    AppendText(state, u"\r");  // line and column breaks
                }
            } else if (cr_.Names(item)) {
                AppendText(state, u"\r");
            } else if (noBreakHyphen_.Names(item)) {
                AppendText(state, u"-");
            } else if (lastRenderedPageBreak_.Names(item)) {
                RenderedBreak(state);
            }
            // Deleted text, field codes, drawings and footnote marks are not text.
        }
    }

    static Text TextOfElement(const pugi::xml_node& element) {
        Text text = FromUtf8(element.text().get());
        for (char16_t& c : text) {
            if (c == u'\r' || c == u'\n') {
                c = u' ';
            }
        }
        return text;
    }

    void AppendText(ParagraphState& state, TextView text) {
        if (text.empty()) {
            return;
        }
        if (state.breakPending) {
            pages_.HardBreak();
            state.breakPending = false;
        }
        sections_.NoteText(text, pages_.PageOfNextContent());
        pages_.Append(text);
    }

    void PageBreak(ParagraphState& state) {
        if (state.breakPending) {
            pages_.HardBreak();
        }
        state.breakPending = true;
    }

    void RenderedBreak(ParagraphState& state) {
        ++renderedBreaks_;
        if (rowBreaks_ != nullptr) {
            ++cellBreaks_;
            if (cellBreaks_ <= *rowBreaks_) {
                return;
            }
            ++*rowBreaks_;
        }
        if (state.breakPending) {
            // The page start that Word recorded right after an inserted break is that break.
            pages_.HardBreak();
            state.breakPending = false;
            return;
        }
        pages_.SoftBreak();
    }

    const QName p_, r_, t_, tab_, ptab_, br_, cr_, noBreakHyphen_, lastRenderedPageBreak_, tr_, tc_,
        del_, moveFrom_, txbxContent_, pPr_, pageBreakBefore_, sectPr_, pgNumType_, fmt_, start_,
        type_, val_, alternateContent_, fallback_;
    PageCollector pages_;
    int* rowBreaks_ = nullptr;  // the breaks taken in the innermost table row being read
    int cellBreaks_ = 0;
    size_t renderedBreaks_ = 0;
    SectionCollector sections_;
};

// What Word stated about the document when it last saved it (docProps/app.xml).
struct StatedStatistics {
    std::optional<size_t> pages;
    std::optional<size_t> words;
};

// Other programs store counts they never laid out, or none, so only Word's own counts are
// taken.
StatedStatistics StatisticsStatedByWord(const ZipArchive& archive) {
    const std::optional<std::string> part =
        archive.ReadOptionalPart("docProps/app.xml", kMaxDocumentPartBytes, kKind);
    pugi::xml_document document;
    if (!part || !ParseXml(document, *part)) {
        return {};
    }
    std::string_view application;
    StatedStatistics stated;
    for (const pugi::xml_node& child : document.document_element().children()) {
        const std::string_view name = LocalName(child.name());
        const long long count = child.text().as_llong(-1);
        if (name == "Application") {
            application = child.text().get();
        } else if (name == "Pages" && count > 0) {
            stated.pages = static_cast<size_t>(count);
        } else if (name == "Words" && count >= 0) {
            stated.words = static_cast<size_t>(count);
        }
    }
    return application.starts_with("Microsoft") ? stated : StatedStatistics{};
}

size_t CountBlankSeparatedWords(const std::vector<Text>& pages) {
    size_t words = 0;
    for (const Text& page : pages) {
        bool inWord = false;
        for (const char16_t c : page) {
            const bool blank = c <= u' ' || c == u'\u00A0';
            words += !blank && !inWord;
            inWord = !blank;
        }
    }
    return words;
}

// The stated page count, when the statistics beside it describe this text. Some converters
// copy a template's statistics ("Microsoft Word", one page, 83 words) into every document
// they write; their page count says nothing about the document.
std::optional<size_t> TrustedPageCount(const StatedStatistics& stated,
                                       const std::vector<Text>& pages) {
    if (!stated.pages || !stated.words) {
        return stated.pages;
    }
    const size_t counted = CountBlankSeparatedWords(pages);
    const size_t difference =
        counted > *stated.words ? counted - *stated.words : *stated.words - counted;
    return difference <= std::max<size_t>(20, counted / 10) ? stated.pages : std::nullopt;
}

}  // namespace

DocumentPages ReadDocxDocument(std::string_view bytes) {
    const ZipArchive archive = ZipArchive::OpenDocument(bytes, kKind);
    const std::string part =
        archive.ReadRequiredPart(MainPartName(archive), kMaxDocumentPartBytes, kKind);
    pugi::xml_document document;
    if (!ParseXml(document, part)) {
        throw DocumentProblemError(DocumentProblem::Damaged, kKind);
    }
    const pugi::xml_node root = document.document_element();
    const std::string w = NamespacePrefix(root, {kWordNamespace, kStrictWordNamespace}, "w:");
    const std::string mc = NamespacePrefix(root, {kCompatibilityNamespace}, "mc:");
    const pugi::xml_node body = root.child(QName(w, "body").c_str());
    if (!QName(w, "document").Names(root) || !body) {
        throw DocumentProblemError(DocumentProblem::NotThisKind, kKind);
    }
    DocxWalker walker(w, mc);
    walker.Block(body, 0);
    // The last section is closed by the properties at the end of the body.
    walker.EndSection(body.child(QName(w, "sectPr").c_str()));
    DocumentPages pages;
    pages.pages = walker.TakePages();
    NumberByOwnSections(pages, walker.TakeSections());
    pages.statedPageCount = TrustedPageCount(StatisticsStatedByWord(archive), pages.pages);
    pages.recordedPageStarts = walker.renderedBreaks();
    return pages;
}

std::optional<DocumentPages> ReadDocxPages(std::string_view bytes) {
    return NothingOnProblem([&] { return ReadDocxDocument(bytes); });
}

Text ReadDocxBytes(std::string_view bytes, int pageLimit) {
    const std::optional<DocumentPages> pages = ReadDocxPages(bytes);
    return pages ? FormatDocumentPages(pages->pages, pages->numberLines, pageLimit) : Text();
}

}  // namespace lexorim
