#include "cli/command_line.h"

#include <algorithm>
#include <sstream>

#include "cli/help_text.h"
#include "settings/run_options.h"

namespace lexorim::cli {

namespace {

bool IsCommand(const std::string& word) {
    return std::ranges::find(CommandNames(), word) != CommandNames().end();
}

std::vector<std::string> SplitComma(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, ','))
        parts.push_back(part);
    return parts;
}

void CheckArgumentCount(const CommandLine& line) {
    const size_t n = line.arguments.size();
    const std::string& c = line.command;
    if (c == "text" && n > 1)
        throw UsageError("text takes at most one SOURCE");
    if ((c == "designations" || c == "strip-html") && n != 1) {
        throw UsageError(c + " takes exactly one file");
    }
    if (c == "detect" && n == 0)
        throw UsageError("detect takes one or more files");
    if (c == "files" && n == 0 && line.addToIndexPath.empty())
        throw UsageError("files takes one or more documents (or --add-to FILE.idx)");
    if (c == "keywords" && n == 0)
        throw UsageError("keywords takes one or more documents");
    if (c == "keywords" && (!line.addToIndexPath.empty() || !line.indexPath.empty()))
        throw UsageError(
            "keywords writes no index file: --add-to and --idx are for files and text");
    if (c == "convert" && (n != 1 || line.outputPath.empty())) {
        throw UsageError("convert takes one input file and -o OUTPUT");
    }
    if (c == "config" && (n != 0 || line.standardConfiguration == !line.showConfigPath.empty() ||
                          (line.standardConfiguration && line.outputPath.empty()))) {
        throw UsageError("config takes --standard -o FILE.lkfg or --show FILE.lkfg");
    }
    if (c == "txt2idx" && (n != 1 || line.outputPath.empty()))
        throw UsageError("txt2idx takes one SOURCE and -o OUT.idx");
    if (c == "paginate" && (n != 1 || line.outputPath.empty() || line.emptyLines == line.markers)) {
        throw UsageError("paginate takes one SOURCE, --empty-lines or --markers, and -o OUT");
    }
}

}  // namespace

PictureStyle ParseFontDescription(const std::string& description) {
    const std::vector<std::string> parts = SplitComma(description);
    if (parts.size() < 2 || parts[0].empty()) {
        throw UsageError("--font takes FAMILY,PIXELS[,bold][,italic][,#RRGGBB]");
    }
    PictureStyle style;
    style.fontFamily = parts[0];
    try {
        size_t used = 0;
        style.pixelSize = std::stoi(parts[1], &used);
        if (used != parts[1].size() || style.pixelSize < 1 || style.pixelSize > 1000) {
            throw UsageError("bad size");
        }
    } catch (const std::exception&) {
        throw UsageError("--font: the size must be a number of pixels from 1 to 1000");
    }
    for (size_t i = 2; i < parts.size(); ++i) {
        if (parts[i] == "bold") {
            style.bold = true;
        } else if (parts[i] == "italic") {
            style.italic = true;
        } else if (const auto color = ParseHtmlColor(FromUtf8(parts[i]));
                   color && parts[i].starts_with('#')) {
            style.textColor = *color;
        } else {
            throw UsageError("--font: unknown part \"" + parts[i] + "\"");
        }
    }
    return style;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine line;
    size_t i = 0;
    auto value = [&](const std::string& option) -> std::string {
        if (i + 1 >= args.size())
            throw UsageError(option + " needs a value");
        return args[++i];
    };
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            line.help = true;
        } else if (a == "--version") {
            line.version = true;
        } else if (a == "--list-settings") {
            line.listSettings = true;
        } else if (a == "--set") {
            const std::string assignment = value(a);
            const size_t eq = assignment.find('=');
            if (eq == std::string::npos || eq == 0)
                throw UsageError("--set takes NAME=VALUE");
            line.settings.emplace_back(assignment.substr(0, eq), assignment.substr(eq + 1));
        } else if (a == "--config") {
            line.configPaths.push_back(value(a));
        } else if (a == "--standard") {
            line.standardConfiguration = true;
        } else if (a == "--show") {
            line.showConfigPath = value(a);
        } else if (a == "--empty-lines") {
            line.emptyLines = true;
        } else if (a == "--markers") {
            line.markers = true;
        } else if (a == "--lang") {
            const std::string lang = value(a);
            if (lang != "de" && lang != "en")
                throw UsageError("--lang takes de or en");
            line.language = lang == "de" ? Language::German : Language::English;
        } else if (a == "-o") {
            line.outputPath = value(a);
        } else if (a == "--idx") {
            line.indexPath = value(a);
        } else if (a == "--neg") {
            line.negativeListPath = value(a);
        } else if (a == "--pos") {
            line.positiveListPath = value(a);
        } else if (a == "--add-to") {
            line.addToIndexPath = value(a);
        } else if (a == "--font") {
            line.font = ParseFontDescription(value(a));
        } else if (a == "--summary") {
            line.summaryOnly = true;
        } else if (a == "--progress") {
            line.progress = true;
        } else if (a == "--draft") {
            line.draft = true;
        } else if (a == "--scan") {
            line.scan = true;
        } else if (a == "--list") {
            line.listOnly = true;
        } else if (a.size() > 1 && a[0] == '-') {
            throw UsageError("unknown option " + a);
        } else if (line.command.empty()) {
            if (!IsCommand(a))
                throw UsageError("unknown command " + a);
            line.command = a;
        } else {
            line.arguments.push_back(a);
        }
    }
    // Asking about the program needs no complete command.
    if (line.help || line.version || line.listSettings)
        return line;
    if (line.command.empty())
        throw UsageError("no command given");
    CheckArgumentCount(line);
    return line;
}

}  // namespace lexorim::cli
