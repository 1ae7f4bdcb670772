#pragma once
// Initialisation files in the layout of the platform's profile functions: "[section]" lines and
// "key=value" lines ended by CR LF. Sections and keys are looked up without regard to case; a
// written key replaces its line where it stands, a new key goes to the end of its section and a
// new section to the end of the file; every other line stays as it was.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

// Values longer than this are cut when read.
inline constexpr size_t kProfileValueLimit = 2047;

enum class ProfileEncoding {
    Utf16Le,  // with the signature FF FE
    Ansi,     // Windows-1252, for a file without that signature (UTF-16 LE once it holds a
              // character that Windows-1252 cannot write)
};

class ProfileFile {
  public:
    // An empty profile that becomes a new file: UTF-16 LE.
    ProfileFile() = default;

    // The profile a file holds: UTF-16 LE after the signature FF FE, Windows-1252 otherwise.
    static ProfileFile FromBytes(std::string_view bytes);

    // For reading only: a missing or unreadable file gives an empty profile.
    static ProfileFile ReadOrEmpty(const std::string& path);
    // For changing a file: a missing file gives an empty profile for a new UTF-16 file; an
    // existing file that cannot be read throws UserError, so it is never overwritten blindly.
    static ProfileFile ReadForUpdate(const std::string& path);

    ProfileEncoding encoding() const { return encoding_; }

    // The value as the profile functions read it: blanks and tabs trimmed at both ends, one
    // outer pair of the same quotation character (" or ') removed, cut to kProfileValueLimit.
    // Nothing when the section or the key does not exist.
    std::optional<Text> ReadString(TextView section, TextView key) const;
    // An integer: decimal, or hexadecimal after "0x", "0X" or "$"; nothing for anything else.
    std::optional<int32_t> ReadInteger(TextView section, TextView key) const;
    // A yes/no value read as an integer: 0 is no, any other number yes.
    std::optional<bool> ReadYesNo(TextView section, TextView key) const;

    void WriteString(TextView section, TextView key, TextView value);

    // The sections in file order (each name as written), for showing a file.
    std::vector<Text> SectionNames() const;
    // The keys of the first section of that name, in file order, with their read values.
    std::vector<std::pair<Text, Text>> SectionEntries(TextView section) const;

    std::string ToBytes() const;
    // Writes the profile beside the file and renames it into place, so a refused write never
    // leaves a half-written file. Throws UserError "Unable to write to PATH".
    void Save(const std::string& path) const;

  private:
    struct Entry {
        Text raw;
        Text key;  // upper-cased key; empty for a line that is no key
    };
    struct Section {
        Text raw;  // the header line as it stands
        Text name;
        std::vector<Entry> entries;
        std::unordered_map<Text, size_t> keyIndex;  // upper-cased key -> first entry
    };

    static ProfileFile FromText(TextView text, ProfileEncoding encoding);
    void AddLine(TextView line);
    const Section* FindSection(TextView name) const;

    ProfileEncoding encoding_ = ProfileEncoding::Utf16Le;
    std::vector<Text> preamble_;  // lines before the first section
    std::vector<Section> sections_;
    std::unordered_map<Text, size_t> sectionIndex_;  // upper-cased name -> first section
};

// The text to write for an edit box value so that reading gives it back: a value of at least two
// characters that begins and ends with an apostrophe (or else with a quotation mark) gets one
// more of that character at both ends; a value with a blank or tab at either end is put in
// quotation marks, so reading does not trim it.
Text ProtectQuotes(TextView value);

}  // namespace lexorim
