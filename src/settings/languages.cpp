#include "settings/languages.h"

#include <array>
#include <system_error>

namespace lexorim {

Language LanguageFromMarkerFiles(const std::filesystem::path& workingFolder) {
    std::error_code error;
    Language language = Language::German;
    if (std::filesystem::exists(workingFolder / "en", error))
        language = Language::English;
    if (std::filesystem::exists(workingFolder / "de", error))
        language = Language::German;
    return language;
}

std::string_view LanguageCode(Language language) {
    return language == Language::German ? "de" : "en";
}

TextView WindowText(std::string_view windowClass, std::string_view name, Language language,
                    ui::TextRole role) {
    return ui::WindowTextFor(windowClass, name, role, language == Language::German);
}

TextView StatusTextFor(StatusText status, Language language) {
    static constexpr std::array<std::string_view, 5> kNames = {
        "StatusPreparing", "StatusReadingPage", "StatusRefreshing", "StatusWriting",
        "StatusReadingFile"};
    return WindowText("Tprog", kNames[static_cast<size_t>(status)], language,
                      ui::TextRole::Message);
}

Text ExistingIndexCaption(TextView current, Language language) {
    // A chosen index shows its path; here paths are written with "/" as well as "\".
    if (current.find_first_of(u"\\/") != TextView::npos)
        return Text(current);
    return Text(WindowText("Tprog", "kt_index", language));
}

Text MinimumLengthItems(TextView current, Language language) {
    return language == Language::German ? ReplaceAll(current, u"Custom", u"Benutzerdefiniert")
                                        : ReplaceAll(current, u"Benutzerdefiniert", u"Custom");
}

}  // namespace lexorim
