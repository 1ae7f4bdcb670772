#include "cli/setting_warnings.h"

#include <filesystem>
#include <optional>

#include "engine/index_store.h"

namespace lexorim::cli {

namespace {

// A number outside the range is still what the run uses; the line says what follows from it.
std::string OutOfRangeWarning(const NumericControl& control, const std::string& name,
                              int32_t number) {
    const std::string used = "; using " + std::to_string(number);
    if (number < control.min) {
        return name + "=" + std::to_string(number) + " is below " + std::to_string(control.min) +
               used + ", so " + std::string(control.belowMin) + ".";
    }
    if (number > control.max) {
        return name + "=" + std::to_string(number) + " is above " + std::to_string(control.max) +
               used + ".";
    }
    return {};
}

}  // namespace

std::vector<std::string> NumericSettingWarnings(const Settings& settings, NumericUse use) {
    std::vector<std::string> warnings;
    for (const NumericControl& control : NumericControls()) {
        if (control.use != use)
            continue;
        const Text& value = settings.Value(control.id);
        const std::string name(control.id.name);
        const std::optional<int32_t> number = ParseIntegerText(value);
        if (!number) {
            warnings.push_back(name + "=\"" + ToUtf8(value) +
                               "\" is not a whole number from -2147483648 to 2147483647; using " +
                               std::to_string(control.fallback) + ".");
        } else if (std::string warning = OutOfRangeWarning(control, name, *number);
                   !warning.empty()) {
            warnings.push_back(std::move(warning));
        }
    }
    return warnings;
}

void PrintNumericSettingWarnings(const Settings& settings, NumericUse use, std::ostream& err) {
    for (const std::string& warning : NumericSettingWarnings(settings, use))
        err << "lexorim-cli: warning: " << warning << '\n';
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
