#pragma once
// Turning an index that exists only as text ("Apfel 12, 15, 17") into index rows and index
// files, and the two lists of the editor that does it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/text_helpers.h"
#include "textfiles/text_writer.h"

namespace lexorim {

class LocaleCollator;

// What to do with a line whose entry part has several words.
enum class MultiWordEntry {
    AddToEntry,  // zus_eintrag: the words before the last part form the entry
    AddToPages,  // zus_seite: the words after the first are pages
    Ignore,      // zus_auslassen: the line does not convert
};

struct TextToIndexOptions {
    Text entrySeparator = u" ";  // zwes
    Text pageSeparator = u", ";  // zws
    bool linksPresent = false;   // cb_linksvorhanden
    Text linkSeparator = u">";   // zwsl
    bool pageBeforeLink = true;  // sl (else ls)
    MultiWordEntry multiWord = MultiWordEntry::AddToEntry;
};

// One row of the index list: the entry, its pages in display form ("12(-), 15(kapitel2.html)")
// and the text line it was made from (empty for rows read from an index file).
struct IndexRow {
    Text entry;
    Text pages;
    Text source;
    bool operator==(const IndexRow&) const = default;
};

// The display form of one page: "page(link)", or "page(-)" without a link.
Text FormatIndexPage(TextView page, const TextToIndexOptions& options);

// The row a text line makes, or nothing when the line does not convert.
std::optional<IndexRow> ConvertTextLine(TextView line, const TextToIndexOptions& options);

// The index file line of a row: "Apfel:12>-|15>-".
Text IndexRowFileLine(const IndexRow& row);
// The whole index file text, every line ended by CR LF.
Text IndexRowsFileText(const std::vector<IndexRow>& rows);

// Saves the rows as an index file under the name with ".idx" appended unless it contains
// ".idx", in the output encoding; gives the name written.
std::string SaveIndexRows(const std::vector<IndexRow>& rows, const std::string& chosenName,
                          const OutputSettings& output);

// The fixed file through which the editor hands its rows to the text or file index; the main
// window removes it when it closes.
std::filesystem::path TemporaryIndexFilePath();

// The rows of an index file's text: every line with a ":" that is not its last character.
std::vector<IndexRow> IndexRowsFromFileText(TextView text);

// The shared sort state of the two lists: a click on a header sorts by that column ascending,
// a second click on the same column reverses the direction.
struct ListSortState {
    size_t column = 0;
    bool ascending = true;
    void ClickColumn(size_t clicked);
};

// The lists of the editor and what its buttons do to them.
class TextToIndexLists {
  public:
    explicit TextToIndexLists(const LocaleCollator& collator) : collator_(collator) {}

    std::vector<Text> textRows;
    const std::vector<IndexRow>& indexRows() const { return indexRows_; }
    const ListSortState& sortState() const { return sort_; }

    // Every line of a loaded text as a row (the list emptied first when `replace`).
    void LoadText(TextView text, bool replace);
    // The rows of a loaded index file, placed in sort order (the list emptied first when
    // `replace`).
    void LoadIndex(TextView fileText, bool replace);
    void ClearIndex() { indexRows_.clear(); }
    void AddIndexRow(IndexRow row);
    // Deletes the rows at the positions (positions outside the list are passed over).
    void RemoveTextRows(std::vector<size_t> selected);
    void RemoveIndexRows(std::vector<size_t> selected);
    // The entry of one row edited in place; the row stays where it is until the next sort.
    void SetIndexEntry(size_t row, Text entry);

    // ">": converts the selected text rows (all when none is selected), from the last to the
    // first; converted rows move to the index list. Gives the rows that did not convert.
    std::vector<Text> ConvertToIndex(std::vector<size_t> selected, const TextToIndexOptions& o);
    // "<": the selected index rows go back to the text list, from the last to the first.
    void MoveBackToText(std::vector<size_t> selected);

    // Deletes every text row shorter than `minimumLength` when it is an integer.
    void RemoveShortLines(TextView minimumLength);
    // Deletes every text row that contains `part`; an empty part deletes nothing.
    void RemoveLinesContaining(TextView part);

    // A header click: sorts both lists by the column.
    void ClickColumn(size_t column);

  private:
    bool IndexRowLess(const IndexRow& a, const IndexRow& b) const;
    void SortIndex();
    void SortText();

    const LocaleCollator& collator_;
    std::vector<IndexRow> indexRows_;
    ListSortState sort_;
};

}  // namespace lexorim
