#include "textfiles/text_reader.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <optional>
#include <thread>

#include "engine/errors.h"
#include "engine/large_buffers.h"
#include "engine/ordered_parallel.h"
#include "textfiles/file_access.h"
#include "textfiles/internal/codecs.h"
#include "textfiles/word_documents.h"

namespace lexorim {

namespace {

constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";
constexpr std::string_view kUtf7Signature = "+/v8";
constexpr std::string_view kUtf32LeSignature{"\xFF\xFE\x00\x00", 4};
constexpr std::string_view kUtf32BeSignature{"\x00\x00\xFE\xFF", 4};
constexpr std::string_view kUtf16LeSignature = "\xFF\xFE";
constexpr std::string_view kUtf16BeSignature = "\xFE\xFF";

bool StartsWith(std::string_view bytes, std::string_view signature) {
    return bytes.substr(0, signature.size()) == signature;
}

std::string_view WithoutSignature(std::string_view bytes, std::string_view signature) {
    return StartsWith(bytes, signature) ? bytes.substr(signature.size()) : bytes;
}

// The encoding named by the signature at the start of the bytes, if there is one that counts.
std::optional<TextEncoding> SignatureEncoding(std::string_view bytes) {
    if (StartsWith(bytes, kUtf8Signature)) {
        return encoding::kUtf8Bom;
    }
    // Only this one of the forms a UTF-7 signature can take is recognised.
    if (StartsWith(bytes, kUtf7Signature)) {
        return encoding::kUtf7;
    }
    // UTF-32 LE before UTF-16 LE: both begin with FF FE.
    if (StartsWith(bytes, kUtf32LeSignature)) {
        return encoding::kUtf32Le;
    }
    if (StartsWith(bytes, kUtf32BeSignature)) {
        return encoding::kUtf32Be;
    }
    if (StartsWith(bytes, kUtf16LeSignature)) {
        return encoding::kUtf16Le;
    }
    if (StartsWith(bytes, kUtf16BeSignature)) {
        return encoding::kUtf16Be;
    }
    return std::nullopt;
}

constexpr size_t kPartSize = 256 * 1024;

// The rest of a UTF-16 file, read straight into the text's own storage; `firstBytes` are the
// bytes after the signature that were already read.
Text ReadUtf16Rest(InputFile& file, std::string_view firstBytes, bool bigEndian) {
    Text text;
    const size_t expected = std::max(file.sizeHint(), firstBytes.size() + 2) - 2;
    // One unit more than expected, so that the end of the file shows without growing.
    ReserveLarge(text, expected / 2 + 1);
    text.resize(expected / 2 + 1);
    std::memcpy(text.data(), firstBytes.data(), firstBytes.size());
    size_t filled = firstBytes.size();
    for (;;) {
        const size_t capacity = text.size() * 2;
        const size_t count =
            file.read(reinterpret_cast<char*>(text.data()) + filled, capacity - filled);
        filled += count;
        if (filled < capacity) {
            break;
        }
        text.resize(text.size() + kPartSize);
    }
    // An odd last byte is ignored.
    text.resize(filled / 2);
    if (bigEndian) {
        for (char16_t& unit : text) {
            unit = static_cast<char16_t>((unit << 8) | (unit >> 8));
        }
    }
    return text;
}

// UTF-8 read in parts, so that the bytes never have to be held whole: `readMore(buffer,
// capacity)` gives the next bytes (0 at the end), `decode(bytes, isLast)` the number of bytes it
// used or kUtf8Invalid. A sequence cut by the end of a part is carried to the front of the next.
// False when the bytes are not valid.
template <typename ReadMore, typename Decode>
bool DecodeInParts(std::string_view firstBytes, const ReadMore& readMore, const Decode& decode) {
    std::string part(kPartSize, '\0');
    firstBytes.copy(part.data(), firstBytes.size());
    size_t carried = firstBytes.size();
    for (;;) {
        const size_t count = readMore(part.data() + carried, part.size() - carried);
        const size_t available = carried + count;
        const bool isLast = count == 0;
        const size_t used = decode(std::string_view(part.data(), available), isLast);
        if (used == kUtf8Invalid) {
            return false;
        }
        if (isLast) {
            return true;
        }
        carried = available - used;
        std::memmove(part.data(), part.data() + used, carried);
    }
}

// The rest of the file; with `keepText` false the text of each part is dropped (the file is only
// checked).
bool DecodeUtf8Rest(InputFile& file, std::string_view firstBytes, Text& text, bool keepText) {
    return DecodeInParts(
        firstBytes, [&file](char* buffer, size_t capacity) { return file.read(buffer, capacity); },
        [&](std::string_view bytes, bool isLast) {
            if (!keepText) {
                text.clear();
            }
            return DecodeUtf8Part(bytes, isLast, text);
        });
}

// A stretch of a file that decodes on its own: it starts at a byte that is no continuation byte,
// and such a byte always starts a sequence, so no sequence runs over from the stretch before.
struct Stretch {
    size_t begin = 0;  // in the file
    size_t end = 0;
    size_t written = 0;  // units, in the text from the unit `begin - dataStart` on
    bool valid = true;
};

// Decodes the stretch into `out` (room for one unit per byte) in parts, as DecodeUtf8Rest does.
void DecodeStretch(const InputFile& file, Stretch& stretch, char16_t* out) {
    size_t offset = stretch.begin;
    const auto readMore = [&](char* buffer, size_t capacity) {
        const size_t count = file.readAt(buffer, std::min(capacity, stretch.end - offset), offset);
        offset += count;
        return count;
    };
    const auto decode = [&](std::string_view bytes, bool isLast) {
        size_t written = 0;
        const size_t used = DecodeUtf8Into(bytes, isLast, out + stretch.written, written);
        if (used != kUtf8Invalid)
            stretch.written += written;
        return used;
    };
    stretch.valid = DecodeInParts({}, readMore, decode);
}

// Where the stretch after `from` begins: the first byte at or after it that is no continuation
// byte. Nothing when a long run of continuation bytes leaves no place to cut.
std::optional<size_t> StretchStartAt(const InputFile& file, size_t from) {
    constexpr size_t kLookAhead = 64;
    char bytes[kLookAhead];
    const size_t count = file.readAt(bytes, sizeof bytes, from);
    for (size_t k = 0; k < count; ++k) {
        const auto byte = static_cast<unsigned char>(bytes[k]);
        if (byte < 0x80 || byte > 0xBF)
            return from + k;
    }
    return std::nullopt;
}

// A large plain file is decoded on all cores, each thread on a stretch of its own, into its own
// part of the text; the parts are then moved together. The outer nothing when it cannot be done
// so (a small file, no place to cut, a file that grew since it was opened); the inner nothing
// when the bytes are not UTF-8.
std::optional<std::optional<Text>> ReadUtf8InStretches(const InputFile& file, size_t dataStart) {
    constexpr size_t kSmallestStretch = size_t{4} << 20;
    const size_t size = file.sizeHint();
    if (!file.isPlainFile() || size < dataStart + 2 * kSmallestStretch)
        return std::nullopt;
    const size_t threads = std::min<size_t>(AllCores(), (size - dataStart) / kSmallestStretch);
    if (threads < 2)
        return std::nullopt;
    std::vector<Stretch> stretches(threads);
    stretches.front().begin = dataStart;
    for (size_t k = 1; k < threads; ++k) {
        const std::optional<size_t> start =
            StretchStartAt(file, dataStart + (size - dataStart) * k / threads);
        if (!start || *start <= stretches[k - 1].begin)
            return std::nullopt;
        stretches[k - 1].end = *start;
        stretches[k].begin = *start;
    }
    stretches.back().end = size;

    Text text;
    ReserveLarge(text, size - dataStart);
    text.resize(size - dataStart);
    std::vector<std::exception_ptr> failures(threads);
    {
        std::vector<std::jthread> helpers;
        const auto decode = [&](size_t k) {
            try {
                DecodeStretch(file, stretches[k], text.data() + (stretches[k].begin - dataStart));
            } catch (...) {
                // A failed read, thrown on the calling thread below.
                failures[k] = std::current_exception();
            }
        };
        for (size_t k = 1; k < threads; ++k)
            helpers.emplace_back(decode, k);
        decode(0);
    }
    for (const std::exception_ptr& failure : failures) {
        if (failure)
            std::rethrow_exception(failure);
    }
    // A file that grew after it was opened is read the ordinary way, to its new end.
    char after = 0;
    if (file.readAt(&after, 1, size) != 0)
        return std::nullopt;
    size_t length = 0;
    for (const Stretch& stretch : stretches) {
        if (!stretch.valid)
            return std::optional<Text>();
        std::memmove(text.data() + length, text.data() + (stretch.begin - dataStart),
                     stretch.written * sizeof(char16_t));
        length += stretch.written;
    }
    text.resize(length);
    return std::optional<Text>(std::move(text));
}

std::optional<Text> ReadUtf8Rest(InputFile& file, std::string_view firstBytes) {
    // `firstBytes` are what is left of the file's first four bytes after a signature, so the
    // text starts at the file's byte 4 - firstBytes.size(); the stretches read it again there.
    if (firstBytes.size() <= 4) {
        if (std::optional<std::optional<Text>> text =
                ReadUtf8InStretches(file, 4 - firstBytes.size()))
            return std::move(*text);
    }
    Text text;
    ReserveLarge(text, std::max(file.sizeHint(), firstBytes.size()));
    if (!DecodeUtf8Rest(file, firstBytes, text, true)) {
        return std::nullopt;
    }
    return text;
}

bool IsUtf8Rest(InputFile& file, std::string_view firstBytes) {
    Text scratch;
    return DecodeUtf8Rest(file, firstBytes, scratch, false);
}

}  // namespace

TextEncoding DetectEncodingOfBytes(std::string_view bytes) {
    if (bytes.size() < 2) {
        return encoding::kAnsi;
    }
    if (const auto code = SignatureEncoding(bytes)) {
        return *code;
    }
    const std::optional<Text> text = DecodeUtf8(bytes);
    return text && !text->empty() ? encoding::kUtf8 : encoding::kAnsi;
}

TextEncoding DetectEncoding(const std::string& path) {
    try {
        InputFile file(path);
        char head[4];
        const size_t headSize = file.read(head, sizeof head);
        if (headSize < 2) {
            return encoding::kAnsi;
        }
        const std::string_view first(head, headSize);
        if (const auto code = SignatureEncoding(first)) {
            return *code;
        }
        return IsUtf8Rest(file, first) ? encoding::kUtf8 : encoding::kAnsi;
    } catch (const UserError&) {
        // Classifying a file that cannot be read is not an error: it shows as ANSI.
        return encoding::kAnsi;
    }
}

Text DecodeText(std::string_view bytes, TextEncoding code) {
    switch (code) {
        case encoding::kUtf16Le:
        case encoding::kUtf16Be:
            return DecodeUtf16(
                WithoutSignature(
                    bytes, code == encoding::kUtf16Le ? kUtf16LeSignature : kUtf16BeSignature),
                code == encoding::kUtf16Be);
        case encoding::kUtf7: {
            std::optional<Text> text = DecodeUtf7(bytes);
            if (!text) {
                throw InvalidUtf7();
            }
            if (!text->empty() && text->front() == u'\uFEFF') {
                text->erase(0, 1);
            }
            return std::move(*text);
        }
        case encoding::kUtf8:
        case encoding::kUtf8Bom:
            // Content that is not valid after a signature reads as empty.
            return DecodeUtf8(WithoutSignature(bytes, kUtf8Signature)).value_or(Text());
        case encoding::kUtf32Le:
        case encoding::kUtf32Be:
            return DecodeUtf32(
                WithoutSignature(
                    bytes, code == encoding::kUtf32Le ? kUtf32LeSignature : kUtf32BeSignature),
                code == encoding::kUtf32Be);
        default:
            return DecodeWindows1252(bytes);
    }
}

// Detection and decoding in one pass: text without a signature that reads as UTF-8 is taken
// from that very reading instead of decoding it twice.
Text DecodeDetectedText(std::string_view bytes) {
    if (bytes.size() < 2) {
        return DecodeWindows1252(bytes);
    }
    if (const auto code = SignatureEncoding(bytes)) {
        return DecodeText(bytes, *code);
    }
    if (std::optional<Text> text = DecodeUtf8(bytes); text && !text->empty()) {
        return std::move(*text);
    }
    return DecodeWindows1252(bytes);
}

namespace {

Text ReadTextFileOrThrow(const std::string& path, const ReadContext& context) {
    if (DocumentFormatOf(path) != DocumentFormat::None) {
        return ReadWordDocument(path, -1, context);
    }
    InputFile file(path);
    if (!file.isPlainFile()) {
        std::string bytes;
        file.readRest(bytes);
        return DecodeDetectedText(bytes);
    }
    // The signature decides how the rest is read; large files in the common encodings are
    // decoded while they are read.
    char head[4];
    const size_t headSize = file.read(head, sizeof head);
    const std::string_view first(head, headSize);
    const std::optional<TextEncoding> code =
        headSize >= 2 ? SignatureEncoding(first) : std::optional<TextEncoding>(encoding::kAnsi);
    if (code == encoding::kUtf16Le || code == encoding::kUtf16Be) {
        return ReadUtf16Rest(file, first.substr(2), code == encoding::kUtf16Be);
    }
    if (code == encoding::kUtf8Bom) {
        return ReadUtf8Rest(file, first.substr(kUtf8Signature.size())).value_or(Text());
    }
    if (!code) {
        if (std::optional<Text> text = ReadUtf8Rest(file, first)) {
            return std::move(*text);
        }
        // Not UTF-8 after all: the whole file is ANSI.
        file.rewind();
        std::string bytes;
        file.readRest(bytes);
        return DecodeWindows1252(bytes);
    }
    std::string bytes(first);
    file.readRest(bytes);
    return DecodeText(bytes, *code);
}

}  // namespace

Text ReadTextFile(const std::string& path, const ReadContext& context) {
    try {
        return ReadTextFileOrThrow(path, context);
    } catch (const InvalidUtf7&) {
        throw UserError(u"Cannot read file \"" + FromUtf8(path) + u"\". Invalid UTF7");
    }
}

Text CodePointToUtf16(uint32_t codePoint) {
    Text text;
    AppendCodePointAsUtf16(codePoint, text);
    return text;
}

uint32_t Utf16CodePointAt(TextView text, int64_t position) {
    constexpr uint32_t kQuestionMark = u'?';
    if (position < 1 || static_cast<uint64_t>(position) > text.size()) {
        return kQuestionMark;
    }
    const size_t index = static_cast<size_t>(position - 1);
    const char16_t unit = text[index];
    if (IsHighSurrogate(unit)) {
        if (index + 1 < text.size() && IsLowSurrogate(text[index + 1])) {
            return 0x10000 + ((uint32_t{unit} - 0xD800) << 10) + (text[index + 1] - 0xDC00u);
        }
        return kQuestionMark;
    }
    // The second half of a pair is not lone: it gives its own value.
    if (IsLowSurrogate(unit) && (index == 0 || !IsHighSurrogate(text[index - 1]))) {
        return kQuestionMark;
    }
    return unit;
}

}  // namespace lexorim
