#pragma once
// Laying word-processor documents out into printed pages with LibreOffice, started headless
// for one document or for a whole batch. The pages come back as a PDF, which the PDF reader
// turns into page texts.

#include <atomic>
#include <chrono>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "engine/language.h"
#include "engine/text_helpers.h"

namespace lexorim {

// The path of `program`: itself when it holds a "/", else its place on $PATH; nothing when
// there is no executable file there.
std::optional<std::string> FindProgram(const std::string& program);

// The office program that lays documents out: $LEXORIM_SOFFICE when it is set (a path or a
// program name), else "soffice" on the search path. Nothing when it cannot be found.
std::optional<std::string> FindLayoutProgram();

// Why the office program that $LEXORIM_SOFFICE names cannot be started, e.g. `LibreOffice
// could not be started: "/opt/x/soffice" does not exist.`; nothing when the variable is not set
// or names a program that can be started.
std::optional<Text> ConfiguredLayoutProgramProblem(Language language);

// How long one document may take before the layout is given up: $LEXORIM_LAYOUT_SECONDS when
// it holds a positive number, else two minutes.
std::chrono::seconds LayoutTimeLimit();

// The PDF bytes of the document at `path` as the office program lays it out. Runs `program`
// with a private profile folder in the system's temporary folder, which is removed afterwards,
// so that an office program the user has open is neither disturbed nor used. Throws UserError
// `Cannot lay out the document "PATH". REASON` when the program fails, takes longer than
// `timeLimit` (it is then stopped) or writes no PDF.
// When `cancel` is set while the program runs, the program is stopped and RunCancelled thrown.
std::string LayOutAsPdf(const std::string& path, const std::string& program,
                        std::chrono::seconds timeLimit, const std::atomic<bool>* cancel = nullptr);

// The outcome of one document's layout: its PDF bytes, or the error LayOutAsPdf throws for it.
using LayoutOutcome = std::variant<std::string, std::exception_ptr>;

// The layout of every document at `paths` with one start of `program`, each outcome exactly
// what LayOutAsPdf gives that document alone. A document the batch brings no PDF for is laid
// out alone, so that it gets its own error; when the batch fails as a whole (it cannot be
// started, is killed, or stops making progress for `timeLimit`), every document is.
// When `cancel` is set, the program is stopped and RunCancelled thrown.
std::vector<LayoutOutcome> LayOutAllAsPdf(const std::vector<std::string>& paths,
                                          const std::string& program,
                                          std::chrono::seconds timeLimit,
                                          const std::atomic<bool>* cancel = nullptr);

// Documents laid out ahead of their reading, shared by the threads that read them.
class LaidOutDocuments {
  public:
    // `uses` is how often the document will be read; the last reading frees its PDF.
    void Add(const std::string& path, LayoutOutcome outcome, size_t uses);
    bool Holds(const std::string& path) const;
    // The PDF of a document laid out ahead, nothing for any other; its layout's error is
    // thrown.
    std::optional<std::string> Take(const std::string& path);

  private:
    struct Entry {
        LayoutOutcome outcome;
        size_t uses = 0;
    };
    mutable std::mutex mutex_;
    std::unordered_map<std::string, Entry> entries_;
};

// The error text of a failed layout: `Cannot lay out the document "PATH". REASON`.
Text LayoutErrorText(const std::string& path, TextView reason);

// Shown when a document is read without the office program: its pages are then only as exact
// as the page breaks the document itself records. Names the program $LEXORIM_SOFFICE gives
// when that one cannot be started.
Text LayoutUnavailableWarning(Language language, const std::string& path);

// The error for a document that only the office program can read (RTF), with the same reason.
Text LayoutRequiredMessage(const std::string& path);

}  // namespace lexorim
