#pragma once
// The characters that end a word, the characters that are dropped from words, and the
// character classes that decide whole-word matches.

#include "engine/text_helpers.h"

namespace lexorim {

// The 34 classic word-ending characters. The blank is not among them: it is handled on its own.
inline constexpr char16_t kSeparatorCharacters[] = {
    u';', u':',      u'_', u'>', u'<',  u'-',      u'.',      u',',  u'*',  u'+', u'#', u'!',
    u'"', u'\u00A7', u'$', u'%', u'&',  u'/',      u'(',      u')',  u'=',  u'?', u'`', u'\u00B4',
    u'}', u']',      u'[', u'{', u'\'', u'\u201E', u'\u201C', u'\r', u'\n', u'\t'};

// The typographic twins of the quotation marks, dashes and the ellipsis among them, which real
// books use in their place and which would otherwise stick to the words beside them.
inline constexpr char16_t kTypographicSeparators[] = {u'\u201D', u'\u2018', u'\u2019', u'\u201A',
                                                      u'\u00AB', u'\u00BB', u'\u2039', u'\u203A',
                                                      u'\u2013', u'\u2014', u'\u2026'};

// Invisible characters that only steer line breaking or joining (soft hyphen, zero-width
// space, joiners, word joiner, byte order mark): they are dropped so that a word reads as one.
inline constexpr char16_t kInvisibleCharacters[] = {u'\u00AD', u'\u200B', u'\u200C',
                                                    u'\u200D', u'\u2060', u'\uFEFF'};

// A word-ending character: the 34 above, their typographic twins, every Unicode space,
// line and paragraph separator except the blank, and every control character.
bool IsSeparator(char16_t unit);

// A character that is removed from the text before it is split into words.
bool IsInvisibleInWords(char16_t unit);

// The text without its invisible characters; `storage` holds the copy when one is needed.
TextView WithoutInvisibleCharacters(TextView text, Text& storage);

// A boundary for whole-word matching: a separator, white space, punctuation or a symbol.
bool IsWordBoundary(char16_t unit);

}  // namespace lexorim
