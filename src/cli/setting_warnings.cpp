#include "cli/setting_warnings.h"

#include <filesystem>
#include <optional>

#include "engine/index_store.h"

namespace lexorim::cli {

namespace {

struct NumericSetting {
    std::string_view window;
    std::string_view control;
    int32_t fallback;            // used when the text is not an integer
    std::optional<int32_t> min;  // smallest value that makes sense
    const char* belowMin;        // what the run does with a smaller value
};

constexpr NumericSetting kNumericSettings[] = {
    {"Tprog", "kt_max", 2, 0, "every word is long enough"},
    {"Tprog", "sz_beginn", 1, std::nullopt, ""},
    {"Tszkriterien", "sz_laenge", 5, 1, "no line is short enough to be a page number"},
    {"Tszkriterien", "cb_pluswert", 0, std::nullopt, ""},
};

}  // namespace

std::vector<std::string> NumericSettingWarnings(const Settings& settings) {
    std::vector<std::string> warnings;
    for (const NumericSetting& setting : kNumericSettings) {
        const Text& value = settings.Value(setting.window, setting.control);
        const std::string name(setting.control);
        const std::optional<int32_t> number = ParseIntegerText(value);
        if (!number) {
            warnings.push_back(name + "=\"" + ToUtf8(value) +
                               "\" is not a whole number from -2147483648 to 2147483647; using " +
                               std::to_string(setting.fallback) + ".");
        } else if (setting.min && *number < *setting.min) {
            warnings.push_back(name + "=" + std::to_string(*number) + " is below " +
                               std::to_string(*setting.min) + "; using " + std::to_string(*number) +
                               ", so " + setting.belowMin + ".");
        }
    }
    return warnings;
}

std::string AddToIndexWarning(const std::string& path, const ReadContext& context) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return "--add-to \"" + path + "\": no such file; the index holds only the new entries.";
    }
    // The store's own line rule decides, so the warning cannot disagree with the load.
    IndexStore loaded;
    loaded.LoadIndexLines(ReadTextFile(path, context), IndexStore::IndexLineRules{});
    if (!loaded.Empty()) {
        return {};
    }
    return "--add-to \"" + path +
           "\": the file holds no index line; the index holds only the new "
           "entries.";
}

}  // namespace lexorim::cli
