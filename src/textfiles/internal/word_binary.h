#pragma once
// The binary Word format (DOC, Word 6 and later): a compound file whose WordDocument stream
// starts with the file information block (FIB). Checked before the file goes to a reader,
// since both LibreOffice and antiword turn bytes they cannot read as Word into some text.

#include <cstdint>
#include <string_view>

namespace lexorim {

struct WordBinaryFacts {
    // Characters of the main text, its final paragraph mark included.
    uint32_t textLength = 0;
};

// What the FIB of a Word document tells. Throws DocumentProblemError: Damaged when the compound
// file or the FIB is broken or cut short, NotThisKind when the compound file holds no Word
// document (a spreadsheet saved under a .doc name), Encrypted when it is protected.
WordBinaryFacts InspectWordBinary(std::string_view bytes);

// True when the bytes start with the signature of a compound file.
bool HasCompoundFileSignature(std::string_view bytes);

}  // namespace lexorim
