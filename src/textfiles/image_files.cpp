#include "textfiles/internal/image_files.h"

// jpeglib.h needs the standard types declared before it.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <gif_lib.h>
#include <jpeglib.h>

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace lexorim {

namespace {

constexpr int kJpegMaxSide = 65500;    // the largest side libjpeg writes
constexpr int kPixelsPerMetre = 3780;  // 96 dots per inch
constexpr int kJpegQuality = 85;

uint8_t Red(uint32_t color) {
    return static_cast<uint8_t>(color >> 16);
}
uint8_t Green(uint32_t color) {
    return static_cast<uint8_t>(color >> 8);
}
uint8_t Blue(uint32_t color) {
    return static_cast<uint8_t>(color);
}

uint8_t Mix(uint8_t background, uint8_t text, uint8_t coverage) {
    return static_cast<uint8_t>((background * (255 - coverage) + text * coverage + 127) / 255);
}

void PutLittleEndian(std::string& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

bool HasPixels(const CoverageImage& image) {
    return image.width > 0 && image.height > 0 &&
           image.coverage.size() ==
               static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
}

}  // namespace

uint32_t BlendedColor(const PictureColors& colors, uint8_t coverage) {
    return (uint32_t{Mix(Red(colors.background), Red(colors.text), coverage)} << 16) |
           (uint32_t{Mix(Green(colors.background), Green(colors.text), coverage)} << 8) |
           Mix(Blue(colors.background), Blue(colors.text), coverage);
}

std::optional<std::string> EncodeBmp(const CoverageImage& image, const PictureColors& colors) {
    const uint64_t rowBytes = (static_cast<uint64_t>(image.width) * 3 + 3) / 4 * 4;
    const uint64_t pixelBytes = rowBytes * static_cast<uint64_t>(image.height);
    if (!HasPixels(image) || 54 + pixelBytes > UINT32_MAX) {
        return std::nullopt;
    }
    std::string bmp;
    bmp.reserve(54 + pixelBytes);
    bmp += "BM";
    PutLittleEndian(bmp, static_cast<uint32_t>(54 + pixelBytes), 4);
    PutLittleEndian(bmp, 0, 4);   // reserved
    PutLittleEndian(bmp, 54, 4);  // offset of the pixels
    PutLittleEndian(bmp, 40, 4);  // size of the info header
    PutLittleEndian(bmp, static_cast<uint32_t>(image.width), 4);
    PutLittleEndian(bmp, static_cast<uint32_t>(image.height), 4);  // positive: bottom row first
    PutLittleEndian(bmp, 1, 2);                                    // planes
    PutLittleEndian(bmp, 24, 2);                                   // bits per pixel
    PutLittleEndian(bmp, 0, 4);                                    // no compression
    PutLittleEndian(bmp, static_cast<uint32_t>(pixelBytes), 4);
    PutLittleEndian(bmp, kPixelsPerMetre, 4);
    PutLittleEndian(bmp, kPixelsPerMetre, 4);
    PutLittleEndian(bmp, 0, 4);  // colours used
    PutLittleEndian(bmp, 0, 4);  // important colours
    const size_t padding = rowBytes - static_cast<size_t>(image.width) * 3;
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t color = BlendedColor(colors, image.At(x, y));
            bmp += static_cast<char>(Blue(color));
            bmp += static_cast<char>(Green(color));
            bmp += static_cast<char>(Red(color));
        }
        bmp.append(padding, '\0');
    }
    return bmp;
}

namespace {

// libjpeg reports errors by calling error_exit, which must not return; it jumps back into
// the encoder, which then gives up.
struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void JumpOnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}

void IgnoreJpegMessage(j_common_ptr /*info*/) {}

// The encoded bytes are left in *output (allocated by libjpeg with malloc). Only plain C data
// lives in this frame, so the jump out of libjpeg skips no destructor.
bool CompressJpeg(const CoverageImage& image, const PictureColors& colors, int quality,
                  uint8_t* row, unsigned char** output, unsigned long* outputSize) {
    jpeg_compress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnJpegError;
    errors.base.output_message = IgnoreJpegMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, output, outputSize);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const uint32_t color = BlendedColor(colors, image.At(x, y));
            row[3 * x] = Red(color);
            row[3 * x + 1] = Green(color);
            row[3 * x + 2] = Blue(color);
        }
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

struct MallocFree {
    void operator()(unsigned char* memory) const { std::free(memory); }
};

}  // namespace

std::optional<std::string> EncodeJpeg(const CoverageImage& image, const PictureColors& colors,
                                      int quality) {
    if (!HasPixels(image) || image.width > kJpegMaxSide || image.height > kJpegMaxSide) {
        return std::nullopt;
    }
    std::vector<uint8_t> row(static_cast<size_t>(image.width) * 3);
    unsigned char* output = nullptr;
    unsigned long outputSize = 0;
    const bool compressed = CompressJpeg(image, colors, quality, row.data(), &output, &outputSize);
    const std::unique_ptr<unsigned char, MallocFree> owned(output);
    if (!compressed || output == nullptr) {
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(output), outputSize);
}

namespace {

int AppendGifBytes(GifFileType* gif, const GifByteType* data, int size) {
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<size_t>(size));
    return size;
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct ColorMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

}  // namespace

std::optional<std::string> EncodeGif(const CoverageImage& image, const PictureColors& colors) {
    if (!HasPixels(image) || image.width > 0xFFFF || image.height > 0xFFFF) {
        return std::nullopt;
    }
    std::array<GifColorType, 256> palette{};
    for (int level = 0; level < 256; ++level) {
        const uint32_t color = BlendedColor(colors, static_cast<uint8_t>(level));
        palette[level] = {Red(color), Green(color), Blue(color)};
    }
    const std::unique_ptr<ColorMapObject, ColorMapDeleter> map(
        GifMakeMapObject(256, palette.data()));
    std::string gifBytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&gifBytes, AppendGifBytes, &error));
    if (!map || !gif) {
        return std::nullopt;
    }
    if (EGifPutScreenDesc(gif.get(), image.width, image.height, 8, 0, map.get()) == GIF_ERROR ||
        EGifPutImageDesc(gif.get(), 0, 0, image.width, image.height, false, nullptr) == GIF_ERROR) {
        return std::nullopt;
    }
    // The coverage of a pixel is its palette index.
    std::vector<GifPixelType> row(static_cast<size_t>(image.width));
    for (int y = 0; y < image.height; ++y) {
        const uint8_t* source = image.coverage.data() + static_cast<size_t>(y) * image.width;
        std::copy(source, source + image.width, row.begin());
        if (EGifPutLine(gif.get(), row.data(), image.width) == GIF_ERROR) {
            return std::nullopt;
        }
    }
    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR) {
        return std::nullopt;
    }
    return gifBytes;
}

std::optional<std::string> EncodePicture(const CoverageImage& image, const PictureColors& colors,
                                         PictureFormat format) {
    switch (format) {
        case PictureFormat::Bmp:
            return EncodeBmp(image, colors);
        case PictureFormat::Jpeg:
            return EncodeJpeg(image, colors, kJpegQuality);
        case PictureFormat::Gif:
            return EncodeGif(image, colors);
    }
    return std::nullopt;
}

}  // namespace lexorim
