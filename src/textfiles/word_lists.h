#pragma once
// The negative and the positive word list: one entry per line, stored as neg.txt and pos.txt in
// the program's folder, with built-in lists for when a file does not exist. Also the list
// operations of the word-list windows and of the two tools that move index words into a list.

#include <filesystem>
#include <vector>

#include "engine/language.h"
#include "engine/text_helpers.h"
#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"

namespace lexorim {

class IndexStore;
class LocaleCollator;

// The lines of a list, used as they stand: no trimming, no case folding, duplicates and empty
// lines kept.
using WordList = std::vector<Text>;

inline constexpr const char* kNegativeListFileName = "neg.txt";
inline constexpr const char* kPositiveListFileName = "pos.txt";

// The lines of a list's text, cut at CR LF, CR or LF; a line break at the very end starts no
// further line, so an empty text is an empty list.
WordList WordListFromText(TextView text);

// The text a list window holds for these lines: the lines joined by CR LF. When the last line is
// empty its line break is written too, so that the text reads back to the same lines.
Text WordListText(const WordList& list);

// Loading a file into a list in append mode: the old text, CR LF, the new text.
Text AppendListText(TextView oldText, TextView newText);

// The list in `path` when a file (not a folder) of that name exists, read in whatever encoding
// it has; `builtIn` when it does not exist. A file that exists but cannot be read throws the
// UserError of ReadTextFile.
WordList LoadWordListFile(const std::filesystem::path& path, const WordList& builtIn,
                          const ReadContext& context = {});

std::filesystem::path NegativeListPath();  // neg.txt in the program's folder
std::filesystem::path PositiveListPath();  // pos.txt in the program's folder

// The lists as the program starts with them. When the file exists but cannot be read, its error
// goes to `reportError` and the built-in list is used; without a callback the error is thrown.
WordList LoadNegativeList(const MessageCallback& reportError = {});
WordList LoadPositiveList(const MessageCallback& reportError = {});

// Writes the list's text (WordListText) in the output encoding; throws the UserError of
// WriteTextFile when the file cannot be written.
void SaveWordList(const WordList& list, const std::filesystem::path& path,
                  const OutputSettings& settings);

// The tools' "Sortieren": ascending by the locale's collation ignoring case, empty lines first,
// duplicates kept, lines that compare equal in their old order.
WordList SortWordListLines(WordList lines, const LocaleCollator& collator);

// The words of every entry of the store (all 27 buckets), sorted by the collation ignoring case:
// the index word list of the tools.
WordList IndexWordList(const IndexStore& store, const LocaleCollator& collator);

// The tools' ">": walks the index words from the last to the first, appends every selected one
// to `target` and takes it out of `indexWords`; then sorts `target`. `selected` has one flag per
// index word (missing flags count as not selected).
void MoveSelectedWords(WordList& indexWords, const std::vector<bool>& selected, WordList& target,
                       const LocaleCollator& collator);

}  // namespace lexorim
