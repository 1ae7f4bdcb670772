#include "textfiles/document_layout.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "engine/errors.h"
#include "engine/run_progress.h"
#include "textfiles/file_access.h"

extern char** environ;

namespace lexorim {

namespace fs = std::filesystem;

namespace {

constexpr std::chrono::seconds kDefaultTimeLimit{120};
constexpr std::chrono::milliseconds kPollInterval{20};

[[noreturn]] void FailLayout(const std::string& path, TextView reason) {
    throw UserError(LayoutErrorText(path, reason));
}

bool IsExecutableFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::string> FindProgram(const std::string& program) {
    if (program.find('/') != std::string::npos) {
        return IsExecutableFile(program) ? std::optional(program) : std::nullopt;
    }
    const char* const searchPath = std::getenv("PATH");
    const std::string folders = searchPath != nullptr ? searchPath : "/usr/bin:/bin";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) {
            end = folders.size();
        }
        const std::string folder = folders.substr(start, end - start);
        const fs::path candidate = fs::path(folder.empty() ? "." : folder) / program;
        if (IsExecutableFile(candidate)) {
            return candidate.string();
        }
        start = end + 1;
    }
    return std::nullopt;
}

namespace {

// A folder of its own in the system's temporary folder, removed with its content at the end.
class ScratchFolder {
  public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "lexorim-layout-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw UserError(u"Cannot create a temporary folder. " + SystemReason(errno));
        }
        path_ = pattern;
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

struct SpawnSettings {
    SpawnSettings() {
        posix_spawn_file_actions_init(&actions);
        posix_spawnattr_init(&attributes);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
};

// A started program in a process group of its own, so that the helpers it starts end with it.
// A program still running when the object goes is stopped.
class ChildProgram {
  public:
    ChildProgram(std::vector<std::string> arguments, const fs::path& logFile) {
        SpawnSettings spawn;
        posix_spawn_file_actions_addopen(&spawn.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&spawn.actions, STDOUT_FILENO, logFile.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&spawn.actions, STDOUT_FILENO, STDERR_FILENO);
        posix_spawnattr_setpgroup(&spawn.attributes, 0);
        posix_spawnattr_setflags(&spawn.attributes, POSIX_SPAWN_SETPGROUP);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        const int error =
            posix_spawn(&pid_, argv[0], &spawn.actions, &spawn.attributes, argv.data(), environ);
        if (error != 0) {
            pid_ = -1;
            startError_ = error;
        }
    }
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;
    ~ChildProgram() {
        if (pid_ > 0) {
            Stop();
        }
    }

    int startError() const { return startError_; }

    // The wait status once the program has ended within the time limit; nothing when it was
    // stopped because it took longer. Each time `madeProgress` answers true, the time limit
    // starts again.
    std::optional<int> WaitAtMost(std::chrono::seconds limit, const std::atomic<bool>* cancel,
                                  const std::function<bool()>& madeProgress = {}) {
        auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
                Stop();
                throw RunCancelled();
            }
            int status = 0;
            const pid_t done = ::waitpid(pid_, &status, WNOHANG);
            if (done == pid_) {
                // Helpers the program left behind in its group have no work left to finish.
                ::kill(-pid_, SIGKILL);
                pid_ = -1;
                return status;
            }
            if (done < 0 && errno != EINTR) {
                pid_ = -1;
                return -1;
            }
            if (madeProgress && madeProgress()) {
                deadline = std::chrono::steady_clock::now() + limit;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                Stop();
                return std::nullopt;
            }
            std::this_thread::sleep_for(kPollInterval);
        }
    }

  private:
    void Stop() {
        ::kill(-pid_, SIGKILL);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }

    pid_t pid_ = -1;
    int startError_ = 0;
};

