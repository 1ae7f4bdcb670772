#pragma once
// The result lines of the keyword index: per document its name and/or file name and its words,
// framed by the characters of the design window or the standard ones.

#include <vector>

#include "engine/language.h"
#include "engine/text_helpers.h"

namespace lexorim {

// Tsdesign; the defaults are the window's defaults.
struct KeywordDesign {
    Text lineStart = u"";            // v
    Text betweenNameAndLink = u" ";  // zwdl
    Text afterEntry = u":  ";        // zw
    Text betweenWords = u", ";       // zwe
    Text lineEnd = u"";              // ne
    bool showName = false;           // bez
    bool showLink = true;            // dateiname
    bool emptyLine = true;           // leerzeile
};

// The characters used while the custom design is off (": " after the entry).
KeywordDesign StandardKeywordDesign();

struct KeywordDocument {
    Text name;  // Bezeichnung
    Text link;  // Link
    std::vector<Text> words;
};

struct KeywordOutputOptions {
    bool combinedWords = true;    // stw_zus: "&" in words shown as blanks
    bool underEachOther = false;  // stw_untereinander
    bool alphabetical = true;     // stw_alphabetisch
    bool useDesign = false;       // stw_design
    KeywordDesign design;         // Tsdesign
    // Threads that sort and write the lines; 0 for all cores. The output does not depend on it.
    unsigned threads = 0;
};

// One line per document (and an empty line after it when chosen); every line ends with CR LF.
// The documents' word lists are sorted and emptied on the way.
Text WriteKeywordOutput(std::vector<KeywordDocument>& documents,
                        const KeywordOutputOptions& options);

// The preview of Tsdesign ("Vorschau: datei.txt:  Stichwort1, Stichwort2").
Text KeywordDesignPreview(const KeywordDesign& design, Language language);

}  // namespace lexorim
