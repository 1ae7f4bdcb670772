#include "cli/cli_support.h"

#include "cli/config_commands.h"

#include <algorithm>
#include <cerrno>
#include <ostream>

#include "engine/errors.h"
#include "settings/draft_settings.h"
#include "settings/run_options.h"
#include "textfiles/file_access.h"

namespace lexorim::cli {

namespace {

// Reports a failed write with the reason of the write that failed (errno is cleared before
// each), so a full disk says so instead of a general input/output error.
void ThrowIfOutputFailed(const std::ostream& out) {
    if (!out) {
        throw UserError(u"Cannot write to standard output. " +
                        SystemReason(errno != 0 ? errno : EIO));
    }
}

}  // namespace

void Print(std::ostream& out, TextView text) {
    constexpr size_t kSlice = size_t{1} << 16;
    while (!text.empty()) {
        size_t length = std::min(kSlice, text.size());
        // Never cut a surrogate pair in two.
        if (length < text.size() && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) {
            --length;
        }
        errno = 0;
        out << ToUtf8(text.substr(0, length));
        text.remove_prefix(length);
        ThrowIfOutputFailed(out);
    }
}

void FinishStandardOutput(std::ostream& out) {
    errno = 0;
    out.flush();
    ThrowIfOutputFailed(out);
}

Settings SettingsFromArguments(const CommandLine& line, const std::optional<AddToControls>& addTo) {
    Settings settings;
    LoadConfigurationFiles(line, settings);
    // --draft comes before --set, so a single option can still be switched off again.
    if (line.draft)
        SetEveryDraftOption(settings, true);
    for (const auto& [name, value] : line.settings) {
        try {
            settings.Set(name, FromUtf8(value));
        } catch (const SettingsError& error) {
            throw UsageError(error.what());
        }
    }
    if (addTo && !line.addToIndexPath.empty()) {
        settings.Set(addTo->addToExisting, u"1");
        settings.Set(addTo->indexPath, FromUtf8(line.addToIndexPath));
    }
    return settings;
}

ReadContext MakeReadContext(const CommandLine& line, std::ostream& err) {
    ReadContext context;
    context.language = line.language;
    context.showMessage = [&err](TextView message) { err << ToUtf8(message) << '\n'; };
    return context;
}

namespace {

// A list named on the command line, else the list of the program folder (or the built-in one).
WordList ListFromFileOr(const std::string& path, WordList (*loadDefault)(const MessageCallback&),
                        const ReadContext& context) {
    if (path.empty())
        return loadDefault(context.showMessage);
    return WordListFromText(ReadTextFile(path, context));
}

}  // namespace

WordLists LoadWordLists(const CommandLine& line, const ReadContext& context) {
    WordLists lists;
    lists.negative = ListFromFileOr(line.negativeListPath, &LoadNegativeList, context);
    lists.positive = ListFromFileOr(line.positiveListPath, &LoadPositiveList, context);
    return lists;
}

OutputSettings OutputSettingsFor(const CommandLine& line, const Settings& settings) {
    return MakeOutputSettings(settings, line.font.value_or(PictureStyle{}));
}

RunProgress ProgressFor(const CommandLine& line, std::ostream& err) {
    RunProgress progress;
    if (line.progress) {
        progress.report = [&err](TextView status, int percent) {
            err << percent << "%\t" << ToUtf8(status) << '\n';
        };
    }
    return progress;
}

}  // namespace lexorim::cli
