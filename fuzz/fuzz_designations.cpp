// Page designations from arbitrary text and criteria: the first bytes choose the criteria, the
// rest is the source. Every item reads back as its designation and its line number, the line
// numbers rise, and only lines shorter than the maximum length give items.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "textfiles/text_reader.h"
#include "textindex/page_designations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lexorim;
    if (size < 3) {
        return 0;
    }
    const uint8_t flags = data[0];
    DesignationCriteria criteria;
    criteria.maxLength = static_cast<int>(data[1] % 12) - 2;
    criteria.markerRequired = (flags & 1) != 0;
    criteria.marker = (flags & 2) != 0 ? u"S." : u"-";
    criteria.removeMarker = (flags & 4) != 0;
    criteria.removeCharacters = (flags & 8) != 0;
    criteria.standardCharacters = (flags & 16) != 0;
    criteria.numbersOnly = (flags & 32) != 0;
    criteria.addValue = (flags & 64) != 0;
    criteria.addNumber = (flags & 128) != 0 ? 2147483647 : data[2] % 5;
    criteria.above = (data[2] & 128) != 0;

    Text text;
    try {
        text =
            DecodeDetectedText(std::string_view(reinterpret_cast<const char*>(data) + 3, size - 3));
    } catch (const InvalidUtf7&) {
        return 0;
    }
    const std::vector<TextView> lines = SplitLines(text);
    const std::vector<Text> items = ReadOutDesignations(lines, criteria);
    int64_t previous = -1;
    for (const Text& item : items) {
        const DesignationItem parsed = ParseDesignationItem(item);
        FUZZ_CHECK(parsed.lineNumber.has_value());
        FUZZ_CHECK(*parsed.lineNumber > previous);
        FUZZ_CHECK(*parsed.lineNumber < static_cast<int64_t>(lines.size()));
        FUZZ_CHECK(FormatDesignationItem(parsed.designation, *parsed.lineNumber) == item);
        previous = *parsed.lineNumber;
    }
    return 0;
}
