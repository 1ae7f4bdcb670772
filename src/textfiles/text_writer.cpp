#include "textfiles/text_writer.h"

#include <algorithm>

#include "textfiles/file_access.h"
#include "textfiles/internal/codecs.h"
#include "textfiles/internal/picture_writer.h"

namespace lexorim {

namespace {}  // namespace

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
    ReplaceFileContents(path, EncodeText(text, code, writeSignature));
}

}  // namespace lexorim
