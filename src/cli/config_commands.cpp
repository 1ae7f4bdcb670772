#include "cli/config_commands.h"

#include <filesystem>
#include <ostream>
#include <set>

#include "engine/case_rules.h"
#include "engine/collation.h"
#include "engine/errors.h"
#include "settings/configuration.h"
#include "settings/profile_file.h"
#include "settings/run_options.h"
#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"
#include "textindex/page_writing.h"
#include "textindex/text_to_index.h"

namespace lexorim::cli {

namespace {

void RequireFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw UserError(u"Cannot open file \"" + FromUtf8(path) + u"\".");
}

ReadContext ContextFor(const CommandLine& line, std::ostream& err) {
    ReadContext context;
    context.language = line.language;
    context.showMessage = [&err](TextView message) { err << ToUtf8(message) << '\n'; };
    return context;
}

// Every section and key that loading reads, upper-cased as "PBCH|NAME".
std::set<Text> KnownKeys() {
    std::set<Text> known;
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        for (const ui::ControlDefinition& control : window.controls) {
            const std::string section = ConfigurationSection(window, control);
            if (!section.empty())
                known.insert(ToUpper(FromUtf8(section + "|" + std::string(control.name))));
        }
    }
    for (const char* key : {"SP|PF", "SP|PB", "SP|PH", "SP|PT", "SP|PL", "AS|N", "AS|A"})
        known.insert(FromUtf8(key));
    return known;
}

void ListUnusedKeys(const std::string& path, std::ostream& err) {
    const ProfileFile file = ProfileFile::ReadOrEmpty(path);
    const std::set<Text> known = KnownKeys();
    std::set<Text> seenSections;
    for (const Text& section : file.SectionNames()) {
        if (!seenSections.insert(ToUpper(section)).second)
            continue;
        for (const auto& [key, value] : file.SectionEntries(section)) {
            if (!known.contains(ToUpper(section + u"|" + key)))
                err << "not used: [" << ToUtf8(section) << "] " << ToUtf8(key) << '\n';
        }
    }
}

void ShowConfiguration(const std::string& path, std::ostream& out) {
    RequireFile(path);
    Settings settings;
    ShellState shell;
    KonfigurationLaden(path, false, settings, shell, ScreenSize{});
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        for (const ui::ControlDefinition& control : window.controls) {
            const std::string section = ConfigurationSection(window, control);
            if (section.empty())
                continue;
            out << window.className << "\t[" << section << "]\t" << control.name << "="
                << ToUtf8(settings.Value({&window, &control})) << '\n';
        }
    }
    const MainWindowGeometry& g = shell.geometry;
    out << "Tprog\t[SP]\tPF=" << (g.maximized ? 1 : 0) << "\nTprog\t[SP]\tPB=" << g.clientWidth
        << "\nTprog\t[SP]\tPH=" << g.clientHeight << "\nTprog\t[SP]\tPT=" << g.top
        << "\nTprog\t[SP]\tPL=" << g.left << "\nTprog\t[AS]\tN=" << (shell.autoSave.never ? 1 : 0)
        << "\nTprog\t[AS]\tA=" << (shell.autoSave.all ? 1 : 0) << '\n';
}

OutputSettings OutputOf(const CommandLine& line, const Settings& settings) {
    return MakeOutputSettings(settings, line.font.value_or(PictureStyle{}));
}

}  // namespace

void LoadConfigurationFiles(const CommandLine& line, Settings& settings) {
    ShellState shell;
    for (const std::string& path : line.configPaths) {
        RequireFile(path);
        KonfigurationLaden(path, false, settings, shell, ScreenSize{});
    }
}

int RunConfigCommand(const CommandLine& line, Streams io) {
    if (!line.showConfigPath.empty()) {
        ShowConfiguration(line.showConfigPath, io.out);
        ListUnusedKeys(line.showConfigPath, io.err);
        return 0;
    }
    Settings settings;
    ShellState shell;
    KonfigurationLadenStandard(settings, shell.autoSave);
    KonfigurationSpeichern(line.outputPath, settings, shell);
    return 0;
}

int RunTxt2IdxCommand(const CommandLine& line, const Settings& settings, Streams io) {
    const Text text = ReadTextFile(line.arguments[0], ContextFor(line, io.err));
    const LocaleCollator collator;
    TextToIndexLists lists(collator);
    lists.LoadText(text, true);
    const std::vector<Text> left = lists.ConvertToIndex({}, MakeTextToIndexOptions(settings));
    for (const Text& row : left)
        io.err << "not converted: " << ToUtf8(row) << '\n';
    SaveIndexRows(lists.indexRows(), line.outputPath, OutputOf(line, settings));
    return 0;
}

int RunPaginateCommand(const CommandLine& line, const Settings& settings, Streams io) {
    PageWritingEditor editor;
    editor.text = ReadTextFile(line.arguments[0], ContextFor(line, io.err));
    const PageWritingOptions options = MakePageWritingOptions(settings);
    if (line.emptyLines) {
        editor.ReplaceEmptyLines(options);
    } else {
        editor.ReplaceMarkers(options);
    }
    WriteTextFile(editor.text, line.outputPath, OutputOf(line, settings));
    return 0;
}

}  // namespace lexorim::cli