// The last lines the program wrote, as a hint to what went wrong.
Text LogTail(const fs::path& logFile) {
    std::error_code error;
    if (!fs::is_regular_file(logFile, error)) {
        return {};
    }
    std::string log = ReadFileBytes(logFile.string());
    constexpr size_t kTail = 300;
    if (log.size() > kTail) {
        log.erase(0, log.size() - kTail);
    }
    Text tail = FromUtf8(log);
    for (char16_t& c : tail) {
        if (c < u' ') {
            c = u' ';
        }
    }
    return Text(TrimBlanksAndControls(tail));
}

// The office program picks the import filter by the file's content; the copy keeps the
// extension as a hint and gets a name that can never read as an option.
fs::path CopyName(const std::string& path, const fs::path& folder, const std::string& stem) {
    std::string extension = fs::path(path).extension().string();
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folder / (stem + extension);
}

fs::path CopyIntoFolder(const std::string& path, const fs::path& folder) {
    const fs::path copy = CopyName(path, folder, "document");
    std::error_code error;
    fs::copy_file(path, copy, error);
    if (error) {
        ReadFileBytes(path);  // throws "Cannot open file" with the system's reason
        FailLayout(path, FromUtf8(error.message()) + u".");
    }
    return copy;
}

std::string FileUrl(const fs::path& path) {
    std::string url = "file://";
    for (const unsigned char c : path.string()) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            url += static_cast<char>(c);
        } else {
            static constexpr char kHex[] = "0123456789ABCDEF";
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 15];
        }
    }
    return url;
}

// $LEXORIM_SOFFICE, or nothing when it is not set or empty.
std::optional<std::string> ConfiguredProgram() {
    const char* const configured = std::getenv("LEXORIM_SOFFICE");
    if (configured != nullptr && *configured != '\0') {
        return std::string(configured);
    }
    return std::nullopt;
}

// Why `program`, named with a path or as a name on the search path, cannot be started.
Text WhyNotStartable(Language language, const std::string& program) {
    const Text quoted = u"\"" + FromUtf8(program) + u"\" ";
    if (program.find('/') == std::string::npos) {
        return quoted + Text(Choose(language, u"wurde im Suchpfad nicht gefunden.",
                                    u"was not found on the search path."));
    }
    std::error_code error;
    if (!fs::exists(program, error)) {
        return quoted + Text(Choose(language, u"gibt es nicht.", u"does not exist."));
    }
    return quoted + Text(Choose(language, u"ist kein ausführbares Programm.",
                                u"is not an executable program."));
}

}  // namespace

std::optional<std::string> FindLayoutProgram() {
    return FindProgram(ConfiguredProgram().value_or("soffice"));
}

std::optional<Text> ConfiguredLayoutProgramProblem(Language language) {
    const std::optional<std::string> configured = ConfiguredProgram();
    if (!configured || FindProgram(*configured)) {
        return std::nullopt;
    }
    return Text(Choose(language, u"LibreOffice konnte nicht gestartet werden: ",
                       u"LibreOffice could not be started: ")) +
           WhyNotStartable(language, *configured);
}

std::chrono::seconds LayoutTimeLimit() {
    const char* const configured = std::getenv("LEXORIM_LAYOUT_SECONDS");
    if (configured != nullptr) {
        char* end = nullptr;
        const long seconds = std::strtol(configured, &end, 10);
        if (end != configured && *end == '\0' && seconds > 0) {
            return std::chrono::seconds(seconds);
        }
    }
    return kDefaultTimeLimit;
}

namespace {

// The office program's command line that converts `sources` into PDFs in `output`, with a
// private profile in `scratch`.
std::vector<std::string> ConversionArguments(const std::string& program, const fs::path& scratch,
                                             const fs::path& output,
                                             const std::vector<fs::path>& sources) {
    std::vector<std::string> arguments{program,
                                       "-env:UserInstallation=" + FileUrl(scratch / "profile"),
                                       "--headless",
                                       "--invisible",
                                       "--norestore",
                                       "--nolockcheck",
                                       "--nodefault",
                                       "--convert-to",
                                       "pdf:writer_pdf_Export",
                                       "--outdir",
                                       output.string()};
    for (const fs::path& source : sources) {
        arguments.push_back(source.string());
    }
    return arguments;
}

// The number of files in `folder`.
size_t FilesIn(const fs::path& folder) {
    std::error_code error;
    size_t count = 0;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        ++count;
    }
    return count;
}

