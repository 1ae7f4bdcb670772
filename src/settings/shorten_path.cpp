#include "settings/shorten_path.h"

#include <algorithm>

namespace lexorim {

namespace {

// Removes the first folder name of a folder part that is not the bare "\...\" form.
Text WithoutFirstFolder(TextView folder, char16_t separator) {
    if (folder.size() == 1 && folder[0] == separator)
        return {};
    const bool leadingSeparator = folder.front() == separator;
    if (leadingSeparator)
        folder.remove_prefix(1);
    if (!folder.empty() && folder.front() == u'.')
        folder.remove_prefix(std::min<size_t>(4, folder.size()));
    Text rest;
    if (const size_t at = folder.find(separator); at != TextView::npos)
        rest = u"..." + Text(1, separator) + Text(folder.substr(at + 1));
    return leadingSeparator ? Text(1, separator) + rest : rest;
}

}  // namespace

int CharacterCount(TextView text) {
    return static_cast<int>(text.size());
}

Text ShortenPath(TextView path, int maxWidth, const TextWidth& width) {
    const char16_t separator = path.find(u'\\') != TextView::npos ? u'\\' : u'/';
    const size_t cut = path.find_last_of(Text{separator, u':'});
    Text folder(cut == TextView::npos ? TextView{} : path.substr(0, cut + 1));
    const Text name(cut == TextView::npos ? path : path.substr(cut + 1));
    Text drive;
    if (folder.size() >= 2 && folder[1] == u':') {
        drive = folder.substr(0, 2);
        folder.erase(0, 2);
    }
    const Text bareEllipsis = Text(1, separator) + u"..." + Text(1, separator);
    Text result(path);
    while ((!folder.empty() || !drive.empty()) && width(result) > maxWidth) {
        if (folder == bareEllipsis) {
            drive.clear();
            folder = u"..." + Text(1, separator);
        } else if (!folder.empty()) {
            folder = WithoutFirstFolder(folder, separator);
        } else {
            drive.clear();
        }
        result = drive + folder + name;
    }
    return result;
}

}  // namespace lexorim
