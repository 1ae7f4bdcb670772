#include "cli/help_text.h"

#include <algorithm>
#include <map>

#include "lexorim_version.h"
#include "settings/settings.h"
#include "ui/window_definitions.h"

namespace lexorim::cli {

namespace {

struct OptionHelp {
    std::string_view name;  // as typed, with its argument: "-o FILE"
    std::string_view meaning;
};

// Every option once; the commands name the ones they take by their first word.
const std::vector<OptionHelp>& Options() {
    static const std::vector<OptionHelp> options = {
        {"--config FILE.lkfg",
         "load a configuration saved by the program, before the settings of the "
         "command line; repeatable, later files win"},
        {"--set NAME=VALUE",
         "set a control by its stored name (Tdesign.dsep where the name is in several windows); "
         "check boxes and radio buttons take 1 or 0"},
        {"--lang de|en", "language of the index texts, summary and status texts (default de)"},
        {"-o FILE", "write the result to FILE in the output encoding (default: standard output)"},
        {"--idx FILE", "also save the index as an index file (.idx is appended when missing)"},
        {"--add-to FILE.idx", "add the new entries to an existing index file"},
        {"--neg FILE", "negative word list, one entry per line"},
        {"--pos FILE", "positive word list, one entry per line"},
        {"--font FAMILY,PIXELS[,bold][,italic][,#RRGGBB]", "font of pictures"},
        {"--summary", "print the summary of the settings instead of running"},
        {"--progress", "print the status texts with their percentage on standard error"},
        {"--draft",
         "a clean first draft: switch every draft option on (the Tentwurf.ew_* settings: "
         "running heads, contents pages, printed page numbers, the book's language, word forms, "
         "keyword relevance); a later --set switches one off again"},
        {"--scan", "also index the local files each document links to"},
        {"--list", "print the source list (tab-separated) instead of running"},
        {"--standard", "(config) write the standard configuration"},
        {"--show FILE.lkfg", "(config) print every setting a configuration gives"},
        {"--empty-lines", "(paginate) page numbers in place of empty lines"},
        {"--markers", "(paginate) page numbers in place of a marker"},
    };
    return options;
}

struct CommandHelp {
    std::string_view name;
    std::vector<std::string_view> synopses;  // after "lexorim-cli "
    std::string_view summary;
    std::vector<std::string_view> options;  // first words of Options() entries
};

const std::vector<CommandHelp>& Commands() {
    static const std::vector<CommandHelp> commands = {
        {"text",
         {"text [SOURCE|-] [options]"},
         "the book index of SOURCE (a file or document; standard input for - or none)",
         {"--config", "--set", "--lang", "-o", "--idx", "--add-to", "--neg", "--pos", "--font",
          "--draft", "--summary", "--progress"}},
        {"designations",
         {"designations SOURCE [--set NAME=VALUE]..."},
         "the page designations found in SOURCE, one per line",
         {"--config", "--set"}},
        {"strip-html", {"strip-html FILE"}, "the text of FILE with its HTML tags removed", {}},
        {"detect", {"detect FILE..."}, "the encoding (or document format) of each file", {}},
        {"convert",
         {"convert IN -o OUT [options]"},
         "re-encode a text, extract a document's text, or render a text as a picture (.bmp, "
         ".gif, .jpg, .jpeg)",
         {"--config", "--set", "-o", "--font"}},
        {"config",
         {"config --standard -o FILE.lkfg", "config --show FILE.lkfg"},
         "write the standard configuration, or print every setting a configuration gives",
         {"--standard", "--show", "-o", "--config", "--lang"}},
        {"txt2idx",
         {"txt2idx SOURCE -o OUT.idx"},
         "turn an index that exists as text (\"Apfel 12, 15\") into an index file",
         {"-o", "--config", "--set"}},
        {"paginate",
         {"paginate SOURCE --empty-lines|--markers -o OUT"},
         "write page numbers into a text in place of empty lines or of a marker",
         {"--empty-lines", "--markers", "-o", "--config", "--set"}},
        {"files",
         {"files DOC... [options]"},
         "the file index over the documents (an HTML page, or text with --set textindex=1)",
         {"--config", "--set", "--lang", "-o", "--idx", "--add-to", "--neg", "--pos", "--scan",
          "--draft", "--list", "--summary", "--progress"}},
        {"keywords",
         {"keywords DOC... [options]"},
         "the keyword index: the words of each document",
         {"--config", "--set", "--lang", "-o", "--neg", "--pos", "--scan", "--draft", "--list",
          "--summary", "--progress"}},
    };
    return commands;
}

const CommandHelp* FindCommand(std::string_view name) {
    const auto& commands = Commands();
    const auto found = std::ranges::find(commands, name, &CommandHelp::name);
    return found == commands.end() ? nullptr : &*found;
}

std::string_view FirstWord(std::string_view text) {
    return text.substr(0, text.find(' '));
}

constexpr size_t kMeaningColumn = 24;
constexpr size_t kLineWidth = 79;

// Breaks `meaning` at blanks into lines that end before kLineWidth, each starting at `column`
// (where the current line stands too).
void AppendWrapped(std::string& text, std::string_view meaning, size_t column) {
    size_t used = column;
    bool first = true;
    while (!meaning.empty()) {
        const std::string_view word = FirstWord(meaning);
        meaning.remove_prefix(std::min(meaning.size(), word.size() + 1));
        if (!first && used + 1 + word.size() > kLineWidth) {
            text += '\n';
            text.append(column, ' ');
            used = column;
        } else if (!first) {
            text += ' ';
            ++used;
        }
        text += word;
        used += word.size();
        first = false;
    }
    text += '\n';
}

// "  NAME  MEANING", the meanings in one column; a name too long for it gets a line of its own.
void AppendOptionLine(std::string& text, const OptionHelp& option) {
    text += "  ";
    text += option.name;
    if (option.name.size() + 2 > kMeaningColumn - 2) {
        text += '\n';
        text.append(kMeaningColumn, ' ');
    } else {
        text.append(kMeaningColumn - 2 - option.name.size(), ' ');
    }
    AppendWrapped(text, option.meaning, kMeaningColumn);
}

// The help's further synopses start with "or:", as help2man expects them.
constexpr std::string_view kHelpFirst = "Usage: ";
constexpr std::string_view kHelpNext = "  or:  ";

void AppendSynopses(std::string& text, const CommandHelp& command, std::string_view lead,
                    std::string_view nextLead) {
    for (const std::string_view synopsis : command.synopses) {
        text += lead;
        text += "lexorim-cli ";
        text += synopsis;
        text += '\n';
        lead = nextLead;
    }
}

constexpr std::string_view kClosing =
    "\nExit status:\n"
    "  0  success\n"
    "  1  a file could not be read or written (the message says which and why)\n"
    "  2  bad arguments, with a usage line\n"
    "  3  internal error\n"
    "\nEnvironment:\n"
    "  LEXORIM_HOME            the program folder (word lists neg.txt and pos.txt)\n"
    "  LEXORIM_SOFFICE         the office program that lays out documents\n"
    "  LEXORIM_LAYOUT_SECONDS  the time limit of that layout (default 120)\n";

}  // namespace

const std::vector<std::string_view>& CommandNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const CommandHelp& command : Commands())
            all.push_back(command.name);
        return all;
    }();
    return names;
}

