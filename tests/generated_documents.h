#pragma once
// A few hundred small generated documents (HTML and text, with umlauts, capitalised runs,
// numbers, tags and the odd missing file) for the runs over source lists.

#include <random>
#include <string>
#include <vector>

#include "temp_folder.h"

namespace lexorim::testing {

struct GeneratedDocument {
    std::string path;
    std::string name;
    std::string link;
};

inline std::vector<GeneratedDocument> GenerateDocuments(const TempFolder& folder, int count,
                                                        unsigned seed) {
    static const char* const kWords[] = {
        "Haus",   "haus",    "Garten", "Über",   "über", "Jonas",    "Weller", "Straße", "Strasse",
        "Äpfel",  "Affe",    "zebra",  "Éclair", "MP3",  "A4-Blatt", "E-Mail", "und",    "der",
        "Preise", "Angebot", "Köln",   "€uro",   "Łódź", "1999",     "Dr.",    "Müller", "Co",
    };
    std::mt19937 random(seed);
    std::uniform_int_distribution<size_t> word(0, std::size(kWords) - 1);
    std::uniform_int_distribution<int> length(0, 120);
    std::vector<GeneratedDocument> documents;
    for (int i = 0; i < count; ++i) {
        const bool html = i % 3 != 0;
        const std::string file = "doc" + std::to_string(i) + (html ? ".html" : ".txt");
        std::string text = html ? "<html><body><p class=\"x\">" : "";
        const int words = length(random);
        for (int w = 0; w < words; ++w) {
            text += kWords[word(random)];
            text += (w % 11 == 10) ? (html ? ".</p>\n<p>" : ".\r\n") : " ";
        }
        if (html)
            text += "</p></body></html>";
        GeneratedDocument document;
        document.path =
            i % 50 == 49 ? folder.file("missing" + std::to_string(i)) : folder.write(file, text);
        document.name = "Dokument " + std::to_string(i % 40);  // names repeat
        document.link = file;
        documents.push_back(document);
    }
    return documents;
}

}  // namespace lexorim::testing
