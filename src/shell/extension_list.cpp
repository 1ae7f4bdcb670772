#include "shell/extension_list.h"

namespace lexorim {

namespace {

bool IsForbiddenInExtension(char16_t c) {
    return TextView(u"<>\\/|:?\"* ").find(c) != TextView::npos;
}

bool IsUsableExtension(TextView piece) {
    if (piece.size() <= 1 || piece.front() != u'.')
        return false;
    for (const char16_t c : piece.substr(1)) {
        if (IsForbiddenInExtension(c))
            return false;
    }
    return true;
}

}  // namespace

std::vector<Text> ParseExtensionList(TextView list) {
    std::vector<Text> extensions;
    for (const TextView raw : SplitViewsAt(list, u",")) {
        const TextView trimmed = TrimBlanksAndControls(raw);
        if (trimmed.empty())
            continue;
        Text piece(trimmed);
        if (piece.find(u'.') == Text::npos)
            piece.insert(piece.begin(), u'.');
        if (IsUsableExtension(piece))
            extensions.push_back(std::move(piece));
    }
    return extensions;
}

}  // namespace lexorim
