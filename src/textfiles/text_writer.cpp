#include "textfiles/text_writer.h"

#include <algorithm>

#include "textfiles/file_access.h"
#include "textfiles/internal/codecs.h"
#include "textfiles/internal/picture_writer.h"

namespace lexorim {

namespace {

// Encodings whose bytes for a text are the bytes of its pieces one after the other, as long as
// no surrogate pair is cut; UTF-7 carries its state from character to character and is not.
bool EncodesPieceByPiece(TextEncoding code) {
    switch (code) {
        case encoding::kUtf16Le:
        case encoding::kUtf16Be:
        case encoding::kUtf32Le:
        case encoding::kUtf32Be:
        case encoding::kUtf8:
        case encoding::kUtf8Bom:
        case encoding::kAnsi:
            return true;
        default:
            return false;
    }
}

// The length of the next piece of `text`: at most `limit` units, never ending inside a pair.
size_t PieceLength(TextView text, size_t limit) {
    size_t length = std::min(limit, text.size());
    if (length < text.size() && length > 1 && text[length - 1] >= 0xD800 &&
        text[length - 1] <= 0xDBFF) {
        --length;
    }
    return length;
}

// Encodes every piece as it comes and hands its bytes on; only the first carries a signature.
void EncodePieces(const std::function<void(const TextWriter&)>& produce, TextEncoding code,
                  bool writeSignature, const ByteWriter& write) {
    std::string bytes;
    bool first = true;
    produce([&](TextView piece) {
        if (piece.empty()) {
            return;
        }
        bytes = first
                    ? EncodeText(piece, code, writeSignature)
                    : EncodeText(piece, code == encoding::kUtf8Bom ? encoding::kUtf8 : code, false);
        first = false;
        write(bytes);
    });
    if (first) {
        write(EncodeText(u"", code, writeSignature));
    }
}

// Hands `text` over in pieces of half a million units.
void HandOverInPieces(TextView text, const TextWriter& write) {
    constexpr size_t kPieceUnits = size_t{1} << 19;
    while (!text.empty()) {
        const size_t length = PieceLength(text, kPieceUnits);
        write(text.substr(0, length));
        text.remove_prefix(length);
    }
}

}  // namespace

bool IsPicturePath(const std::string& path) {
    const std::string extension = UpperCaseExtension(path);
    return extension == "BMP" || extension == "GIF" || extension == "JPG" || extension == "JPEG";
}

std::string EncodeText(TextView text, TextEncoding code, bool writeSignature) {
    std::string bytes;
    switch (code) {
        case encoding::kUtf16Le:
        case encoding::kUtf16Be:
            if (writeSignature) {
                bytes = code == encoding::kUtf16Le ? "\xFF\xFE" : "\xFE\xFF";
            }
            AppendUtf16(text, code == encoding::kUtf16Be, bytes);
            break;
        case encoding::kUtf32Le:
        case encoding::kUtf32Be:
            if (writeSignature) {
                bytes = code == encoding::kUtf32Le ? std::string("\xFF\xFE\x00\x00", 4)
                                                   : std::string("\x00\x00\xFE\xFF", 4);
            }
            AppendUtf32(text, code == encoding::kUtf32Be, bytes);
            break;
        case encoding::kUtf8:
            AppendUtf8(text, bytes);
            break;
        case encoding::kUtf8Bom:
            // This choice names the signature itself, so the flag does not apply.
            bytes = "\xEF\xBB\xBF";
            AppendUtf8(text, bytes);
            break;
        case encoding::kUtf7:
            AppendUtf7(text, writeSignature, bytes);
            break;
        case encoding::kUtf7Ansi:
            AppendUtf7(text, false, bytes);
            break;
        case encoding::kAnsi:
            AppendWindows1252(text, bytes);
            break;
        default:
            break;
    }
    return bytes;
}

void WriteTextFile(TextView text, const std::string& path, TextEncoding code, bool writeSignature,
                   const PictureStyle& picture) {
    if (IsPicturePath(path)) {
        WritePicture(text, path, picture);
        return;
    }
    if (EncodesPieceByPiece(code)) {
        ReplaceFileContents(path, [&](const ByteWriter& write) {
            EncodePieces([text](const TextWriter& piece) { HandOverInPieces(text, piece); }, code,
                         writeSignature, write);
        });
        return;
    }
    ReplaceFileContents(path, EncodeText(text, code, writeSignature));
}

void WriteTextFileInPieces(const std::function<void(const TextWriter&)>& produce,
                           const std::string& path, const OutputSettings& settings) {
    if (IsPicturePath(path) || !EncodesPieceByPiece(settings.encoding)) {
        Text whole;
        produce([&whole](TextView piece) { whole += piece; });
        WriteTextFile(whole, path, settings);
        return;
    }
    ReplaceFileContents(path, [&](const ByteWriter& write) {
        EncodePieces(produce, settings.encoding, settings.writeSignature, write);
    });
}

}  // namespace lexorim
