#include "textindex/empty_result_hints.h"

#include <algorithm>

namespace lexorim {

Text HintNoPageDesignations(Language language) {
    return Text(Choose(
        language,
        u"Hinweis: Im Text wurden keine Seitenzahlen gefunden, daher hat der Index keine "
        u"Seiten. Wählen Sie \"Jede Zeile ist eine Seite\" oder passen Sie die Kriterien der "
        u"Seitenzahlen an (Zeilenlänge, vorausgehendes Zeichen).",
        u"Note: No page numbers were found in the text, so the index has no pages. Choose "
        u"\"Every Line is a New Page\" or adjust the criteria of the page numbers (length of "
        u"lines, preceding character)."));
}

Text HintDocumentWithoutText(Language language) {
    return Text(Choose(language,
                       u"Hinweis: Das Dokument enthält keinen Text, daher ist der Index leer. "
                       u"Ist es eine eingescannte Datei ohne Textebene, erzeugen Sie diese "
                       u"zuerst mit einer Texterkennung.",
                       u"Note: The document holds no text, so the index is empty. If it is a "
                       u"scan without a text layer, create one first with text recognition."));
}

std::optional<Text> EmptyResultHint(const EmptyResultFacts& facts, Language language) {
    if (facts.isDocument && !facts.sourceHasText) {
        return HintDocumentWithoutText(language);
    }
    if (!facts.lineMode && !facts.isDocument && facts.sourceHasText &&
        facts.designationCount == 0) {
        return HintNoPageDesignations(language);
    }
    return std::nullopt;
}

bool HasTextBesidesLines(TextView text, const std::vector<int64_t>& skippedLines) {
    // Mostly the first line tells, so the lines are looked at one by one, not cut up all first.
    int64_t index = -1;
    return AnyLine(text, [&](TextView line) {
        ++index;
        return !std::binary_search(skippedLines.begin(), skippedLines.end(), index) &&
               !TrimBlanksAndControls(line).empty();
    });
}

}  // namespace lexorim
