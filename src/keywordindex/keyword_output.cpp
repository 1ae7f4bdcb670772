#include "keywordindex/keyword_output.h"

#include <algorithm>

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

}  // namespace

Text WriteKeywordOutput(std::vector<KeywordDocument>& documents,
                        const KeywordOutputOptions& options) {
    KeywordDesign design = options.useDesign ? options.design : StandardKeywordDesign();
    if (!options.useDesign && options.underEachOther)
        design.betweenWords.clear();
    if (options.underEachOther)
        design.betweenWords += kCrLf;

    Text out;
    for (KeywordDocument& document : documents) {
        const Text words = WordsText(document.words, options, design.betweenWords);
        out += design.lineStart;
        if (design.showName)
            out += document.name;
        if (design.showName && design.showLink)
            out += design.betweenNameAndLink;
        if (design.showLink)
            out += document.link;
        out.append(design.afterEntry).append(words).append(design.lineEnd).append(kCrLf);
        if (design.emptyLine)
            out += kCrLf;
        document.words.clear();
    }
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