// The PDFs one start of the office program makes of `paths`, nothing for a document it made
// none for; nothing at all when the batch failed as a whole. Each copy gets a numbered name, so
// documents of the same name from different folders keep apart.
std::vector<std::optional<std::string>> LayOutInOneProcess(const std::vector<std::string>& paths,
                                                           const std::string& program,
                                                           std::chrono::seconds timeLimit,
                                                           const std::atomic<bool>* cancel) {
    std::vector<std::optional<std::string>> pdfs(paths.size());
    std::optional<ScratchFolder> scratch;
    try {
        scratch.emplace();
    } catch (const UserError&) {
        return pdfs;  // each document alone then reports the temporary folder
    }
    const fs::path output = scratch->path() / "pages";
    std::vector<fs::path> sources;
    std::vector<size_t> copied;
    for (size_t i = 0; i < paths.size(); ++i) {
        const fs::path copy = CopyName(paths[i], scratch->path(), "document-" + std::to_string(i));
        std::error_code error;
        if (fs::copy_file(paths[i], copy, error) && !error) {
            sources.push_back(copy);
            copied.push_back(i);
        }
    }
    if (sources.empty()) {
        return pdfs;
    }
    ChildProgram office(ConversionArguments(program, scratch->path(), output, sources),
                        scratch->path() / "log.txt");
    if (office.startError() != 0) {
        return pdfs;
    }
    // The limit is per document: the batch may go on as long as PDFs keep coming.
    size_t made = 0;
    const std::optional<int> status = office.WaitAtMost(timeLimit, cancel, [&output, &made] {
        const size_t now = FilesIn(output);
        const bool more = now > made;
        made = now;
        return more;
    });
    if (!status || !WIFEXITED(*status)) {
        return pdfs;
    }
    for (const size_t i : copied) {
        const fs::path pdf = output / ("document-" + std::to_string(i) + ".pdf");
        std::error_code error;
        if (fs::is_regular_file(pdf, error)) {
            try {
                pdfs[i] = ReadFileBytes(pdf.string());
            } catch (const UserError&) {
                // left to the document's own layout, which reports what goes wrong
            }
        }
    }
    return pdfs;
}

}  // namespace

std::vector<LayoutOutcome> LayOutAllAsPdf(const std::vector<std::string>& paths,
                                          const std::string& program,
                                          std::chrono::seconds timeLimit,
                                          const std::atomic<bool>* cancel) {
    std::vector<std::optional<std::string>> pdfs(paths.size());
    if (paths.size() > 1) {
        pdfs = LayOutInOneProcess(paths, program, timeLimit, cancel);
    }
    std::vector<LayoutOutcome> outcomes;
    outcomes.reserve(paths.size());
    for (size_t i = 0; i < paths.size(); ++i) {
        if (pdfs[i]) {
            outcomes.emplace_back(std::move(*pdfs[i]));
            continue;
        }
        try {
            outcomes.emplace_back(LayOutAsPdf(paths[i], program, timeLimit, cancel));
        } catch (const UserError&) {
            outcomes.emplace_back(std::current_exception());
        }
    }
    return outcomes;
}

void LaidOutDocuments::Add(const std::string& path, LayoutOutcome outcome, size_t uses) {
    const std::lock_guard lock(mutex_);
    entries_[path] = Entry{std::move(outcome), uses};
}

bool LaidOutDocuments::Holds(const std::string& path) const {
    const std::lock_guard lock(mutex_);
    return entries_.contains(path);
}

