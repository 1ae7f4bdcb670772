#include "indexing/status_texts.h"

namespace lexorim {

Text StatusPreparing(Language language) {
    return Text(Choose(language, u"Vorbereiten..", u"Preparing Index.."));
}
Text StatusReadingPage(Language language) {
    return Text(Choose(language, u"Seite einlesen: ", u"Reading Page: "));
}
Text StatusRefreshing(Language language) {
    return Text(Choose(language, u"Index aktualisieren..", u"Refreshing Index.."));
}
Text StatusWriting(Language language) {
    return Text(Choose(language, u"Index schreiben..", u"Writing Index.."));
}
Text StatusReadingFile(Language language) {
    return Text(Choose(language, u"Datei einlesen: ", u"Reading File: "));
}

}  // namespace lexorim
