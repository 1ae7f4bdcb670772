// generate_corpus SIZE_MB OUT_FILE [--page-numbers-every N] [--seed S]
// Writes a German-like UTF-8 text of about SIZE_MB megabytes (10^6 bytes), one page per line.
// With --page-numbers-every N, a line holding only the next page number follows every N lines.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "corpus_generator.h"

namespace {

int Usage() {
    std::cerr << "usage: generate_corpus SIZE_MB OUT_FILE [--page-numbers-every N] [--seed S]\n";
    return 2;
}

bool ParsePositive(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0' && value > 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return Usage();
    double sizeMb = 0;
    if (!ParsePositive(argv[1], sizeMb))
        return Usage();
    lexorim::CorpusOptions options;
    options.targetBytes = static_cast<size_t>(sizeMb * 1e6);
    for (int i = 3; i < argc; ++i) {
        const std::string flag = argv[i];
        double value = 0;
        if (i + 1 >= argc || !ParsePositive(argv[i + 1], value))
            return Usage();
        if (flag == "--page-numbers-every") {
            options.pageNumbersEvery = static_cast<int>(value);
        } else if (flag == "--seed") {
            options.seed = static_cast<uint64_t>(value);
        } else {
            return Usage();
        }
        ++i;
    }
    const std::string corpus = lexorim::GenerateCorpus(options);
    const std::string target = argv[2];
    const std::string temporary = target + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(corpus.data(), static_cast<std::streamsize>(corpus.size()));
        if (!out.flush()) {
            std::cerr << "generate_corpus: cannot write " << temporary << "\n";
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), target.c_str()) != 0) {
        std::cerr << "generate_corpus: cannot create " << target << "\n";
        return 1;
    }
    return 0;
}
