#include "textindex/text_index_design.h"

namespace lexorim {

Text DesignPreview(const TextIndexDesign& design, Language language) {
    Text preview(Choose(language, u"Vorschau: Eintrag", u"Preview: Item"));
    preview += design.wordSeparator;
    preview += u"17";
    for (const TextView page : {u"38", u"69", u"193"}) {
        preview += design.pageSeparator;
        preview += page;
    }
    return preview;
}

Text QuotedSeparator(TextView separator) {
    Text quoted = u"\"";
    quoted += separator;
    quoted += u"\"";
    return quoted;
}

}  // namespace lexorim
