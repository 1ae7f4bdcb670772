#include "engine/error_texts.h"

#include <array>
#include <utility>

namespace lexorim {

namespace {

// Sentences that name a file: the English start before the quoted path, the German one.
struct NamingSentence {
    std::u16string_view english;
    std::u16string_view germanBefore;
    std::u16string_view germanAfter;
};

constexpr std::array kNamingSentences = {
    NamingSentence{u"Cannot open file \"", u"Die Datei \"", u"\" kann nicht geöffnet werden."},
    NamingSentence{u"Cannot create file \"", u"Die Datei \"", u"\" kann nicht angelegt werden."},
    NamingSentence{u"Cannot read file \"", u"Die Datei \"", u"\" kann nicht gelesen werden."},
    NamingSentence{u"Cannot delete file \"", u"Die Datei \"", u"\" kann nicht gelöscht werden."},
    NamingSentence{u"Cannot read this document \"", u"Das Dokument \"",
                   u"\" kann nicht gelesen werden."},
    NamingSentence{u"Cannot lay out the document \"", u"Das Dokument \"",
                   u"\" kann nicht gesetzt werden."},
};

// Whole sentences that follow, as the reason.
constexpr std::array<std::pair<std::u16string_view, std::u16string_view>, 13> kReasons = {{
    {u"The file is damaged or incomplete.", u"Die Datei ist beschädigt oder unvollständig."},
    {u"The document is encrypted.", u"Das Dokument ist verschlüsselt."},
    {u"The document is too large.", u"Das Dokument ist zu groß."},
    {u"Invalid UTF7", u"Ungültiges UTF-7."},
    {u"No such file or directory", u"Die Datei oder der Ordner existiert nicht."},
    {u"Permission denied", u"Keine Berechtigung."},
    {u"No space left on device", u"Auf dem Datenträger ist kein Platz mehr frei."},
    {u"Is a directory", u"Das ist ein Ordner."},
    {u"Read-only file system", u"Das Dateisystem ist schreibgeschützt."},
    {u"File too large", u"Die Datei ist zu groß."},
    {u"The file is larger than 1 GiB.", u"Die Datei ist größer als 1 GiB."},
    {u"Not enough memory to finish the run.",
     u"Der Speicher reicht nicht, um den Lauf zu beenden."},
    {u"Input/output error", u"Ein-/Ausgabefehler."},
}};

// "The file is not a valid DOCX document." and the two sentences about a document's reader.
Text KindSentence(TextView reason) {
    constexpr std::u16string_view notValid = u"The file is not a valid ";
    constexpr std::u16string_view readerStart = u"The program that reads this ";
    constexpr std::u16string_view notInstalled = u" is not installed.";
    constexpr std::u16string_view couldNotRead = u" could not read it.";
    const auto kindOf = [](TextView document) {
        // "DOCX document" becomes "DOCX-Dokument", "document" "Dokument".
        constexpr std::u16string_view word = u"document";
        if (document == word)
            return Text(u"Dokument");
        if (document.size() > word.size() + 1 && document.ends_with(word))
            return Text(document.substr(0, document.size() - word.size() - 1)) + u"-Dokument";
        return Text(document);
    };
    if (reason.starts_with(notValid) && reason.ends_with(u".")) {
        const TextView kind = reason.substr(notValid.size(), reason.size() - notValid.size() - 1);
        return u"Die Datei ist kein gültiges " + kindOf(kind) + u".";
    }
    for (const auto& [ending, german] :
         {std::pair{notInstalled, std::u16string_view(u" ist nicht installiert.")},
          std::pair{couldNotRead, std::u16string_view(u" konnte es nicht lesen.")}}) {
        if (reason.starts_with(readerStart) && reason.ends_with(ending)) {
            const TextView kind = reason.substr(readerStart.size(),
                                                reason.size() - readerStart.size() - ending.size());
            return u"Das Programm, das dieses " + kindOf(kind) + u" liest," + Text(german);
        }
    }
    return {};
}

Text ReasonIn(TextView reason) {
    for (const auto& [english, german] : kReasons) {
        if (reason == english)
            return Text(german);
    }
    if (Text kind = KindSentence(reason); !kind.empty())
        return kind;
    return Text(reason);
}

}  // namespace

Text ErrorTextIn(TextView english, Language language) {
    if (language != Language::German)
        return Text(english);
    for (const NamingSentence& sentence : kNamingSentences) {
        if (!english.starts_with(sentence.english))
            continue;
        // The path runs to the first `". `; the reason after it may quote a program of its own.
        const TextView rest = english.substr(sentence.english.size());
        const size_t end = rest.find(u"\". ");
        const bool withReason = end != TextView::npos;
        const size_t pathEnd =
            withReason ? end : (rest.ends_with(u"\".") ? rest.size() - 2 : TextView::npos);
        if (pathEnd == TextView::npos)
            return Text(english);
        Text german = Text(sentence.germanBefore) + Text(rest.substr(0, pathEnd)) +
                      Text(sentence.germanAfter);
        if (withReason)
            german += u" " + ReasonIn(rest.substr(end + 3));
        return german;
    }
    return ReasonIn(english);
}

}  // namespace lexorim
