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

std::vector<ShownText> WindowTextsFor(std::string_view windowClass, Language language) {
    std::vector<ShownText> texts;
    if (const ui::WindowDefinition* window = ui::FindWindow(windowClass)) {
        for (const ui::WindowText& text : window->texts) {
            texts.push_back(
                {text.name, text.role, language == Language::German ? text.german : text.english});
        }
    }
    return texts;
}

const std::vector<std::string_view>& LanguageSwitchOrder() {
    static const std::vector<std::string_view> order = {"Tprog",
                                                        "Tnegliste",
                                                        "Tposliste",
                                                        "Tquhopt",
                                                        "Tdesign",
                                                        "Thdesign",
                                                        "Tsdesign",
                                                        "Ttextdesign",
                                                        "Tszbearbeiten",
                                                        "Tszkriterien",
                                                        "Teditneg",
                                                        "Teditpos",
                                                        "Tedittxt2idx",
                                                        "Tedittxt",
                                                        "Teinstausgabe",
                                                        "Tindexhinzu",
                                                        "Tzusatzfunktion",
                                                        "Teinstshortcuts_lkfg",
                                                        "Teinstshortcuts_idx"};
    return order;
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

void ApplyLanguageState(Settings& settings, Language language) {
    const bool german = language == Language::German;
    settings.Set(ui::tprog::pinfo_de, german ? u"1" : u"0");
    settings.Set(ui::tprog::pinfo_en, german ? u"0" : u"1");
    for (const ui::ControlId label : {ui::tprog::kt_index, ui::tprog::dkt_index})
        settings.Set(label, ExistingIndexCaption(settings.Value(label), language));
}

Text MinimumLengthItems(TextView current, Language language) {
    return language == Language::German ? ReplaceAll(current, u"Custom", u"Benutzerdefiniert")
                                        : ReplaceAll(current, u"Benutzerdefiniert", u"Custom");
}

}  // namespace lexorim
