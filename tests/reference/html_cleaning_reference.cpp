#include "reference/html_cleaning_reference.h"

namespace lexorim::reference {

namespace {

// Its own plain replace-all, so that a fault in the product helper cannot hide in both versions.
Text ReplaceEvery(const Text& text, const Text& pattern, const Text& replacement) {
    if (text.empty() || pattern.empty() || pattern == replacement) {
        return text;
    }
    Text result;
    size_t from = 0;
    while (true) {
        const size_t hit = text.find(pattern, from);
        if (hit == Text::npos) {
            break;
        }
        result += text.substr(from, hit - from);
        result += replacement;
        from = hit + pattern.size();
    }
    result += text.substr(from);
    return result;
}

// Position of the first occurrence counted from 1; 0 when absent.
size_t FirstPosition(const Text& text, char16_t c) {
    const size_t index = text.find(c);
    return index == Text::npos ? 0 : index + 1;
}

}  // namespace

Text RemoveHtmlTags(TextView input) {
    Text text(input);
    const Text replacement = u" . ";
    while (true) {
        const size_t l = FirstPosition(text, u'<');
        const size_t r = FirstPosition(text, u'>');
        if (l == 0 || r == 0) {
            return text;
        }
        if (r < l) {
            text = ReplaceEvery(text, u">", replacement);
            continue;
        }
        const Text tag = text.substr(l - 1, r - l + 1);
        text = ReplaceEvery(text, tag, replacement);
    }
}

}  // namespace lexorim::reference
