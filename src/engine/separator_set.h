#pragma once
// The characters that end a word, and the character classes that decide whole-word matches.

#include "engine/text_helpers.h"

namespace lexorim {

// The 34 word-ending characters. The blank is not among them: it is handled on its own.
inline constexpr char16_t kSeparatorCharacters[] = {
    u';', u':', u'_', u'>', u'<', u'-', u'.', u',', u'*', u'+', u'#', u'!',
    u'"', u'\u00A7', u'$', u'%', u'&', u'/', u'(', u')', u'=', u'?', u'`', u'\u00B4',
    u'}', u']', u'[', u'{', u'\'', u'\u201E', u'\u201C', u'\r', u'\n', u'\t'};

bool IsSeparator(char16_t unit);

// A boundary for whole-word matching: a separator, white space, punctuation or a symbol.
bool IsWordBoundary(char16_t unit);

}  // namespace lexorim
