#include "textfiles/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>

#include "engine/errors.h"
#include "engine/large_buffers.h"
#include "textfiles/source_limits.h"

namespace lexorim {

namespace {

// Every file is refused above the text source limit, which also keeps byte counts in 32 bits.
constexpr size_t kLargestFile = kMaxTextSourceBytes;

// Closes the descriptor when it goes out of scope unless it was closed explicitly.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now and gives the error number of a failed close (0 on success).
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

  private:
    int fd_;
};

[[noreturn]] void ThrowCannotOpen(const std::string& path, int errorNumber) {
    throw UserError(u"Cannot open file \"" + FromUtf8(path) + u"\". " + SystemReason(errorNumber));
}

[[noreturn]] void ThrowCannotCreate(const std::string& path, int errorNumber) {
    throw UserError(u"Cannot create file \"" + FromUtf8(path) + u"\". " +
                    SystemReason(errorNumber));
}

int WriteAll(int fd, std::string_view bytes);

// Writes every piece `produce` hands over; the error number of the first failed write (later
// pieces are then dropped), 0 on success. A failure of `produce` itself is passed on.
int WriteAllPieces(int fd, const std::function<void(const ByteWriter&)>& produce) {
    int error = 0;
    produce([&](std::string_view piece) {
        if (error == 0) {
            error = WriteAll(fd, piece);
        }
    });
    return error;
}

int WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        bytes.remove_prefix(static_cast<size_t>(count));
    }
    return 0;
}

// A name for the temporary file next to the target that no other file has; created with the
// usual permissions (0666 less the umask), or -1 with errno set.
int CreateTemporaryFile(const std::filesystem::path& folder, const std::string& targetName,
                        std::string& temporaryPath) {
    static thread_local std::mt19937_64 generator{std::random_device{}() ^
                                                  static_cast<uint64_t>(::getpid())};
    constexpr char kDigits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    // Leave room for the suffix within the system's limit for one name.
    const std::string stem = "." + targetName.substr(0, 200) + ".lexorim-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix(8, 'x');
        for (char& c : suffix) {
            c = kDigits[generator() % (sizeof kDigits - 1)];
        }
        temporaryPath = (folder / (stem + suffix + ".tmp")).string();
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// The file that is really written: a symbolic link is resolved so that the link itself stays.
std::string ResolveTarget(const std::string& path) {
    struct stat linkStatus {};
    if (::lstat(path.c_str(), &linkStatus) != 0 || !S_ISLNK(linkStatus.st_mode)) {
        return path;
    }
    const std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                               &std::free);
    return resolved ? std::string(resolved.get()) : path;
}

// Writes straight into the existing file; used where the target is no plain file (a device or
// a pipe must not be replaced by a file) and where the folder does not allow a new file but the
// file itself may be written.
void OverwriteInPlace(const std::string& path, const std::string& target,
                      const std::function<void(const ByteWriter&)>& bytes) {
    FileDescriptor file(::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
    if (file.get() < 0) {
        ThrowCannotCreate(path, errno);
    }
    if (const int error = WriteAllPieces(file.get(), bytes)) {
        ThrowCannotCreate(path, error);
    }
    if (const int error = file.close()) {
        ThrowCannotCreate(path, error);
    }
}

}  // namespace

std::string UpperCaseExtension(const std::string& path) {
    const size_t nameStart = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (nameStart != std::string::npos && dot < nameStart)) {
        return {};
    }
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return extension;
}

Text TooLargeReason() {
    return u"The file is larger than " + Text(kMaxTextSourceInWords) + u".";
}

Text SystemReason(int errorNumber) {
    char buffer[256];
    // The GNU variant returns the text, which may or may not live in the buffer.
    const char* const reason = ::strerror_r(errorNumber, buffer, sizeof buffer);
    return FromUtf8(reason);
}

InputFile::InputFile(const std::string& path) : path_(path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) {
        fail(errno);
    }
    struct stat status {};
    if (::fstat(fd_, &status) != 0) {
        const int error = errno;
        ::close(fd_);
        fail(error);
    }
    if (S_ISDIR(status.st_mode)) {
        ::close(fd_);
        fail(EISDIR);
    }
    if (status.st_size > static_cast<off_t>(kLargestFile)) {
        ::close(fd_);
        failTooLarge();
    }
    plainFile_ = S_ISREG(status.st_mode);
    sizeHint_ = plainFile_ ? static_cast<size_t>(status.st_size) : 0;
}

InputFile::~InputFile() {
    ::close(fd_);
}

void InputFile::fail(int errorNumber) const {
    ThrowCannotOpen(path_, errorNumber);
}

void InputFile::failTooLarge() const {
    throw UserError(u"Cannot open file \"" + FromUtf8(path_) + u"\". " + TooLargeReason());
}

