#pragma once
// Laying a word-processor document out into printed pages with LibreOffice, started headless
// for one document at a time. The pages come back as a PDF, which the PDF reader turns into
// page texts.

#include <atomic>
#include <chrono>
#include <optional>
#include <string>

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

// The error text of a failed layout: `Cannot lay out the document "PATH". REASON`.
Text LayoutErrorText(const std::string& path, TextView reason);

// Shown when a document is read without the office program: its pages are then only as exact
// as the page breaks the document itself records. Names the program $LEXORIM_SOFFICE gives
// when that one cannot be started.
Text LayoutUnavailableWarning(Language language, const std::string& path);

// The error for a document that only the office program can read (RTF), with the same reason.
Text LayoutRequiredMessage(const std::string& path);

}  // namespace lexorim
