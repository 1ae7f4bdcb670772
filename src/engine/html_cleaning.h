#pragma once
// Taking HTML tags out of a document's text before its words are collected, and writing the
// Latin-1 characters of an HTML page as named character references.

#include <cstdint>

#include "engine/text_helpers.h"

namespace lexorim {

// Removes the tags of an HTML text in cycles: each cycle takes the text from the first "<" to the
// first ">" and replaces every identical copy of it by " . ". When a ">" comes before every "<",
// every ">" becomes " . " and removal stops. Character references are left as they are.
Text RemoveHtmlTags(TextView text);

// Replaces every code unit from U+00A0 to U+00FF by its HTML 4.01 named character reference
// ("&auml;"); everything else, "&" included, is copied unchanged, so encoding twice changes
// nothing.
Text EncodeHtmlEntities(TextView text);

// The name of the character reference for U+00A0..U+00FF ("nbsp" .. "yuml"); empty outside.
TextView HtmlEntityName(char16_t c);

// Replaces the character references of an HTML text by their characters: the named references of
// HTML 4.01 and "&apos;", decimal ("&#220;") and hexadecimal ("&#xDC;") ones. A reference needs
// its ";"; an unknown name, or an "&" that starts no reference, is copied as it stands. A numeric
// reference to no character (zero, a surrogate, beyond U+10FFFF) gives U+FFFD.
Text DecodeHtmlEntities(TextView text);

namespace detail {
// RemoveHtmlTags with another base for its internal fingerprints. With a poor base (1 makes
// every permutation of a tag collide) the tests check that collisions never change the result.
Text RemoveHtmlTagsWithHashBase(TextView text, uint64_t base);
}  // namespace detail

}  // namespace lexorim
