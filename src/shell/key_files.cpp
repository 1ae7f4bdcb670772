#include "shell/key_files.h"

#include <vector>

namespace lexorim {

namespace {

constexpr std::string_view kDefaultApplications = "[Default Applications]";

// Characters that make an Exec argument need quotes.
constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";
// Characters escaped by a backslash inside the quotes.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

bool IsGroupHeader(std::string_view line) {
    return TrimBlanks(line).starts_with('[');
}

// The key of a "key=value" line, or an empty view for other lines.
std::string_view KeyOf(std::string_view line) {
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos || TrimBlanks(line).starts_with('#'))
        return {};
    return TrimBlanks(line.substr(0, equals));
}

std::string_view ValueOf(std::string_view line) {
    return TrimBlanks(line.substr(line.find('=') + 1));
}

// Where a group's lines are: from its header to the line before the next header.
struct GroupSpan {
    size_t header;
    size_t end;
};

std::optional<GroupSpan> FindGroup(const std::vector<std::string>& lines, std::string_view header) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (TrimBlanks(lines[i]) != header)
            continue;
        size_t end = i + 1;
        while (end < lines.size() && !IsGroupHeader(lines[end]))
            ++end;
        return GroupSpan{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> FindKey(const std::vector<std::string>& lines, const GroupSpan& group,
                              std::string_view key) {
    for (size_t i = group.header + 1; i < group.end; ++i) {
        if (KeyOf(lines[i]) == key)
            return i;
    }
    return std::nullopt;
}

std::vector<std::string> ListItems(std::string_view value) {
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= value.size()) {
        size_t end = value.find(';', start);
        if (end == std::string_view::npos)
            end = value.size();
        const std::string_view item = TrimBlanks(value.substr(start, end - start));
        if (!item.empty())
            items.emplace_back(item);
        start = end + 1;
    }
    return items;
}

std::string ListLine(std::string_view key, const std::vector<std::string>& items) {
    std::string line = std::string(key) + "=";
    for (const std::string& item : items)
        line += item + ";";
    return line;
}

}  // namespace

std::string ExecArgument(std::string_view argument) {
    std::string doubledPercent;
    for (const char c : argument) {
        doubledPercent += c;
        if (c == '%')
            doubledPercent += '%';
    }
    if (!argument.empty() && argument.find_first_of(kReservedInExec) == std::string_view::npos)
        return doubledPercent;
    std::string quoted = "\"";
    for (const char c : doubledPercent) {
        if (kEscapedInQuotes.find(c) != std::string_view::npos)
            quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string EscapeKeyValue(std::string_view value) {
    std::string stored;
    for (size_t i = 0; i < value.size(); ++i) {
        switch (value[i]) {
            case '\\':
                stored += "\\\\";
                break;
            case '\n':
                stored += "\\n";
                break;
            case '\r':
                stored += "\\r";
                break;
            case '\t':
                stored += "\\t";
                break;
            case ' ':
                stored += i == 0 ? "\\s" : " ";
                break;
            default:
                stored += value[i];
        }
    }
    return stored;
}

std::string UnescapeKeyValue(std::string_view stored) {
    std::string value;
    for (size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] != '\\' || i + 1 == stored.size()) {
            value += stored[i];
            continue;
        }
        switch (stored[++i]) {
            case 's':
                value += ' ';
                break;
            case 'n':
                value += '\n';
                break;
            case 'r':
                value += '\r';
                break;
            case 't':
                value += '\t';
                break;
            case '\\':
                value += '\\';
                break;
            default:
                // An escape the format does not know stays as written.
                value += '\\';
                value += stored[i];
        }
    }
    return value;
}

std::optional<std::string> KeyValue(std::string_view text, std::string_view group,
                                    std::string_view key) {
    const std::vector<std::string> lines = Lines(text);
    const std::optional<GroupSpan> span = FindGroup(lines, "[" + std::string(group) + "]");
    if (!span)
        return std::nullopt;
    const std::optional<size_t> line = FindKey(lines, *span, key);
    if (!line)
        return std::nullopt;
    return UnescapeKeyValue(ValueOf(lines[*line]));
}

std::string WithDefaultApplication(std::string_view mimeappsList, std::string_view mimeType,
                                   std::string_view desktopId) {
    std::vector<std::string> lines = Lines(mimeappsList);
    const std::optional<GroupSpan> group = FindGroup(lines, kDefaultApplications);
    if (!group) {
        if (!lines.empty() && !TrimBlanks(lines.back()).empty())
            lines.emplace_back();
        lines.emplace_back(kDefaultApplications);
        lines.push_back(ListLine(mimeType, {std::string(desktopId)}));
        return Joined(lines);
    }
    if (const std::optional<size_t> line = FindKey(lines, *group, mimeType)) {
        std::vector<std::string> items{std::string(desktopId)};
        for (std::string& item : ListItems(ValueOf(lines[*line]))) {
            if (item != desktopId)
                items.push_back(std::move(item));
        }
        lines[*line] = ListLine(mimeType, items);
        return Joined(lines);
    }
    // After the group's last entry, so blank lines before the next group stay there.
    size_t insertAt = group->end;
    while (insertAt > group->header + 1 && TrimBlanks(lines[insertAt - 1]).empty())
        --insertAt;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                 ListLine(mimeType, {std::string(desktopId)}));
    return Joined(lines);
}

std::string WithoutDefaultApplication(std::string_view mimeappsList, std::string_view mimeType,
                                      std::string_view desktopId) {
    std::vector<std::string> lines = Lines(mimeappsList);
    const std::optional<GroupSpan> group = FindGroup(lines, kDefaultApplications);
    if (!group)
        return std::string(mimeappsList);
    const std::optional<size_t> line = FindKey(lines, *group, mimeType);
    if (!line)
        return std::string(mimeappsList);
    std::vector<std::string> items = ListItems(ValueOf(lines[*line]));
    if (std::erase(items, std::string(desktopId)) == 0)
        return std::string(mimeappsList);
    if (items.empty())
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*line));
    else
        lines[*line] = ListLine(mimeType, items);
    return Joined(lines);
}

std::string DefaultApplication(std::string_view mimeappsList, std::string_view mimeType) {
    const std::vector<std::string> lines = Lines(mimeappsList);
    const std::optional<GroupSpan> group = FindGroup(lines, kDefaultApplications);
    if (!group)
        return {};
    const std::optional<size_t> line = FindKey(lines, *group, mimeType);
    if (!line)
        return {};
    const std::vector<std::string> items = ListItems(ValueOf(lines[*line]));
    return items.empty() ? std::string() : items.front();
}

}  // namespace lexorim
