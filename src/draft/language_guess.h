#pragma once
// Which language a book or document is written in, for the stop words and the dictionary of a
// clean draft.

#include <string>
#include <string_view>

#include "draft/draft_options.h"
#include "engine/text_helpers.h"

namespace lexorim {

// The language taken when the text is too short or too mixed to tell: English, the language of
// most technical writing, whose stop words the German built-in negative list does not cover.
inline constexpr std::string_view kFallbackLanguage = "en";

// The language code ("de", "en", "fr", ...) that the text's character n-grams suggest, or an
// empty string when the text is too short, the guess unclear or the language data missing.
std::string GuessLanguage(TextView text);

// Some kilobytes taken from several places of a long text, so that a title page or a licence
// in another language does not decide the guess alone.
Text LanguageSample(TextView text);

// The language the draft works with: the one set in the options, or with "auto" (or nothing)
// the guess from `sample`, else kFallbackLanguage.
std::string ResolveDraftLanguage(const DraftOptions& options, TextView sample);

}  // namespace lexorim
