#include "fileindex/file_index_design.h"

namespace lexorim {

FileTextDesign StandardFileTextDesign() {
    FileTextDesign design;
    design.afterWord = u":    ";
    design.beforeLink = u"[";
    return design;
}

HtmlDesign StandardHtmlDesign() {
    HtmlDesign design;
    design.headingSize = u"24px";
    design.sectionSize = u"16px";
    design.textSize = u"12px";
    return design;
}

FileTextDesign EffectiveTextDesign(const FileTextDesign& window, bool useDesign) {
    if (useDesign)
        return window;
    FileTextDesign design = StandardFileTextDesign();
    design.headings = window.headings;
    design.names = window.names;
    design.links = window.links;
    return design;
}

HtmlDesign EffectiveHtmlDesign(const HtmlDesign& window, bool useDesign) {
    if (useDesign)
        return window;
    HtmlDesign design = StandardHtmlDesign();
    design.headings = window.headings;
    design.navigationBar = window.navigationBar;
    return design;
}

Text AddPxUnit(TextView value) {
    if (value.find(u'%') != TextView::npos || value.find(u"px") != TextView::npos)
        return Text(value);
    Text result(value);
    if (IsIntegerText(value))
        result += u"px";
    return result;
}

Text FormatHtmlColour(RgbColour colour) {
    static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
    Text text = u"#";
    for (const uint8_t component : {colour.red, colour.green, colour.blue}) {
        text += kDigits[component >> 4];
        text += kDigits[component & 15];
    }
    return text;
}

std::optional<RgbColour> ParseHtmlColour(TextView text) {
    if (!text.empty() && text.front() == u'#')
        text.remove_prefix(1);
    uint8_t components[3] = {};
    for (size_t i = 0; i < 3; ++i) {
        const TextView field = text.substr(std::min(text.size(), 2 * i), 2);
        if (field.empty())
            return std::nullopt;
        int value = 0;
        for (const char16_t c : field) {
            const int digit = HexDigitValue(c);
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + digit;
        }
        components[i] = static_cast<uint8_t>(value);
    }
    return RgbColour{components[0], components[1], components[2]};
}

Text TextDesignPreview(const FileTextDesign& design, Language language) {
    const TextView nameWord = Choose(language, u"Bezeichung", u"Synonym");
    Text preview(Choose(language, u"Vorschau: Eintrag", u"Preview: Entry"));
    preview += design.afterWord;
    for (const TextView number : {TextView(u"1"), TextView(u"2")}) {
        if (number == u"2")
            preview += design.betweenReferences;
        if (design.names) {
            preview.append(design.beforeName).append(nameWord).append(number);
        }
        if (design.links) {
            preview.append(design.beforeLink)
                .append(u"Link")
                .append(number)
                .append(design.afterLink);
        }
    }
    return preview;
}

Text LinkSeparatorLabel(TextView separator, Language language) {
    Text label(Choose(language, u"Zeichen zwischen den Links", u"Character Between Links"));
    label.append(u" \"").append(separator).append(u"\"");
    return label;
}

}  // namespace lexorim
