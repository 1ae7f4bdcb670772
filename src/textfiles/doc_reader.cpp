// DOC files (the binary Word format) read through the antiword program.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <vector>

#include "textfiles/document_error.h"
#include "textfiles/internal/document_pages.h"
#include "textfiles/internal/document_readers.h"
#include "textfiles/source_limits.h"

extern char** environ;

namespace lexorim {

namespace {

// A file descriptor closed when it goes out of scope.
class FileDescriptor {
  public:
    FileDescriptor() = default;
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }
    int get() const { return fd_; }
    void Close() {
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }

  private:
    int fd_ = -1;
};

struct SpawnActions {
    SpawnActions() { posix_spawn_file_actions_init(&actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    posix_spawn_file_actions_t actions;
};

// Everything the program writes, or nothing once it writes more than the source size limit.
std::optional<std::string> ReadAll(int fd) {
    std::string output;
    std::array<char, 64 * 1024> chunk;
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            break;
        }
        if (output.size() + static_cast<size_t>(got) > kMaxDocumentTextSize) {
            return std::nullopt;
        }
        output.append(chunk.data(), static_cast<size_t>(got));
    }
    return output;
}

int WaitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return status;
}

}  // namespace

std::optional<std::string> RunAntiword(const std::string& path) {
    std::array<int, 2> pipeEnds{};
    if (::pipe2(pipeEnds.data(), O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    FileDescriptor readEnd(pipeEnds[0]);
    FileDescriptor writeEnd(pipeEnds[1]);

    SpawnActions spawn;
    posix_spawn_file_actions_adddup2(&spawn.actions, writeEnd.get(), STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&spawn.actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&spawn.actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);

    // No shell: the path goes to antiword as one argument whatever characters it holds. The
    // width 0 keeps every paragraph on one line.
    std::string program = "antiword";
    std::string mapping = "-m";
    std::string mappingFile = "UTF-8.txt";
    std::string width = "-w";
    std::string widthValue = "0";
    // A relative path that starts with "-" would read as an option.
    std::string file = path.starts_with('-') ? "./" + path : path;
    std::vector<char*> argv = {program.data(), mapping.data(),    mappingFile.data(),
                               width.data(),   widthValue.data(), file.data(),
                               nullptr};

    pid_t pid = 0;
    if (posix_spawnp(&pid, program.c_str(), &spawn.actions, nullptr, argv.data(), environ) != 0) {
        return std::nullopt;
    }
    writeEnd.Close();
    std::optional<std::string> output = ReadAll(readEnd.get());
    if (!output) {
        ::kill(pid, SIGKILL);
        WaitFor(pid);
        throw DocumentProblemError(DocumentProblem::TooLarge, "DOC");
    }
    const int status = WaitFor(pid);
    if (status < 0 || !WIFEXITED(status)) {
        return std::string();
    }
    // The shell's code for "command not found" when antiword is a broken wrapper.
    if (WEXITSTATUS(status) == 127) {
        return std::nullopt;
    }
    if (WEXITSTATUS(status) != 0) {
        return std::string();
    }
    return std::move(*output);
}

DocumentPages PagesFromAntiwordOutput(std::string_view output) {
    DocumentPages result;
    Text page;
    for (const char16_t c : FromUtf8(output)) {
        if (c == u'\f') {
            result.pages.push_back(std::move(page));
            page.clear();
        } else if (c == u'\n') {
            page += kParagraphMark;
        } else if (c != u'\r') {
            page += c;
        }
    }
    // A form feed at the very end starts no further page.
    if (!page.empty() || result.pages.empty()) {
        result.pages.push_back(std::move(page));
    }
    return result;
}

}  // namespace lexorim
