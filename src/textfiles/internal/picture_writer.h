#pragma once
// A text saved as a picture: every line drawn in the picture font on the background colour.

#include <cstdint>
#include <optional>
#include <string>

#include "engine/text_helpers.h"
#include "textfiles/internal/text_raster.h"
#include "textfiles/text_writer.h"

namespace lexorim {

// Renders `text` (lines cut at CR LF) and saves it as BMP, JPEG (quality 85) or GIF by the
// path's extension. A picture that cannot be made or saved throws UserError
// `Cannot create file "PATH". REASON`, and the previous file stays as it was.
void WritePicture(TextView text, const std::string& path, const PictureStyle& style);

// The picture of a text: as wide as its widest line plus 20 pixels, as high as its lines plus
// 20 pixels, each line drawn 10 pixels from the left, line i at 10 + i * the line height.
// Nothing when no font can be loaded.
std::optional<CoverageImage> RenderTextPicture(TextView text, const PictureStyle& style);

// A picture never exceeds 65500 pixels on a side (the most JPEG can hold) nor 64 million
// pixels in all (about 200 MB as a bitmap); a text that would need more is cut at the right
// and at the bottom.
inline constexpr int64_t kMaxPictureSide = 65500;
inline constexpr int64_t kMaxPicturePixels = 64'000'000;

struct PictureSize {
    int width = 0;
    int height = 0;
};
PictureSize LimitPictureSize(int64_t width, int64_t height);

}  // namespace lexorim
