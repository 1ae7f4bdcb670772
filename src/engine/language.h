#pragma once
// The interface language: German texts for German, English texts otherwise.

#include <functional>

#include "engine/text_helpers.h"

namespace lexorim {

enum class Language { German, English };

inline TextView Choose(Language language, TextView german, TextView english) {
    return language == Language::German ? german : english;
}

// Where an operation deep in the core shows a message box (for example "Word was not found"),
// it hands the text to this callback; the GUI shows a box, the command line prints it.
using MessageCallback = std::function<void(TextView message)>;

}  // namespace lexorim
