#include "keywordindex/keyword_output.h"

#include <algorithm>

#include "engine/ordered_parallel.h"
#include "keywordindex/keyword_order.h"

namespace lexorim {

KeywordDesign StandardKeywordDesign() {
    KeywordDesign design;
    design.afterEntry = u": ";
    return design;
}

namespace {

Text WordsText(std::vector<Text>& words, const KeywordOutputOptions& options,
               TextView betweenWords) {
    if (options.combinedWords) {
        for (Text& word : words)
            std::replace(word.begin(), word.end(), u'&', u' ');
    }
    if (options.alphabetical && !words.empty())
        SortKeywords(words);
    Text text;
    for (const Text& word : words) {
        if (TrimBlanksAndControls(word).empty())
            continue;
        text.append(word).append(betweenWords);
    }
    // The separator after the last word goes.
    if (text.size() >= betweenWords.size())
        text.resize(text.size() - betweenWords.size());
    return text;
}

// The line of one document (and the empty line after it when chosen); its words are sorted and
// emptied on the way.
Text DocumentLine(KeywordDocument& document, const KeywordOutputOptions& options,
                  const KeywordDesign& design) {
    const Text words = WordsText(document.words, options, design.betweenWords);
    Text line = design.lineStart;
    if (design.showName)
        line += document.name;
    if (design.showName && design.showLink)
        line += design.betweenNameAndLink;
    if (design.showLink)
        line += document.link;
    line.append(design.afterEntry).append(words).append(design.lineEnd).append(kCrLf);
    if (design.emptyLine)
        line += kCrLf;
    std::vector<Text>().swap(document.words);
    return line;
}

}  // namespace

Text WriteKeywordOutput(std::vector<KeywordDocument>& documents,
                        const KeywordOutputOptions& options) {
    KeywordDesign design = options.useDesign ? options.design : StandardKeywordDesign();
    if (!options.useDesign && options.underEachOther)
        design.betweenWords.clear();
    if (options.underEachOther)
        design.betweenWords += kCrLf;

    Text out;
    ForEachInOrder<Text>(
        documents.size(), options.threads == 0 ? AllCores() : options.threads,
        [&](size_t i) { return DocumentLine(documents[i], options, design); },
        [&out](size_t, Text&& line) { out += line; });
    documents.clear();
    return out;
}

Text KeywordDesignPreview(const KeywordDesign& design, Language language) {
    Text p = design.lineStart;
    if (design.showName)
        p += u"Dateiname";
    if (design.showName && design.showLink)
        p += design.betweenNameAndLink;
    if (design.showLink)
        p += u"datei.txt";
    p.append(design.afterEntry).append(Choose(language, u"Stichwort1", u"Keyword1"));
    p.append(design.betweenWords).append(Choose(language, u"Stichwort2", u"Keyword2"));
    p += design.lineEnd;
    return Text(Choose(language, u"Vorschau: ", u"Preview: ")) + p;
}

}  // namespace lexorim
