#pragma once
// The options of a clean first draft of an index. Each goes past the plain rules of the three
// indexes and is off unless the user switches it on, so that an index made without them stays
// exactly as it was.

#include <cstdint>
#include <string>

#include "engine/text_helpers.h"

namespace lexorim {

struct DraftOptions {
    // Pages.
    bool leaveOutRunningHeads = false;   // lines recurring at the top or foot of many pages
    bool leaveOutContentsPages = false;  // contents pages and the book's own index pages
    Text pageRange;                      // only pages with these labels ("iii-xii, 1-248")
    bool printedPageNumbers = false;     // a PDF without labels takes its printed numbers
    bool offsetForDocuments = false;     // the page offset applies to documents' pages too

    // Words.
    bool languageStopWords = false;       // the stop and caption words of the book's language
    std::string language = "auto";        // "auto" detects it from the text; else "de", "en", ...
    bool technicalTerms = false;          // recurring lower-case words no dictionary knows stay
    bool mergeWordForms = false;          // inflected forms under the form the book uses most
    bool mergeCaseVariants = false;       // spellings that differ in case under the most used one
    bool headingsFirst = false;           // a heading sorts before every line that continues it
    bool dropRepeatedExpansions = false;  // "Advanced; Advanced Configuration" is left out
    bool keepShortWordsInNames = false;   // "Absolutely No Warranty" keeps its "No"

    // File and keyword index.
    bool rankKeywords = false;  // each document's most characteristic words, at most:
    int32_t keywordCount = 15;
    bool leaveOutCommonWords = false;  // words on at least this share of the documents:
    int32_t commonWordPercent = 80;

    bool AnyOn() const;
    bool operator==(const DraftOptions&) const = default;
};

// Every option switched on, the values (range, language, counts) kept.
DraftOptions WithEveryDraftOption(DraftOptions options);

}  // namespace lexorim
