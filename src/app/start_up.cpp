#include "app/start_up.h"

#include <filesystem>

#include "indexing/index_file.h"

namespace lexorim::app {

bool IsConfigurationPath(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const size_t dot = name.rfind('.');
    return dot != std::string::npos && name.compare(dot, std::string::npos, ".lkfg") == 0;
}

StartupPlan PlanStartup(const std::vector<std::string>& arguments, const ReadContext& read) {
    StartupPlan plan;
    for (const std::string& argument : arguments) {
        if (IsConfigurationPath(argument))
            plan.configurations.push_back(argument);
    }
    plan.loadStartConfiguration = plan.configurations.empty();
    if (arguments.empty())
        return plan;
    const std::string& first = arguments.front();
    std::error_code error;
    if (IsConfigurationPath(first) || !std::filesystem::is_regular_file(first, error))
        return plan;
    plan.firstPath = first;
    plan.firstText = ReadTextFile(first, read);
    if (first.find(".idx") == std::string::npos) {
        plan.firstUse = FirstArgumentUse::TextSource;
    } else {
        plan.firstUse = IsTextIndexFileText(plan.firstText) ? FirstArgumentUse::TextIndexFile
                                                            : FirstArgumentUse::FileIndexFile;
    }
    return plan;
}

}  // namespace lexorim::app
