#pragma once
// Page designations: short lines of a source text that carry its page numbers, read out into
// items such as "17 (40)" (designation "17" on the zero-based source line 40), and the editing
// rule that sorts such items by line number.

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

struct DesignationCriteria {
    Text maxLengthText = u"5";             // sz_laenge as typed: only shorter lines are examined
    int32_t maxLength = 5;                 // the number the settings read from it
    bool markerRequired = false;           // sz_zeichbeginn
    Text marker;                           // sz_zeichen
    bool removeMarker = true;              // sz_zeichenweg
    bool removeCharacters = true;          // sz_kuerzen
    bool standardCharacters = true;        // sz_bwstandard (blank and hyphen) / sz_bwdef
    Text customCharacters = u"- ( ) [ ]";  // sz_bwdefs
    bool numbersOnly = true;               // sz_nurzahl
    bool addValue = false;                 // cb_plus
    Text addValueText = u"1";              // cb_pluswert as typed
    int32_t addNumber = 1;                 // the number the settings read from it
    bool above = false;                    // posueber / posunter
};

// The designation items of the source lines, in line order.
std::vector<Text> ReadOutDesignations(const std::vector<TextView>& lines,
                                      const DesignationCriteria& criteria);

// An item split into its designation and its line number. The line number follows the last
// " (" of the item, so a designation that itself contains " (" stays whole.
struct DesignationItem {
    Text designation;
    std::optional<int64_t> lineNumber;
};
DesignationItem ParseDesignationItem(TextView item);
Text FormatDesignationItem(TextView designation, int64_t lineNumber);

// The edit dialog's sorting: keeps the lines made of a designation, " (", an integer and ")",
// normalises the number and sorts by it.
std::vector<Text> SortDesignationLines(const std::vector<TextView>& lines);

}  // namespace lexorim
