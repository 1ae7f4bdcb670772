#include <gtest/gtest.h>

#include "engine/error_texts.h"

namespace lexorim {
namespace {

TEST(ErrorTextInTest, GermanInterfaceShowsTheSentencesInGermanWithTheirPaths) {
    struct Case {
        std::u16string_view english;
        std::u16string_view german;
    };
    const Case cases[] = {
        {u"Cannot open file \"/tmp/a b.txt\". No such file or directory",
         u"Die Datei \"/tmp/a b.txt\" kann nicht geöffnet werden. Die Datei oder der Ordner "
         u"existiert nicht."},
        {u"Cannot read this document \"buch.doc\". The file is damaged or incomplete.",
         u"Das Dokument \"buch.doc\" kann nicht gelesen werden. Die Datei ist beschädigt oder "
         u"unvollständig."},
        {u"Cannot read this document \"x.odt\". The file is not a valid ODT document.",
         u"Das Dokument \"x.odt\" kann nicht gelesen werden. Die Datei ist kein gültiges "
         u"ODT-Dokument."},
        {u"Cannot read this document \"x.doc\". The program that reads this DOC document is not "
         u"installed.",
         u"Das Dokument \"x.doc\" kann nicht gelesen werden. Das Programm, das dieses "
         u"DOC-Dokument liest, ist nicht installiert."},
        {u"Cannot read file \"k.txt\". Invalid UTF7",
         u"Die Datei \"k.txt\" kann nicht gelesen werden. Ungültiges UTF-7."},
        {u"Cannot open file \"/b/korpus.txt\". The file is larger than 1 GiB.",
         u"Die Datei \"/b/korpus.txt\" kann nicht geöffnet werden. Die Datei ist größer als "
         u"1 GiB."},
        {u"Cannot create file \"/voll/i.idx\". No space left on device",
         u"Die Datei \"/voll/i.idx\" kann nicht angelegt werden. Auf dem Datenträger ist kein "
         u"Platz mehr frei."},
        {u"Cannot delete file \"/a/x.desktop\". Permission denied",
         u"Die Datei \"/a/x.desktop\" kann nicht gelöscht werden. Keine Berechtigung."},
        // A reason that quotes a program of its own keeps the path where it is.
        {u"Cannot lay out the document \"b.docx\". LibreOffice could not be started: \"/x/s\".",
         u"Das Dokument \"b.docx\" kann nicht gesetzt werden. LibreOffice could not be started: "
         u"\"/x/s\"."},
        // Texts nobody translated stay as they are.
        {u"Something else went wrong.", u"Something else went wrong."},
        {u"Cannot open file \"ohne Ende", u"Cannot open file \"ohne Ende"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorTextIn(c.english, Language::German), c.german);
        EXPECT_EQ(ErrorTextIn(c.english, Language::English), c.english);
    }
}

}  // namespace
}  // namespace lexorim
