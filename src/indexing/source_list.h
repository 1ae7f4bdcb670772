#pragma once
// The source list of the file index and of the keyword index: one row per document with its
// name, link, format, encoding, size and path, kept in the order of the list's sort state.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

class LocaleCollator;

enum class SourceColumn { Name = 0, Link = 1, Format = 2, Encoding = 3, Size = 4, Source = 5 };
inline constexpr int kSourceColumnCount = 6;

struct SourceRow {
    Text name;      // Bezeichnung: the document's name beside each word
    Text link;      // Link: the link target written into the index
    Text format;    // Format: upper-case extension without the dot
    Text encoding;  // Kodierung: encoding name, or the format of a word-processor file
    Text sizeText;  // Größe: "12,345 KB" in the locale's number format
    Text source;    // Quelle: the path of the file that is read ("/" separated)
    uint64_t sizeBytes = 0;

    const Text& Column(SourceColumn column) const;
    Text& Column(SourceColumn column);

    bool operator==(const SourceRow&) const = default;
};

// The shared settings of adding rows (source options window).
struct SourceOptions {
    bool skipDuplicates = true;          // doppelteweg
    bool scanDroppedFiles = false;       // dadweitere
    bool linksWithoutExtension = false;  // endungenweg
    bool capitalizeNames = true;         // namengross
};

// Sort column, direction and the column clicked last; the list is always in this order.
struct SortState {
    SourceColumn column = SourceColumn::Name;
    bool descending = false;
    std::optional<SourceColumn> lastClicked;
};

class SourceList {
  public:
    // Sorts with the collation of `localeName` (empty: the environment's locale).
    explicit SourceList(const std::string& localeName = {});
    explicit SourceList(std::shared_ptr<const LocaleCollator> collator);
    ~SourceList();
    SourceList(const SourceList&);
    SourceList& operator=(const SourceList&);
    SourceList(SourceList&&) noexcept;
    SourceList& operator=(SourceList&&) noexcept;

    const std::vector<SourceRow>& rows() const { return rows_; }
    size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    const SortState& sortState() const { return sort_; }
    const LocaleCollator& collator() const { return *collator_; }

    // Places a complete row where the sort state puts it (after rows with an equal key).
    void Insert(SourceRow row);
    // True when some row reads exactly this path.
    bool ContainsSource(TextView path) const;

    // A click on a column header: the same column again flips the direction, another column
    // sorts ascending; then the list is re-sorted.
    void ClickHeader(SourceColumn column);
    // An edited name moves its row to its sorted place.
    void Rename(size_t row, Text name);
    // Sets one column of one row without moving it (the source options memo).
    void SetColumn(size_t row, SourceColumn column, Text value);
    // Re-sorts by the current sort state (equal keys keep their order).
    void Resort();

    // Removes the rows at these positions (from the last to the first); others are ignored.
    void DeleteRows(std::vector<size_t> positions);
    void DeleteAll() { rows_.clear(); }

    // True when `a` belongs before `b` in the current order.
    bool Before(const SourceRow& a, const SourceRow& b) const;

  private:
    std::shared_ptr<const LocaleCollator> collator_;
    std::vector<SourceRow> rows_;
    SortState sort_;
};

// The first character and every character after a blank upper-cased.
Text CapitalizeWords(TextView text);

// The size column: bytes / 1024 with the locale's separators, three decimals (rounded to at most
// eight significant digits) and " KB".
Text FileSizeText(uint64_t bytes, const std::string& localeName = {});

// The extension of a path's file name: from its last "." on, dot included; empty without one.
Text FileExtensionOf(TextView path);

// Adds one file as a row. Returns false when nothing was added (a duplicate path).
bool AddSourceFile(SourceList& list, TextView path, const SourceOptions& options);

// What a scan did: the rows it added and how the file index's tag removal follows the type of
// the scanned document (nothing: left as it is).
struct ScanResult {
    size_t added = 0;
    std::optional<bool> removeHtml;
};

// A link of an HTML document: the anchor's "href" with its character references decoded and
// blanks and controls trimmed, and the anchor's text content as plain text (nested tags removed,
// references decoded, white space collapsed).
struct DocumentLink {
    Text target;
    Text text;
};

// The links of an HTML text: every "<a" followed by white space, with its attributes in any
// order, "href" in any case and its value in double, single or no quotes. An anchor's text ends
// at its "</a>", at the next anchor or at the end of the text. Reads the text once, whatever it
// holds.
std::vector<DocumentLink> FindDocumentLinks(TextView text);

// The file part of a link target, without its query and fragment; nothing when the link leaves
// the site (a scheme such as "http:" or "mailto:", or "//host") or names no file ("#top").
std::optional<TextView> LocalFileOfLink(TextView target);

// Adds the existing local files that the document links to (FindDocumentLinks). A row's name is
// the link text, its link the local file part of the target (percent escapes kept); the file is
// looked for with its percent escapes decoded. Reads the document through ReadTextFile; its read
// errors propagate.
ScanResult ScanDocumentLinks(SourceList& list, TextView documentPath, const SourceOptions& options);

// The scan over a document's text that is already read (the scan itself, for tests and
// benchmarks).
ScanResult ScanLinksInText(SourceList& list, TextView text, TextView documentPath,
                           const SourceOptions& options);

// How tag removal follows a scanned document: on for ".htm", ".html", ".php" (and their
// beginnings), off for ".txt", ".tx", ".t", unchanged otherwise.
std::optional<bool> HtmlRemovalForDocument(TextView documentPath);

// The row of a file as AddSourceFile would make it (name and link from the file name).
SourceRow MakeSourceRow(TextView path, const SourceOptions& options, const std::string& localeName);

// Files dropped onto a list: folders and unreadable paths are skipped, each file is added and,
// with `scanDroppedFiles`, scanned. Returns the tag-removal switch of the last scan.
std::optional<bool> AddDroppedFiles(SourceList& list, const std::vector<Text>& paths,
                                    const SourceOptions& options);

// The six columns of a row separated by tabs.
Text SourceRowLine(const SourceRow& row);

}  // namespace lexorim
