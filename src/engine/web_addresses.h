#pragma once
// The addresses of the maker's web pages, in one place. Until the project has pages of its own
// they stand under the reserved domain orvell.example.

#include "engine/language.h"
#include "engine/text_helpers.h"

namespace lexorim {

// The program's page, the author's page and the maker's home page, in the interface language.
inline TextView ProgramPageAddress(Language language) {
    return Choose(language, u"https://www.orvell.example/de/lexorim/",
                  u"https://www.orvell.example/en/lexorim/");
}
inline TextView AuthorPageAddress(Language language) {
    return Choose(language, u"https://www.orvell.example/de/jonas-weller/",
                  u"https://www.orvell.example/en/jonas-weller/");
}
inline TextView MakerHomeAddress(Language language) {
    return Choose(language, u"https://www.orvell.example/de/", u"https://www.orvell.example/en/");
}

}  // namespace lexorim
