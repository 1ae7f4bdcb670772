#pragma once
// What every index run reads besides its options and its pages or documents.

#include <functional>
#include <memory>
#include <vector>

#include "engine/language.h"
#include "engine/run_progress.h"
#include "engine/text_helpers.h"

namespace lexorim {

class LocaleCollator;

// The negative and the positive list as a run uses them: one entry per line.
struct WordLists {
    std::vector<Text> negative;
    std::vector<Text> positive;
};

// The same record for the text, the file and the keyword index. It refers to the lists and the
// collator instead of holding them, so it is built anew for every run at no cost; a run on a
// worker thread builds it there over the worker's own copies, and it must not outlive them.
struct RunEnvironment {
    const WordLists& lists;
    // Sorts the entries of a store; the keyword index has an order of its own and ignores it.
    const LocaleCollator& collator;
    // The language of the status texts and of the words an output writes itself.
    Language language = Language::German;
    RunProgress progress = {};
    // Where a run may leave what it no longer needs but would take a while to free (a book's
    // dictionaries), when the process ends soon anyway; empty: the run frees it itself.
    std::function<void(std::shared_ptr<const void>)> leaveUntilExit = {};
};

}  // namespace lexorim