std::optional<std::string> LaidOutDocuments::Take(const std::string& path) {
    LayoutOutcome outcome;
    {
        const std::lock_guard lock(mutex_);
        const auto found = entries_.find(path);
        if (found == entries_.end()) {
            return std::nullopt;
        }
        if (--found->second.uses == 0) {
            outcome = std::move(found->second.outcome);
            entries_.erase(found);
        } else {
            outcome = found->second.outcome;
        }
    }
    if (const std::exception_ptr* error = std::get_if<std::exception_ptr>(&outcome)) {
        std::rethrow_exception(*error);
    }
    return std::move(std::get<std::string>(outcome));
}

std::string LayOutAsPdf(const std::string& path, const std::string& program,
                        std::chrono::seconds timeLimit, const std::atomic<bool>* cancel) {
    const ScratchFolder scratch;
    const fs::path source = CopyIntoFolder(path, scratch.path());
    const fs::path output = scratch.path() / "pages";
    const fs::path log = scratch.path() / "log.txt";
    ChildProgram office(ConversionArguments(program, scratch.path(), output, {source}), log);
    if (office.startError() != 0) {
        FailLayout(path, u"LibreOffice could not be started: \"" + FromUtf8(program) + u"\". " +
                             SystemReason(office.startError()));
    }
    const std::optional<int> status = office.WaitAtMost(timeLimit, cancel);
    if (!status) {
        FailLayout(path, u"LibreOffice did not finish within " +
                             DecimalText(static_cast<int64_t>(timeLimit.count())) + u" s.");
    }
    const fs::path pdf = output / "document.pdf";
    std::error_code error;
    if (!WIFEXITED(*status) || WEXITSTATUS(*status) != 0 || !fs::is_regular_file(pdf, error)) {
        Text reason =
            WIFEXITED(*status) && WEXITSTATUS(*status) != 0
                ? u"LibreOffice ended with status " + DecimalText(WEXITSTATUS(*status)) + u"."
                : Text(u"LibreOffice wrote no pages.");
        const Text tail = LogTail(log);
        if (!tail.empty()) {
            reason += u" " + tail;
        }
        FailLayout(path, reason);
    }
    return ReadFileBytes(pdf.string());
}

Text LayoutErrorText(const std::string& path, TextView reason) {
    return u"Cannot lay out the document \"" + FromUtf8(path) + u"\". " + Text(reason);
}

Text LayoutUnavailableWarning(Language language, const std::string& path) {
    const Text name = FromUtf8(fs::path(path).filename().string());
    const std::optional<Text> problem = ConfiguredLayoutProgramProblem(language);
    const Text reason = problem ? *problem
                                : Text(Choose(language, u"LibreOffice ist nicht installiert.",
                                              u"LibreOffice is not installed."));
    const Text remedy =
        problem ? Text(Choose(language,
                              u"Für die gedruckten Seiten lassen Sie LEXORIM_SOFFICE ein "
                              u"vorhandenes Office-Programm nennen.",
                              u"For the printed pages, let LEXORIM_SOFFICE name an office "
                              u"program that exists."))
                : Text(Choose(language,
                              u"Für die gedruckten Seiten installieren Sie LibreOffice Writer "
                              u"(Paket libreoffice-writer-nogui).",
                              u"For the printed pages, install LibreOffice Writer (package "
                              u"libreoffice-writer-nogui)."));
    return Text(Choose(language, u"Hinweis: ", u"Note: ")) + reason +
           Text(Choose(language, u" Die Seiten von \"", u" The pages of \"")) + name +
           Text(Choose(language,
                       u"\" sind daher nur so genau, wie das Dokument selbst seine Seitenumbrüche "
                       u"verzeichnet. ",
                       u"\" are therefore only as exact as the page breaks the document records "
                       u"itself. ")) +
           remedy;
}

Text LayoutRequiredMessage(const std::string& path) {
    const Text start = u"Cannot read the document \"" + FromUtf8(path) +
                       u"\". RTF documents are read through LibreOffice";
    if (const std::optional<Text> problem = ConfiguredLayoutProgramProblem(Language::English)) {
        return start + u". " + *problem;
    }
    return start + u", which is not installed (package libreoffice-writer-nogui).";
}

}  // namespace lexorim
