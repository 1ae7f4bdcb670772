#include "settings/profile_file.h"

#include <filesystem>
#include <system_error>

#include "engine/case_rules.h"
#include "engine/errors.h"
#include "textfiles/file_access.h"
#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"

namespace lexorim {

namespace {

bool IsBlankOrTab(char16_t c) {
    return c == u' ' || c == u'\t';
}

TextView TrimBlanksAndTabs(TextView text) {
    while (!text.empty() && IsBlankOrTab(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlankOrTab(text.back()))
        text.remove_suffix(1);
    return text;
}

// The section name of a header line "[name]", or nothing for another line. A header without
// its closing bracket names the rest of the line.
std::optional<Text> SectionHeaderName(TextView line) {
    line = TrimBlanksAndTabs(line);
    if (line.empty() || line.front() != u'[')
        return std::nullopt;
    line.remove_prefix(1);
    const size_t close = line.find(u']');
    return Text(TrimBlanksAndTabs(line.substr(0, close)));
}

// The key of a "key=value" line, upper-cased for lookups; empty for any other line.
Text UpperKeyOf(TextView line) {
    const size_t eq = line.find(u'=');
    if (eq == TextView::npos)
        return {};
    return ToUpper(TrimBlanksAndTabs(line.substr(0, eq)));
}

Text ValueOf(TextView line) {
    TextView value = TrimBlanksAndTabs(line.substr(line.find(u'=') + 1));
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return Text(value.substr(0, kProfileValueLimit));
}

// A value must stay on its own line, or it would add lines of its own to the file.
Text OnOneLine(TextView value) {
    Text line(value);
    for (char16_t& c : line) {
        if (c == u'\r' || c == u'\n')
            c = u' ';
    }
    return line;
}

}  // namespace

ProfileFile ProfileFile::FromText(TextView text, ProfileEncoding encoding) {
    ProfileFile profile;
    profile.encoding_ = encoding;
    for (const TextView line : SplitLines(text))
        profile.AddLine(line);
    return profile;
}

ProfileFile ProfileFile::FromBytes(std::string_view bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        return FromText(DecodeText(bytes, encoding::kUtf16Le), ProfileEncoding::Utf16Le);
    }
    return FromText(DecodeText(bytes, encoding::kAnsi), ProfileEncoding::Ansi);
}

ProfileFile ProfileFile::ReadOrEmpty(const std::string& path) {
    try {
        return FromBytes(ReadFileBytes(path));
    } catch (const UserError&) {
        // A configuration that cannot be read leaves every setting as it is.
        return {};
    }
}

ProfileFile ProfileFile::ReadForUpdate(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error)
        return {};
    return FromBytes(ReadFileBytes(path));
}

void ProfileFile::AddLine(TextView line) {
    if (std::optional<Text> name = SectionHeaderName(line)) {
        Text upper = ToUpper(*name);
        sectionIndex_.try_emplace(std::move(upper), sections_.size());
        sections_.push_back({Text(line), std::move(*name), {}, {}});
        return;
    }
    if (sections_.empty()) {
        preamble_.emplace_back(line);
        return;
    }
    Section& section = sections_.back();
    Text key = UpperKeyOf(line);
    if (!key.empty())
        section.keyIndex.try_emplace(key, section.entries.size());
    section.entries.push_back({Text(line), std::move(key)});
}

