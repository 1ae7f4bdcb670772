#include "cli/commands.h"

#include "cli/cli_support.h"
#include "cli/config_commands.h"
#include "cli/index_commands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <iostream>
#include <iterator>

#include "cli/setting_warnings.h"
#include "engine/collation.h"
#include "engine/errors.h"
#include "engine/html_cleaning.h"
#include "engine/index_store.h"
#include "indexing/index_file.h"
#include "settings/draft_settings.h"
#include "settings/run_options.h"
#include "settings/settings.h"
#include "textfiles/file_access.h"
#include "textfiles/source_limits.h"
#include "textfiles/text_reader.h"
#include "textfiles/text_writer.h"
#include "textfiles/word_documents.h"
#include "textindex/empty_result_hints.h"
#include "textindex/page_designations.h"
#include "textindex/text_index_output.h"
#include "textindex/text_index_run.h"
#include "textindex/text_index_session.h"
#include "textindex/text_index_source.h"
#include "textindex/text_index_summary.h"

namespace lexorim::cli {

namespace {

Settings SettingsFrom(const CommandLine& line) {
    return SettingsFromArguments(line,
                                 AddToControls{ui::tprog::kt_integrieren, ui::tprog::kt_index});
}

// True when standard input is a plain file with more left in it than the text source limit,
// which is then refused before anything is read.
bool StandardInputFileIsTooLarge(const std::istream& in) {
    if (&in != &std::cin)
        return false;
    struct stat status {};
    if (::fstat(STDIN_FILENO, &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    const off_t position = ::lseek(STDIN_FILENO, 0, SEEK_CUR);
    const off_t left = status.st_size - std::max<off_t>(position, 0);
    return left > static_cast<off_t>(kMaxTextSourceBytes);
}

// Standard input is read like a file: up to the text source limit, with the system's reason
// when it cannot be read (a folder, a closed descriptor).
Text ReadStandardInput(std::istream& in) {
    const auto fail = [](int error) -> UserError {
        return UserError(u"Cannot read standard input. " + SystemReason(error));
    };
    const auto tooLarge = [] {
        return UserError(u"Cannot read standard input. " + TooLargeReason());
    };
    if (StandardInputFileIsTooLarge(in))
        throw tooLarge();
    std::string bytes;
    std::string chunk(size_t{1} << 16, '\0');
    for (;;) {
        errno = 0;
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto count = static_cast<size_t>(in.gcount());
        if (bytes.size() + count > kMaxTextSourceBytes) {
            throw tooLarge();
        }
        bytes.append(chunk.data(), count);
        if (in.bad()) {
            throw fail(errno != 0 ? errno : EIO);
        }
        if (!in) {
            break;
        }
    }
    try {
        return DecodeDetectedText(bytes);
    } catch (const InvalidUtf7&) {
        throw UserError(u"Cannot read standard input. Invalid UTF7");
    }
}

// Reads SOURCE (a file, or standard input for "-" or nothing) and records it in the settings
// the way the source step would.
bool SourceIsStandardInput(const CommandLine& line) {
    return line.arguments.empty() || line.arguments[0] == "-";
}

void RecordSource(const CommandLine& line, Settings& settings) {
    if (SourceIsStandardInput(line)) {
        settings.Set(ui::tprog::qu_text, u"1");
    } else {
        settings.Set(ui::tprog::qu_datei, u"1");
        settings.Set(ui::tprog::edit_quelle, FromUtf8(line.arguments[0]));
    }
}

TextIndexSource ReadSource(const CommandLine& line, Settings& settings, std::istream& in,
                           const ReadContext& context) {
    RecordSource(line, settings);
    if (SourceIsStandardInput(line))
        return TextIndexSourceFromText(ReadStandardInput(in));
    return ReadTextIndexSource(line.arguments[0], context, MakeDraftOptions(settings));
}

// Says on standard error why the index will be empty and what to try; the run goes on as asked.
void PrintEmptyResultHint(const TextIndexSession& session, const TextIndexOptions& options,
                          Language language, std::ostream& err) {
    const EmptyResultFacts facts = session.EmptyResultFactsFor(options.lineMode);
    const std::optional<Text> hint = EmptyResultHint(facts, language);
    if (!hint) {
        return;
    }
    err << ToUtf8(*hint) << '\n';
    if (!facts.isDocument) {
        err << "  lexorim-cli: --set sz_zeilezuseite=1, or --set sz_laenge=N / sz_zeichbeginn=1 "
               "sz_zeichen=MARK\n";
    }
}

// Without a SOURCE, a configuration that chose a source file names it.
CommandLine WithConfiguredSource(const CommandLine& line, const Settings& settings) {
    CommandLine effective = line;
    const Text& configured = settings.Value(ui::tprog::edit_quelle);
    if (line.arguments.empty() && !line.configPaths.empty() && settings.IsOn(ui::tprog::qu_datei) &&
        !configured.empty()) {
        effective.arguments.push_back(ToUtf8(configured));
    }
    return effective;
}

int RunTextCommand(const CommandLine& given, Streams io) {
    Settings settings = SettingsFrom(given);
    const CommandLine line = WithConfiguredSource(given, settings);
    const ReadContext context = MakeReadContext(line, io.err);
    if (line.summaryOnly) {
        RecordSource(line, settings);
        Print(io.out, TextIndexSummary(MakeTextIndexSummaryInput(settings), line.language));
        io.out << "\r\n";
        FinishStandardOutput(io.out);
        return 0;
    }
    PrintNumericSettingWarnings(settings, NumericUse::TextIndex, io.err);
    if (!line.addToIndexPath.empty()) {
        if (const std::string warning = AddToIndexWarning(line.addToIndexPath, context);
            !warning.empty()) {
            io.err << "lexorim-cli: warning: " << warning << '\n';
        }
    }
    TextIndexSource source = ReadSource(line, settings, io.in, context);
    TextIndexSession session;
    session.SetSource(std::move(source));
    const WordLists lists = LoadWordLists(line, context);
    const OutputSettings outputSettings = OutputSettingsFor(line, settings);
    TextIndexOptions options = MakeTextIndexOptions(settings);
    // The output is written from the finished store in pieces, never held as one text.
    options.buildOutputText = false;
    const DesignationCriteria criteria = MakeDesignationCriteria(settings);
    session.RefreshDesignationsIfStale(criteria, options.lineMode);
    PrintEmptyResultHint(session, options, line.language, io.err);
    const LocaleCollator collator;
    // What the run would free last goes with the process, like the session below.
    const auto leaveUntilExit = [&io](std::shared_ptr<const void> left) {
        if (io.leftForExit != nullptr)
            io.leftForExit->push_back(std::move(left));
    };
    session.Run(options, criteria,
                {.lists = lists,
                 .collator = collator,
                 .language = line.language,
                 .progress = ProgressFor(line, io.err),
                 .leaveUntilExit = leaveUntilExit},
                TextIndexSession::SourceAfterRun::Release);
    const TextIndexDesign design = options.useDesign ? options.design : TextIndexDesign{};
    const auto produceOutput = [&](const TextWriter& write) {
        WriteTextIndexOutputInPieces(session.store(), design, write);
    };
    if (line.outputPath.empty()) {
        produceOutput([&io](TextView piece) { Print(io.out, piece); });
        FinishStandardOutput(io.out);
    } else {
        WriteTextFileInPieces(produceOutput, line.outputPath, outputSettings);
    }
    if (!line.indexPath.empty()) {
        WriteTextFile(BuildIndexFileText(session.store()), IndexFileName(line.indexPath),
                      outputSettings);
    }
    // Freeing millions of entries one by one would only delay the end of the process.
    if (io.leftForExit != nullptr) {
        io.leftForExit->push_back(std::make_shared<const TextIndexSession>(std::move(session)));
    }
    return 0;
}

// The pages of designation mode: a document's own pages and page numbers where the document
// has them, otherwise the short number lines found in the text.
int RunDesignationsCommand(const CommandLine& line, Streams io) {
    const Settings settings = SettingsFrom(line);
    if (settings.IsOn(ui::tprog::sz_zeilezuseite))
        return 0;
    TextIndexSession session;
    session.SetSource(ReadTextIndexSource(line.arguments[0], MakeReadContext(line, io.err),
                                          MakeDraftOptions(settings)));
    session.RefreshDesignationsIfStale(MakeDesignationCriteria(settings), false);
    for (const Text& item : session.designations()) {
        Print(io.out, item);
        io.out << "\r\n";
    }
    FinishStandardOutput(io.out);
    return 0;
}

int RunStripHtmlCommand(const CommandLine& line, Streams io) {
    Print(io.out, RemoveHtmlTags(ReadTextFile(line.arguments[0], MakeReadContext(line, io.err))));
    FinishStandardOutput(io.out);
    return 0;
}

std::string FormatName(const std::string& path) {
    switch (DetectDocumentFormat(path)) {
        case DocumentFormat::Doc:
            return "DOC";
        case DocumentFormat::Docx:
            return "DOCX";
        case DocumentFormat::Odt:
            return "ODT";
        case DocumentFormat::Pdf:
            return "PDF";
        case DocumentFormat::Rtf:
            return "RTF";
        case DocumentFormat::None:
            break;
    }
    return ToUtf8(EncodingName(DetectEncoding(path)));
}

int RunDetectCommand(const CommandLine& line, Streams io) {
    int status = 0;
    for (const std::string& path : line.arguments) {
        // Opening the file gives the same reason that reading it would.
        try {
            const InputFile file(path);
        } catch (const UserError& error) {
            io.err << error.what() << '\n';
            status = 1;
            continue;
        }
        io.out << FormatName(path) << '\t' << path << '\n';
    }
    FinishStandardOutput(io.out);
    return status;
}

int RunConvertCommand(const CommandLine& line, Streams io) {
    const Settings settings = SettingsFrom(line);
    const Text text = ReadTextFile(line.arguments[0], MakeReadContext(line, io.err));
    WriteTextFile(text, line.outputPath, OutputSettingsFor(line, settings));
    return 0;
}

}  // namespace

int RunCommand(const CommandLine& line, Streams streams) {
    if (line.command == "text")
        return RunTextCommand(line, streams);
    if (line.command == "designations")
        return RunDesignationsCommand(line, streams);
    if (line.command == "strip-html")
        return RunStripHtmlCommand(line, streams);
    if (line.command == "detect")
        return RunDetectCommand(line, streams);
    if (line.command == "convert")
        return RunConvertCommand(line, streams);
    if (line.command == "config")
        return RunConfigCommand(line, streams);
    if (line.command == "txt2idx")
        return RunTxt2IdxCommand(line, SettingsFrom(line), streams);
    if (line.command == "paginate")
        return RunPaginateCommand(line, SettingsFrom(line), streams);
    if (line.command == "files")
        return RunFilesCommand(line, streams);
    if (line.command == "keywords")
        return RunKeywordsCommand(line, streams);
    throw UsageError("unknown command " + line.command);
}

}  // namespace lexorim::cli