namespace {

// Reads with `readSome(at, wanted, filled)` until `capacity` bytes are in or the file ends, going
// on after an interruption. A failed read gives its error number, as a negative count.
template <typename ReadSome>
ssize_t ReadFully(char* buffer, size_t capacity, const ReadSome& readSome) {
    size_t filled = 0;
    while (filled < capacity) {
        const ssize_t count = readSome(buffer + filled, capacity - filled, filled);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return -errno;
        if (count == 0)
            break;
        filled += static_cast<size_t>(count);
    }
    return static_cast<ssize_t>(filled);
}

}  // namespace

size_t InputFile::read(char* buffer, size_t capacity) {
    const ssize_t count = ReadFully(buffer, capacity, [this](char* at, size_t wanted, size_t) {
        return ::read(fd_, at, wanted);
    });
    if (count < 0)
        fail(static_cast<int>(-count));
    const auto filled = static_cast<size_t>(count);
    bytesRead_ += filled;
    // A file that grew beyond the limit while it was read (or reports no size).
    if (bytesRead_ > kLargestFile) {
        failTooLarge();
    }
    return filled;
}

size_t InputFile::readAt(char* buffer, size_t capacity, size_t offset) const {
    const ssize_t count =
        ReadFully(buffer, capacity, [this, offset](char* at, size_t wanted, size_t filled) {
            return ::pread(fd_, at, wanted, static_cast<off_t>(offset + filled));
        });
    if (count < 0)
        fail(static_cast<int>(-count));
    return static_cast<size_t>(count);
}

void InputFile::readRest(std::string& bytes) {
    // First as much as the system says is left, then in steps for a file that grows or whose
    // size is not known in advance.
    const size_t start = bytes.size();
    const size_t expected = sizeHint_ > bytesRead_ ? sizeHint_ - bytesRead_ : 0;
    ReserveLarge(bytes, start + expected);
    bytes.resize(start + expected);
    const size_t count = read(bytes.data() + start, expected);
    bytes.resize(start + count);
    if (count < expected) {
        return;
    }
    char chunk[65536];
    while (const size_t more = read(chunk, sizeof chunk)) {
        bytes.append(chunk, more);
    }
}

void InputFile::rewind() {
    if (::lseek(fd_, 0, SEEK_SET) != 0) {
        fail(errno);
    }
    bytesRead_ = 0;
}

std::string ReadFileBytes(const std::string& path) {
    InputFile file(path);
    std::string bytes;
    file.readRest(bytes);
    return bytes;
}

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
    ReplaceFileContents(path, [bytes](const ByteWriter& write) { write(bytes); });
}

void ReplaceFileContents(const std::string& path,
                         const std::function<void(const ByteWriter&)>& bytes) {
    if (path.empty()) {
        ThrowCannotCreate(path, ENOENT);
    }
    const std::string target = ResolveTarget(path);
    struct stat oldStatus {};
    const bool targetExists = ::stat(target.c_str(), &oldStatus) == 0;
    if (targetExists && S_ISDIR(oldStatus.st_mode)) {
        ThrowCannotCreate(path, EISDIR);
    }
    if (targetExists && !S_ISREG(oldStatus.st_mode)) {
        OverwriteInPlace(path, target, bytes);
        return;
    }
    const std::filesystem::path targetPath(target);
    if (!targetPath.has_filename()) {
        ThrowCannotCreate(path, EISDIR);
    }
    const std::filesystem::path folder =
        targetPath.has_parent_path() ? targetPath.parent_path() : std::filesystem::path(".");

    std::string temporaryPath;
    FileDescriptor file(CreateTemporaryFile(folder, targetPath.filename().string(), temporaryPath));
    if (file.get() < 0) {
        const int error = errno;
        if (targetExists && (error == EACCES || error == EPERM)) {
            OverwriteInPlace(path, target, bytes);
            return;
        }
        ThrowCannotCreate(path, error);
    }
    const auto failWith = [&](int error) {
        ::unlink(temporaryPath.c_str());
        ThrowCannotCreate(path, error);
    };
    if (targetExists) {
        // The new file replaces the old one, so it takes over its permissions and, where the
        // system allows it, its owner and group.
        if (::fchmod(file.get(), oldStatus.st_mode & 07777) != 0) {
            failWith(errno);
        }
        if (oldStatus.st_uid != ::geteuid() || oldStatus.st_gid != ::getegid()) {
            [[maybe_unused]] const int ignored =
                ::fchown(file.get(), oldStatus.st_uid, oldStatus.st_gid);
        }
    }
    int error = 0;
    try {
        error = WriteAllPieces(file.get(), bytes);
    } catch (...) {
        // A text that could not be made leaves no half-written temporary file behind.
        ::unlink(temporaryPath.c_str());
        throw;
    }
    if (error != 0) {
        failWith(error);
    }
    // The content must be on the disk before the rename makes it the file.
    if (::fsync(file.get()) != 0) {
        failWith(errno);
    }
    if (const int error = file.close()) {
        failWith(error);
    }
    if (::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        failWith(errno);
    }
}

}  // namespace lexorim
