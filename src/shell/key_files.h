#pragma once
// The text of the desktop's key files: desktop entries, file manager actions and mimeapps.list,
// all groups of "key=value" lines. Only what the shell registrations write and read back.

#include <optional>
#include <string>
#include <string_view>

namespace lexorim {

// One argument of an Exec line: as it is when it needs no quoting, else in double quotes with
// the characters that stay special inside them escaped. A "%" is doubled so that it is no field
// code.
std::string ExecArgument(std::string_view argument);

// A string value as a key file stores it: backslash, line breaks and tabs escaped, a leading
// blank kept by "\s".
std::string EscapeKeyValue(std::string_view value);
std::string UnescapeKeyValue(std::string_view stored);

// The unescaped value of `key` in the group `group` of a key file's text; none when the group
// or the key is missing. Blanks around the "=" are not part of key or value.
std::optional<std::string> KeyValue(std::string_view text, std::string_view group,
                                    std::string_view key);

// mimeapps.list with `desktopId` as the first default application of `mimeType`. The line of
// that type is replaced where it stands (other applications it names follow ours), a missing
// one is added at the end of the "Default Applications" group, a missing group at the end of
// the text. Every other line stays as it was.
std::string WithDefaultApplication(std::string_view mimeappsList, std::string_view mimeType,
                                   std::string_view desktopId);

// mimeapps.list without `desktopId` among the defaults of `mimeType`; the type's line goes
// when nothing else is left on it. Every other line stays as it was.
std::string WithoutDefaultApplication(std::string_view mimeappsList, std::string_view mimeType,
                                      std::string_view desktopId);

// The first default application of `mimeType`, or an empty text.
std::string DefaultApplication(std::string_view mimeappsList, std::string_view mimeType);

}  // namespace lexorim
