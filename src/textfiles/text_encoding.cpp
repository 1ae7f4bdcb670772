#include "textfiles/text_encoding.h"

namespace lexorim {

Text EncodingName(TextEncoding code) {
    switch (code) {
        case encoding::kAnsi:
            return u"ANSI";
        case encoding::kUtf16Le:
            return u"UTF-16 LE";
        case encoding::kUtf16Be:
            return u"UTF-16 BE";
        case encoding::kUtf7Ansi:
            return u"UTF-7 ANSI";
        case encoding::kUtf7:
            return u"UTF-7";
        case encoding::kUtf8:
            return u"UTF-8";
        case encoding::kUtf8Bom:
            return u"UTF-8 BOM";
        case encoding::kUtf32Le:
            return u"UTF-32 LE";
        case encoding::kUtf32Be:
            return u"UTF-32 BE";
        default:
            return {};
    }
}

}  // namespace lexorim
