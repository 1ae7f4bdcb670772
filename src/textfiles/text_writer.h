#pragma once
// Writing a UTF-16 text to a file in a chosen encoding, or as a picture of the text.

#include <cstdint>
#include <functional>
#include <string>

#include "engine/text_helpers.h"
#include "textfiles/text_encoding.h"

namespace lexorim {

// Font and colours of a text saved as a picture.
struct PictureStyle {
    std::string fontFamily = "Courier New";
    int pixelSize = 11;
    bool bold = false;
    bool italic = false;
    uint32_t textColor = 0x000000;        // 0xRRGGBB
    uint32_t backgroundColor = 0xFFFFFF;  // 0xRRGGBB
};

// The output settings: the encoding every saved text file uses, the signature choice and the
// picture style.
struct OutputSettings {
    TextEncoding encoding = encoding::kUtf8;
    bool writeSignature = true;
    PictureStyle picture;
};

// True for a path whose extension is .BMP, .GIF, .JPG or .JPEG in any case.
bool IsPicturePath(const std::string& path);

// The bytes of `text` in encoding `code` (an unknown code gives no bytes).
std::string EncodeText(TextView text, TextEncoding code, bool writeSignature);

// Creates or replaces the file (through a temporary file renamed over it, so a failed write
// leaves the old file intact). Picture paths render the text instead. Throws UserError with
// `Cannot create file "PATH". REASON` when the file or the picture cannot be written.
void WriteTextFile(TextView text, const std::string& path, TextEncoding code, bool writeSignature,
                   const PictureStyle& picture = {});

inline void WriteTextFile(TextView text, const std::string& path, const OutputSettings& settings) {
    WriteTextFile(text, path, settings.encoding, settings.writeSignature, settings.picture);
}

// Receives a text piece by piece; no piece ends inside a surrogate pair.
using TextWriter = std::function<void(TextView)>;

// The same file as WriteTextFile of all the pieces `produce` hands over, joined; where the
// encoding allows, they are encoded and written one by one and the whole text is never held.
void WriteTextFileInPieces(const std::function<void(const TextWriter&)>& produce,
                           const std::string& path, const OutputSettings& settings);

}  // namespace lexorim
