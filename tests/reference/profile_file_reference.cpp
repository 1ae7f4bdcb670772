#include "reference/profile_file_reference.h"

#include "engine/case_rules.h"

namespace lexorim::reference {

namespace {

Text Trim(TextView text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && (text[begin] == u' ' || text[begin] == u'\t'))
        ++begin;
    while (end > begin && (text[end - 1] == u' ' || text[end - 1] == u'\t'))
        --end;
    return Text(text.substr(begin, end - begin));
}

bool IsHeader(TextView line) {
    const Text trimmed = Trim(line);
    return !trimmed.empty() && trimmed[0] == u'[';
}

Text HeaderName(TextView line) {
    const Text trimmed = Trim(line);
    Text name;
    for (size_t i = 1; i < trimmed.size() && trimmed[i] != u']'; ++i)
        name += trimmed[i];
    return Trim(name);
}

bool IsKeyLine(TextView line, TextView key) {
    const size_t eq = line.find(u'=');
    if (eq == TextView::npos)
        return false;
    const Text name = Trim(line.substr(0, eq));
    return !name.empty() && ToUpper(name) == ToUpper(Trim(key));
}

bool SameName(TextView a, TextView b) {
    return ToUpper(Trim(a)) == ToUpper(Trim(b));
}

// The index of the header line of the first section of that name, or -1.
long FirstSection(const std::vector<Text>& lines, TextView section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        if (IsHeader(lines[i]) && SameName(HeaderName(lines[i]), section))
            return static_cast<long>(i);
    }
    return -1;
}

size_t SectionEnd(const std::vector<Text>& lines, size_t header) {
    size_t end = header + 1;
    while (end < lines.size() && !IsHeader(lines[end]))
        ++end;
    return end;
}

}  // namespace

ReferenceProfile::ReferenceProfile(TextView text) {
    for (const TextView line : SplitLines(text))
        lines_.emplace_back(line);
}

std::optional<Text> ReferenceProfile::ReadString(TextView section, TextView key) const {
    const long header = FirstSection(lines_, section);
    if (header < 0)
        return std::nullopt;
    const size_t end = SectionEnd(lines_, static_cast<size_t>(header));
    for (size_t i = static_cast<size_t>(header) + 1; i < end; ++i) {
        if (!IsKeyLine(lines_[i], key))
            continue;
        Text value = Trim(TextView(lines_[i]).substr(lines_[i].find(u'=') + 1));
        if (value.size() >= 2 && (value[0] == u'"' || value[0] == u'\'') &&
            value.back() == value[0]) {
            value = value.substr(1, value.size() - 2);
        }
        if (value.size() > 2047)
            value.resize(2047);
        return value;
    }
    return std::nullopt;
}

void ReferenceProfile::WriteString(TextView section, TextView key, TextView value) {
    Text line = Text(key) + u"=";
    for (const char16_t c : value)
        line += (c == u'\r' || c == u'\n') ? u' ' : c;
    const long header = FirstSection(lines_, section);
    if (header < 0) {
        lines_.push_back(u"[" + Text(section) + u"]");
        lines_.push_back(line);
        return;
    }
    const size_t end = SectionEnd(lines_, static_cast<size_t>(header));
    for (size_t i = static_cast<size_t>(header) + 1; i < end; ++i) {
        if (IsKeyLine(lines_[i], key)) {
            lines_[i] = line;
            return;
        }
    }
    size_t at = end;
    while (at > static_cast<size_t>(header) + 1 && Trim(lines_[at - 1]).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<long>(at), line);
}

Text ReferenceProfile::ToText() const {
    Text text;
    for (const Text& line : lines_)
        text += line + u"\r\n";
    return text;
}

}  // namespace lexorim::reference
