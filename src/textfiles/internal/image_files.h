#pragma once
// Encoding a coverage raster as a picture in two colours: each pixel is the background colour
// blended towards the text colour by its coverage.

#include <cstdint>
#include <optional>
#include <string>

#include "textfiles/internal/text_raster.h"

namespace lexorim {

enum class PictureFormat { Bmp, Jpeg, Gif };

struct PictureColors {
    uint32_t text = 0x000000;        // 0xRRGGBB
    uint32_t background = 0xFFFFFF;  // 0xRRGGBB
};

// The 24-bit colour (0xRRGGBB) of a pixel with the given coverage.
uint32_t BlendedColor(const PictureColors& colors, uint8_t coverage);

// The bytes of the picture file; nothing when the image cannot be encoded (an empty image, or
// one larger than the format allows).
std::optional<std::string> EncodeBmp(const CoverageImage& image, const PictureColors& colors);
std::optional<std::string> EncodeJpeg(const CoverageImage& image, const PictureColors& colors,
                                      int quality);
// The palette holds the 256 blend levels between the two colours, so no colour is lost.
std::optional<std::string> EncodeGif(const CoverageImage& image, const PictureColors& colors);

std::optional<std::string> EncodePicture(const CoverageImage& image, const PictureColors& colors,
                                         PictureFormat format);

}  // namespace lexorim
