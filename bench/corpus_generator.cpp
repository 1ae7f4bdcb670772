#include "corpus_generator.h"

#include <array>
#include <cctype>
#include <cmath>
#include <string_view>

namespace lexorim {

namespace {

constexpr std::array<std::string_view, 64> kNouns = {
    "Haus",       "Garten",      "Straße",   "Bücher",    "Äpfel",    "Öfen",       "Übung",
    "Tür",        "Fenster",     "Küche",    "Mädchen",   "Brücke",   "Größe",      "Fuß",
    "Maß",        "Kaffee",      "Zeitung",  "Schule",    "Stadt",    "Wald",       "Berg",
    "Fluss",      "Mühle",       "Kirche",   "Rathaus",   "Bahnhof",  "Zug",        "Auto",
    "Hund",       "Katze",       "Vogel",    "Pferd",     "Kuh",      "Schäfer",    "Bäcker",
    "Lehrer",     "Ärztin",      "Öl",       "Ufer",      "Insel",    "Meer",       "Himmel",
    "Sonne",      "Mond",        "Stern",    "Winter",    "Sommer",   "Frühling",   "Herbst",
    "Geschichte", "Kapitel",     "Seite",    "Index",     "Register", "Verlag",     "Druckerei",
    "Bibliothek", "Universität", "Gemeinde", "Landkreis", "Gebäude",  "Grundstück", "Maßnahme",
    "Übersicht"};

constexpr std::array<std::string_view, 32> kFirstNames = {
    "Jonas", "Anna",   "Maria", "Lukas",  "Sophie", "Felix", "Lena",   "Paul",
    "Emma",  "Jürgen", "Käthe", "Günter", "Özlem",  "Jörg",  "Ute",    "Hans",
    "Klara", "Moritz", "Greta", "Anton",  "Ida",    "Oskar", "Frieda", "Karl",
    "Luise", "Ernst",  "Marie", "Otto",   "Helga",  "Bernd", "Elif",   "Tobias"};

constexpr std::array<std::string_view, 32> kSurnames = {
    "Weller",   "Müller",   "Schmidt",  "Schneider", "Fischer",    "Weber", "Meyer",   "Wagner",
    "Becker",   "Schulz",   "Hoffmann", "Schäfer",   "Koch",       "Bauer", "Richter", "Klein",
    "Wolf",     "Schröder", "Neumann",  "Schwarz",   "Zimmermann", "Braun", "Krüger",  "Hofmann",
    "Hartmann", "Lange",    "Schmitt",  "Werner",    "Krause",     "Meier", "Lehmann", "Köhler"};

constexpr std::array<std::string_view, 28> kVerbs = {
    "schreibt", "liest", "läuft",   "fährt",    "weiß",       "heißt",    "muss",
    "kann",     "würde", "hätte",   "bellt",    "singt",      "spielt",   "arbeitet",
    "wohnt",    "baut",  "kauft",   "verkauft", "öffnet",     "schließt", "grüßt",
    "träumt",   "zählt", "rechnet", "erzählt",  "beschreibt", "sieht",    "kommt"};

constexpr std::array<std::string_view, 20> kAdjectives = {
    "schöne", "große", "kleine", "alte",  "neue",    "grüne",     "weiße",
    "süße",   "müde",  "frühe",  "späte", "hübsche", "fröhliche", "dunkle",
    "helle",  "lange", "kurze",  "heiße", "kühle",   "ruhige"};

constexpr std::array<std::string_view, 16> kDeterminers = {
    "der",   "die",   "das",   "den",   "dem",  "des",   "ein",  "eine",
    "einen", "einem", "einer", "seine", "ihre", "unser", "jede", "kein"};

constexpr std::array<std::string_view, 14> kPrepositions = {
    "in",  "auf",  "unter", "über",  "neben",   "zwischen", "hinter",
    "mit", "ohne", "für",   "gegen", "während", "bei",      "aus"};

constexpr std::array<std::string_view, 6> kNumberPhrases = {"im Jahr", "auf Seite", "mit",
                                                            "etwa",    "genau",     "nach"};

constexpr std::array<std::string_view, 6> kJoiners = {", und ", ", weil ", ", dass ",
                                                      "; ",     ", aber ", " – "};

constexpr std::array<std::string_view, 40> kNegativeWords = {
    "der", "die", "das", "und",   "ein",  "eine",    "ist",    "mit",       "von",      "zu",
    "im",  "auf", "für", "nicht", "auch", "es",      "an",     "als",       "nach",     "wie",
    "Der", "Die", "Das", "Und",   "Aber", "Dann",    "Doch",   "Heute",     "Hier",     "Jetzt",
    "Sie", "Er",  "Wir", "Ich",   "Über", "Während", "Später", "Natürlich", "Außerdem", "Zunächst"};

constexpr std::array<std::string_view, 24> kHyphenated = {"E-Mail-Adresse",
                                                          "E-Mail",
                                                          "Kaffee-Maschine",
                                                          "Nord-Süd-Achse",
                                                          "Baden-Württemberg",
                                                          "Max-Planck-Institut",
                                                          "T-Shirt",
                                                          "U-Bahn",
                                                          "Ost-West-Verbindung",
                                                          "Schleswig-Holstein",
                                                          "Rhein-Main-Gebiet",
                                                          "A4-Blatt",
                                                          "Jonas-Weller-Stiftung",
                                                          "Müller-Lüdenscheidt",
                                                          "Groß-Gerau",
                                                          "Kfz-Steuer",
                                                          "Dr.-Ing.",
                                                          "Hals-Nasen-Ohren-Arzt",
                                                          "Fußball-Verein",
                                                          "Öko-Strom",
                                                          "Bücher-Regal",
                                                          "Nord-Ostsee-Kanal",
                                                          "x-beliebig",
                                                          "zweiundzwanzig-jährig"};

constexpr std::array<std::string_view, 10> kDigitWords = {"MP3",   "A4",  "B12", "H2O",  "3D",
                                                          "Win10", "4x4", "C64", "T-34", "12a"};

constexpr std::array<std::string_view, 24> kSyllables = {
    "ber",  "gen",  "stein", "ung", "heit", "keit", "land", "burg", "wer", "mar", "lin", "hof",
    "bach", "feld", "tal",   "ack", "rö",   "mü",   "sä",   "ße",   "kro", "pel", "tra", "sch"};

constexpr std::array<std::string_view, 24> kCapitalSyllables = {
    "Ber",  "Gen",  "Stein", "Ul",  "Hei", "Kel", "Land", "Bur", "Wer", "Mar", "Lin", "Hof",
    "Bach", "Feld", "Tal",   "Ack", "Rö",  "Mü",  "Sä",   "Ost", "Kro", "Pel", "Tra", "Schw"};

constexpr size_t kVocabularySize = 40000;

std::string CapitalisedPseudoWord(CorpusGenerator& random) {
    std::string word(kCapitalSyllables[random.Below(kCapitalSyllables.size())]);
    const size_t syllables = 1 + random.Below(3);
    for (size_t i = 0; i < syllables; ++i)
        word += kSyllables[random.Below(kSyllables.size())];
    return word;
}

// Upper-cases an ASCII or German first letter for the start of a sentence.
void CapitaliseAt(std::string& out, size_t position) {
    if (position >= out.size())
        return;
    const auto c = static_cast<unsigned char>(out[position]);
    if (c < 0x80) {
        out[position] = static_cast<char>(std::toupper(c));
        return;
    }
    // ä ö ü (C3 A4, C3 B6, C3 BC) become Ä Ö Ü (C3 84, C3 96, C3 9C).
    if (c == 0xC3 && position + 1 < out.size()) {
        const auto next = static_cast<unsigned char>(out[position + 1]);
        if (next == 0xA4 || next == 0xB6 || next == 0xBC)
            out[position + 1] = char(next - 0x20);
    }
}

}  // namespace

CorpusGenerator::CorpusGenerator(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 1) {
    vocabulary_.reserve(kVocabularySize);
    for (size_t i = 0; i < kVocabularySize; ++i)
        vocabulary_.push_back(CapitalisedPseudoWord(*this));
}

uint64_t CorpusGenerator::NextRandom() {
    // splitmix64: small, fast and the same everywhere.
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

const std::string& CorpusGenerator::FrequentNoun() {
    // Log-uniform ranks: the word of rank r is picked with a probability near 1/r, as in
    // natural text.
    const double u = static_cast<double>(NextRandom() >> 11) / 9007199254740992.0;
    const auto rank = static_cast<size_t>(std::exp(u * std::log(double(kVocabularySize))));
    return vocabulary_[std::min(rank, kVocabularySize) - 1];
}

void CorpusGenerator::AppendNounPhrase(std::string& out) {
    const size_t roll = Below(100);
    if (roll < 7) {
        // A name: one, two or three capitalised words.
        const size_t words = 1 + Below(3);
        out += kFirstNames[Below(kFirstNames.size())];
        if (words == 3) {
            out += ' ';
            out += kFirstNames[Below(kFirstNames.size())];
        }
        if (words >= 2) {
            out += ' ';
            out += kSurnames[Below(kSurnames.size())];
        }
    } else if (roll < 9) {
        // Two or three capitalised nouns in a row, as in titles and place names.
        out += kNouns[Below(kNouns.size())];
        out += ' ';
        out += FrequentNoun();
        if (Below(3) == 0) {
            out += ' ';
            out += kSurnames[Below(kSurnames.size())];
        }
    } else if (roll < 13) {
        out += kDeterminers[Below(kDeterminers.size())];
        out += ' ';
        out += kHyphenated[Below(kHyphenated.size())];
    } else if (roll < 15) {
        out += kDeterminers[Below(kDeterminers.size())];
        out += ' ';
        out += kDigitWords[Below(kDigitWords.size())];
    } else {
        out += kDeterminers[Below(kDeterminers.size())];
        out += ' ';
        if (Below(10) < 3) {
            out += kAdjectives[Below(kAdjectives.size())];
            out += ' ';
        }
        if (Below(4) == 0) {
            out += kNouns[Below(kNouns.size())];
        } else {
            out += FrequentNoun();
        }
    }
}

void CorpusGenerator::AppendClause(std::string& out) {
    AppendNounPhrase(out);
    out += ' ';
    out += kVerbs[Below(kVerbs.size())];
    const size_t parts = 1 + Below(3);
    for (size_t i = 0; i < parts; ++i) {
        out += Below(12) == 0 ? ", " : " ";
        const size_t roll = Below(100);
        if (roll < 35) {
            AppendNounPhrase(out);
        } else if (roll < 65) {
            out += kPrepositions[Below(kPrepositions.size())];
            out += ' ';
            AppendNounPhrase(out);
        } else if (roll < 85) {
            out += kNegativeWords[Below(kNegativeWords.size())];
        } else if (roll < 93) {
            out += kNumberPhrases[Below(kNumberPhrases.size())];
            out += ' ';
            out += std::to_string(1 + Below(Below(2) == 0 ? 400 : 3000));
            if (Below(8) == 0)
                out += ",5";
        } else if (roll < 96) {
            out += "„";
            AppendNounPhrase(out);
            out += "“";
        } else {
            out += '(';
            AppendNounPhrase(out);
            out += ')';
        }
    }
}

void CorpusGenerator::AppendSentence(std::string& out) {
    const size_t start = out.size();
    AppendClause(out);
    if (Below(3) == 0) {
        out += kJoiners[Below(kJoiners.size())];
        AppendClause(out);
    }
    CapitaliseAt(out, start);
    const size_t end = Below(20);
    out += end == 0 ? "! " : end == 1 ? "? " : end == 2 ? "... " : ". ";
}

std::string CorpusGenerator::NextPageUtf8(size_t approxBytes) {
    std::string page;
    page.reserve(approxBytes + 200);
    while (page.size() < approxBytes)
        AppendSentence(page);
    while (!page.empty() && page.back() == ' ')
        page.pop_back();
    return page;
}

std::string CorpusGenerator::NextPageUtf8(size_t minBytes, size_t maxBytes) {
    const size_t span = maxBytes > minBytes ? maxBytes - minBytes : 0;
    return NextPageUtf8(minBytes + Below(span + 1));
}

std::string GenerateCorpus(const CorpusOptions& options) {
    CorpusGenerator generator(options.seed);
    std::string corpus;
    corpus.reserve(options.targetBytes + options.maxPageBytes + 64);
    size_t lines = 0;
    int pageNumber = 0;
    while (corpus.size() < options.targetBytes) {
        corpus += generator.NextPageUtf8(options.minPageBytes, options.maxPageBytes);
        corpus += '\n';
        ++lines;
        if (options.pageNumbersEvery > 0 && lines % size_t(options.pageNumbersEvery) == 0) {
            corpus += std::to_string(++pageNumber);
            corpus += '\n';
        }
    }
    return corpus;
}

std::vector<Text> GenerateCorpusPages(uint64_t seed, size_t targetBytes) {
    CorpusGenerator generator(seed);
    std::vector<Text> pages;
    size_t bytes = 0;
    while (bytes < targetBytes) {
        const std::string page = generator.NextPageUtf8(1500, 3500);
        bytes += page.size() + 1;
        pages.push_back(FromUtf8(page));
    }
    return pages;
}

}  // namespace lexorim
