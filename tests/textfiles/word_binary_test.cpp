#include "textfiles/internal/word_binary.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "textfiles/document_error.h"
#include "textfiles/document_fixtures.h"

namespace lexorim {
namespace {

using testing::MakeCompoundFile;
using testing::MakeWordBinary;
using testing::WordFib;

const std::string kSignature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

// The signature followed by bytes from a fixed seed, as a damaged file may hold.
std::string SignatureAndRandomBytes(size_t count) {
    std::mt19937 random(14);
    std::string bytes = kSignature;
    for (size_t i = 0; i < count; ++i) {
        bytes += static_cast<char>(random() & 0xFF);
    }
    return bytes;
}

std::string WithU32(std::string bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

// The problem InspectWordBinary reports, or nothing for a sound file.
std::optional<DocumentProblem> ProblemOf(const std::string& bytes) {
    try {
        InspectWordBinary(bytes);
        return std::nullopt;
    } catch (const DocumentProblemError& error) {
        return error.problem();
    }
}

TEST(InspectWordBinary, ASoundDocumentGivesItsTextLength) {
    EXPECT_EQ(InspectWordBinary(MakeWordBinary(30)).textLength, 30u);
    EXPECT_EQ(InspectWordBinary(MakeWordBinary(1)).textLength, 1u);
    // The table stream named by the FIB flags: 0Table when the flag is clear.
    EXPECT_EQ(InspectWordBinary(MakeCompoundFile({{"0Table", ""}, {"WordDocument", WordFib(7, 0)}}))
                  .textLength,
              7u);
}

TEST(InspectWordBinary, TellsDamageFromOtherKindsOfCompoundFile) {
    const std::string sound = MakeWordBinary(30);
    const struct {
        const char* what;
        std::string bytes;
        DocumentProblem problem;
    } cases[] = {
        {"the signature alone", kSignature, DocumentProblem::Damaged},
        {"random bytes after the signature", SignatureAndRandomBytes(20000),
         DocumentProblem::Damaged},
        {"cut in half", sound.substr(0, sound.size() / 2), DocumentProblem::Damaged},
        {"cut after the directory", sound.substr(0, 3 * 512), DocumentProblem::Damaged},
        {"a wrong byte order mark", WithU32(sound, 0x1C, 0x0000FFFF), DocumentProblem::Damaged},
        {"a sector chain in a circle", WithU32(sound, 512 + 4 * 9, 2), DocumentProblem::Damaged},
        {"a chain into a free sector", WithU32(sound, 512 + 4 * 5, 60), DocumentProblem::Damaged},
        {"a directory tree pointing outside", WithU32(sound, 1024 + 0x4C, 40),
         DocumentProblem::Damaged},
        {"no FIB in WordDocument",
         MakeCompoundFile({{"WordDocument", "no fib here"}, {"1Table", ""}}),
         DocumentProblem::Damaged},
        {"the table stream the FIB names is missing",
         MakeCompoundFile({{"WordDocument", WordFib(30)}, {"0Table", ""}}),
         DocumentProblem::Damaged},
        {"a piece table beyond the table stream",
         MakeCompoundFile({{"WordDocument", WordFib(30, 0x0200, 5000)}, {"1Table", ""}}),
         DocumentProblem::Damaged},
        {"a spreadsheet", MakeCompoundFile({{"Workbook", "cells"}}), DocumentProblem::NotThisKind},
        {"an empty compound file", MakeCompoundFile({}), DocumentProblem::NotThisKind},
        {"an encrypted DOC",
         MakeCompoundFile({{"WordDocument", WordFib(30, 0x0300)}, {"1Table", ""}}),
         DocumentProblem::Encrypted},
        {"a password-protected DOCX",
         MakeCompoundFile({{"EncryptionInfo", "x"}, {"EncryptedPackage", "y"}}),
         DocumentProblem::Encrypted},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProblemOf(c.bytes), c.problem) << c.what;
    }
}

TEST(InspectWordBinary, DamagedFilesNeverCrash) {
    const std::string sound = MakeWordBinary(30);
    for (size_t at = 0; at < 3 * 512; at += 3) {
        std::string flipped = sound;
        flipped[at] = static_cast<char>(flipped[at] ^ 0x5A);
        (void)ProblemOf(flipped);
        (void)ProblemOf(sound.substr(0, at));
    }
    SUCCEED();
}

}  // namespace
}  // namespace lexorim