std::string HelpText() {
    std::string text;
    std::string_view lead = kHelpFirst;
    for (const CommandHelp& command : Commands()) {
        AppendSynopses(text, command, lead, kHelpNext);
        lead = kHelpNext;
    }
    text += std::string(kHelpNext) + "lexorim-cli COMMAND --help\n\n";
    text += "Lexorim makes book indexes, file indexes and keyword lists from documents.\n";
    text += "\nCommands:\n";
    for (const CommandHelp& command : Commands())
        AppendOptionLine(text, {command.name, command.summary});
    text += "\nOptions:\n";
    for (const OptionHelp& option : Options())
        AppendOptionLine(text, option);
    AppendOptionLine(text, {"-h, --help", "print this help (or a command's) and exit"});
    AppendOptionLine(text, {"--version", "print the version and exit"});
    text += kClosing;
    return text;
}

std::string CommandHelpText(std::string_view name) {
    const CommandHelp* command = FindCommand(name);
    if (command == nullptr)
        return HelpText();
    std::string text;
    AppendSynopses(text, *command, kHelpFirst, kHelpNext);
    text += '\n';
    AppendWrapped(text, command->summary, 0);
    if (!command->options.empty()) {
        text += "\nOptions:\n";
        for (const OptionHelp& option : Options()) {
            if (std::ranges::find(command->options, FirstWord(option.name)) !=
                command->options.end()) {
                AppendOptionLine(text, option);
            }
        }
    }
    text += kClosing;
    return text;
}

std::string VersionText() {
    return "lexorim-cli " + std::string(kVersion) + "\n";
}

std::string ShortUsage(const std::vector<std::string>& args) {
    std::string text;
    const auto named =
        std::ranges::find_if(args, [](const std::string& a) { return FindCommand(a) != nullptr; });
    if (named != args.end()) {
        AppendSynopses(text, *FindCommand(*named), "usage: ", "       ");
    } else {
        text += "usage: lexorim-cli COMMAND [ARGUMENTS] [OPTIONS]   (COMMAND: ";
        for (const std::string_view command : CommandNames()) {
            text += command;
            text += command == CommandNames().back() ? ")\n" : ", ";
        }
    }
    text += "Try 'lexorim-cli --help' for more.\n";
    return text;
}

std::string SettingNamesText() {
    const Settings settings;
    std::string text;
    for (const ui::WindowDefinition& window : ui::AllWindows()) {
        if (window.code.empty())
            continue;
        for (const ui::ControlDefinition& control : window.controls) {
            if (!ui::IsStoredKind(control.kind))
                continue;
            const std::string name(control.name);
            try {
                const ControlRef alone = settings.Resolve(name);
                if (alone.window == &window && alone.control == &control)
                    text += name + '\n';
            } catch (const SettingsError&) {
                // Ambiguous alone: only the qualified name below means this control.
            }
            text += std::string(window.className) + '.' + name + '\n';
        }
    }
    return text;
}

}  // namespace lexorim::cli
