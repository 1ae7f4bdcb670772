#include "cli/index_commands.h"

#include <filesystem>
#include <memory>
#include <ostream>

#include "cli/cli_support.h"
#include "cli/setting_warnings.h"
#include "engine/collation.h"
#include "fileindex/file_index_output.h"
#include "fileindex/file_index_session.h"
#include "fileindex/file_index_summary.h"
#include "keywordindex/keyword_session.h"
#include "keywordindex/keyword_summary.h"
#include "settings/index_run_options.h"
#include "settings/run_options.h"
#include "textfiles/text_writer.h"

namespace lexorim::cli {

namespace {

bool AllDocumentsExist(const CommandLine& line, std::ostream& err) {
    bool all = true;
    for (const std::string& path : line.arguments) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error)) {
            err << "Cannot open file \"" << path << "\". No such file.\n";
            all = false;
        }
    }
    return all;
}

// Adds every document in the order given (the list places each by its sort state) and, with
// --scan, the files it links to. The scans switch the file index's tag removal.
void FillSourceList(SourceList& list, const CommandLine& line, Settings& settings) {
    const SourceOptions options = MakeSourceOptions(settings);
    for (const std::string& path : line.arguments) {
        const Text document = FromUtf8(path);
        AddSourceFile(list, document, options);
        if (line.scan)
            ApplyScanResult(settings, ScanDocumentLinks(list, document, options));
    }
}

void PrintSourceList(std::ostream& out, const SourceList& list) {
    for (const SourceRow& row : list.rows()) {
        Print(out, SourceRowLine(row));
        out << "\r\n";
    }
}

// --list and --summary print instead of running; true when one of them did. The summary is
// only built when it is asked for.
template <typename MakeSummary>
bool PrintedListOrSummary(const CommandLine& line, const SourceList& list,
                          const MakeSummary& summary, std::ostream& out) {
    if (!line.listOnly && !line.summaryOnly)
        return false;
    if (line.listOnly) {
        PrintSourceList(out, list);
    } else {
        Print(out, summary());
        out << "\r\n";
    }
    FinishStandardOutput(out);
    return true;
}

void WriteOutput(const CommandLine& line, const Settings& settings, TextView output,
                 std::ostream& out) {
    if (line.outputPath.empty()) {
        Print(out, output);
        FinishStandardOutput(out);
        return;
    }
    WriteTextFile(output, line.outputPath, OutputSettingsFor(line, settings));
}

Settings FileIndexSettings(const CommandLine& line) {
    return SettingsFromArguments(line,
                                 AddToControls{ui::tprog::dkt_integrieren, ui::tprog::dkt_index});
}

}  // namespace

int RunFilesCommand(const CommandLine& line, Streams io) {
    Settings settings = FileIndexSettings(line);
    if (!AllDocumentsExist(line, io.err))
        return 1;
    FileIndexSession session;
    FillSourceList(session.sources(), line, settings);
    const auto summary = [&] {
        return FileIndexSummary(MakeFileIndexSummaryInput(settings, line.language), line.language);
    };
    if (PrintedListOrSummary(line, session.sources(), summary, io.out))
        return 0;
    PrintNumericSettingWarnings(settings, NumericUse::FileIndex, io.err);
    const ReadContext context = MakeReadContext(line, io.err);
    const WordLists lists = LoadWordLists(line, context);
    const LocaleCollator collator;
    FileIndexOptions options = MakeFileIndexOptions(settings);
    // The page is written from the finished store in pieces, never held as one text.
    options.buildOutputText = !options.htmlOutput;
    session.Run(options,
                {.lists = lists,
                 .collator = collator,
                 .language = line.language,
                 .progress = ProgressFor(line, io.err)},
                context);
    if (options.htmlOutput) {
        const HtmlDesign design = EffectiveHtmlDesign(options.htmlDesign, options.useDesign);
        const auto producePage = [&](const TextWriter& write) {
            WriteHtmlIndexInPieces(session.store(), design, line.language, options.threads, write);
        };
        if (line.outputPath.empty()) {
            producePage([&io](TextView piece) { Print(io.out, piece); });
            FinishStandardOutput(io.out);
        } else {
            WriteTextFileInPieces(producePage, line.outputPath, OutputSettingsFor(line, settings));
        }
    } else {
        WriteOutput(line, settings, session.output(), io.out);
    }
    if (!line.indexPath.empty()) {
        SaveFileIndex(session.store(), line.indexPath, OutputSettingsFor(line, settings));
    }
    // Freeing hundreds of thousands of entries one by one would only delay the end of the process.
    if (io.leftForExit != nullptr)
        io.leftForExit->push_back(std::make_shared<const FileIndexSession>(std::move(session)));
    return 0;
}

int RunKeywordsCommand(const CommandLine& line, Streams io) {
    Settings settings = SettingsFromArguments(line, std::nullopt);
    if (!AllDocumentsExist(line, io.err))
        return 1;
    KeywordIndexSession session;
    FillSourceList(session.sources(), line, settings);
    const auto summary = [&] {
        return KeywordSummary(MakeKeywordOptions(settings), line.language);
    };
    if (PrintedListOrSummary(line, session.sources(), summary, io.out))
        return 0;
    PrintNumericSettingWarnings(settings, NumericUse::KeywordIndex, io.err);
    const ReadContext context = MakeReadContext(line, io.err);
    const WordLists lists = LoadWordLists(line, context);
    const LocaleCollator collator;
    session.Run(MakeKeywordOptions(settings),
                {.lists = lists,
                 .collator = collator,
                 .language = line.language,
                 .progress = ProgressFor(line, io.err)},
                context);
    WriteOutput(line, settings, session.output(), io.out);
    return 0;
}

}  // namespace lexorim::cli