const ProfileFile::Section* ProfileFile::FindSection(TextView name) const {
    const auto it = sectionIndex_.find(ToUpper(TrimBlanksAndTabs(name)));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

std::optional<Text> ProfileFile::ReadString(TextView sectionName, TextView key) const {
    const Section* section = FindSection(sectionName);
    if (section == nullptr)
        return std::nullopt;
    const auto it = section->keyIndex.find(ToUpper(TrimBlanksAndTabs(key)));
    if (it == section->keyIndex.end())
        return std::nullopt;
    return ValueOf(section->entries[it->second].raw);
}

std::optional<int32_t> ProfileFile::ReadInteger(TextView section, TextView key) const {
    const std::optional<Text> value = ReadString(section, key);
    if (!value)
        return std::nullopt;
    return ParseIntegerText(*value);
}

std::optional<bool> ProfileFile::ReadYesNo(TextView section, TextView key) const {
    const std::optional<int32_t> value = ReadInteger(section, key);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

void ProfileFile::WriteString(TextView sectionName, TextView key, TextView value) {
    const Text line = Text(key) + u"=" + OnOneLine(value);
    const Text upperKey = ToUpper(TrimBlanksAndTabs(key));
    Text upperSection = ToUpper(TrimBlanksAndTabs(sectionName));
    const auto found = sectionIndex_.find(upperSection);
    if (found == sectionIndex_.end()) {
        sectionIndex_.emplace(std::move(upperSection), sections_.size());
        Section section{u"[" + Text(sectionName) + u"]", Text(sectionName), {}, {}};
        section.keyIndex.emplace(upperKey, 0);
        section.entries.push_back({line, upperKey});
        sections_.push_back(std::move(section));
        return;
    }
    Section& section = sections_[found->second];
    if (const auto it = section.keyIndex.find(upperKey); it != section.keyIndex.end()) {
        section.entries[it->second].raw = line;
        return;
    }
    // After the section's last line that is not blank, so blank lines before the next section
    // stay where they are.
    size_t at = section.entries.size();
    while (at > 0 && TrimBlanksAndTabs(section.entries[at - 1].raw).empty())
        --at;
    section.entries.insert(section.entries.begin() + static_cast<std::ptrdiff_t>(at),
                           {line, upperKey});
    for (auto& [name, index] : section.keyIndex) {
        if (index >= at)
            ++index;
    }
    section.keyIndex.emplace(upperKey, at);
}

std::vector<Text> ProfileFile::SectionNames() const {
    std::vector<Text> names;
    for (const Section& section : sections_)
        names.push_back(section.name);
    return names;
}

std::vector<std::pair<Text, Text>> ProfileFile::SectionEntries(TextView sectionName) const {
    std::vector<std::pair<Text, Text>> entries;
    const Section* section = FindSection(sectionName);
    if (section == nullptr)
        return entries;
    for (const Entry& entry : section->entries) {
        if (entry.key.empty())
            continue;
        const TextView raw = entry.raw;
        entries.emplace_back(TrimBlanksAndTabs(raw.substr(0, raw.find(u'='))), ValueOf(raw));
    }
    return entries;
}

std::string ProfileFile::ToBytes() const {
    Text text;
    auto addLine = [&text](TextView line) {
        text += line;
        text += kCrLf;
    };
    for (const Text& line : preamble_)
        addLine(line);
    for (const Section& section : sections_) {
        addLine(section.raw);
        for (const Entry& entry : section.entries)
            addLine(entry.raw);
    }
    if (encoding_ == ProfileEncoding::Ansi) {
        std::string bytes = EncodeText(text, encoding::kAnsi, false);
        // A character Windows-1252 lacks would come back as "?"; such a file is written as
        // UTF-16 instead, which every reader of these files understands.
        if (DecodeText(bytes, encoding::kAnsi) == text)
            return bytes;
    }
    return EncodeText(text, encoding::kUtf16Le, true);
}

void ProfileFile::Save(const std::string& path) const {
    try {
        ReplaceFileContents(path, ToBytes());
    } catch (const UserError&) {
        throw UserError(u"Unable to write to " + FromUtf8(path));
    }
}

Text ProtectQuotes(TextView value) {
    if (value.size() >= 2) {
        for (const char16_t quote : {u'\'', u'"'}) {
            if (value.front() == quote && value.back() == quote)
                return quote + Text(value) + quote;
        }
    }
    // Reading trims blanks and tabs at both ends; inside quotes they survive, so separators
    // such as ", " come back as they were saved.
    if (!value.empty() && (IsBlankOrTab(value.front()) || IsBlankOrTab(value.back())))
        return u'"' + Text(value) + u'"';
    return Text(value);
}

}  // namespace lexorim
