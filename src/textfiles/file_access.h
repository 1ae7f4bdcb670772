#pragma once
// Reading a whole file and replacing a file safely, with the program's error texts.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "engine/text_helpers.h"

namespace lexorim {

// The extension of a path's file name (after its last "."), upper-cased; empty without one.
std::string UpperCaseExtension(const std::string& path);

// The system's reason text for an error number.
Text SystemReason(int errorNumber);

// The reason given for a file or standard input above the text source limit, naming the limit.
Text TooLargeReason();

// A file opened for reading, closed when the object goes. Every failure throws UserError
// `Cannot open file "PATH". REASON` (a folder cannot be opened, nor a file above the text source
// limit, whose reason is TooLargeReason()).
class InputFile {
  public:
    explicit InputFile(const std::string& path);
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;
    ~InputFile();

    // The size the system reports for a plain file; 0 for other kinds of file.
    size_t sizeHint() const { return sizeHint_; }
    // True for a plain file, which can be read again from its start.
    bool isPlainFile() const { return plainFile_; }

    // Reads up to `capacity` bytes; fewer only at the end of the file, 0 there.
    size_t read(char* buffer, size_t capacity);
    // The same from `offset` of a plain file, leaving the position of read() as it is; several
    // threads may call it at once.
    size_t readAt(char* buffer, size_t capacity, size_t offset) const;
    // Appends everything up to the end of the file.
    void readRest(std::string& bytes);
    // Goes back to the start of a plain file.
    void rewind();

  private:
    [[noreturn]] void fail(int errorNumber) const;
    [[noreturn]] void failTooLarge() const;

    std::string path_;
    int fd_ = -1;
    size_t sizeHint_ = 0;
    bool plainFile_ = false;
    size_t bytesRead_ = 0;
};

// The whole content of a file. Throws UserError `Cannot open file "PATH". REASON` when it cannot
// be opened or read (a folder cannot be opened either, nor a file above the source size limit).
std::string ReadFileBytes(const std::string& path);

// Writes `bytes` to a new temporary file in the target's folder and renames it over the target,
// so the old file stays intact until the new one is complete. An existing target keeps its
// permission bits; a symbolic link is followed and stays a link. A target that is no plain file
// (a device, a pipe) is written in place. Throws UserError
// `Cannot create file "PATH". REASON`; the temporary file is removed then.
void ReplaceFileContents(const std::string& path, std::string_view bytes);

// Receives the bytes to write, piece by piece.
using ByteWriter = std::function<void(std::string_view)>;
// The same, with the bytes made piece by piece by `produce` while they are written, so that a
// large text's encoded form is never held whole.
void ReplaceFileContents(const std::string& path,
                         const std::function<void(const ByteWriter&)>& produce);

}  // namespace lexorim
