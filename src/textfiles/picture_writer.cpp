#include "textfiles/internal/picture_writer.h"

#include <algorithm>
#include <optional>

#include "engine/errors.h"
#include "textfiles/file_access.h"
#include "textfiles/internal/image_files.h"
#include "textfiles/internal/text_raster.h"

namespace lexorim {

namespace {

constexpr int kMargin = 10;

std::optional<PictureFormat> PictureFormatOf(const std::string& path) {
    const std::string extension = UpperCaseExtension(path);
    if (extension == "BMP")
        return PictureFormat::Bmp;
    if (extension == "GIF")
        return PictureFormat::Gif;
    if (extension == "JPG" || extension == "JPEG")
        return PictureFormat::Jpeg;
    return std::nullopt;
}

}  // namespace

PictureSize LimitPictureSize(int64_t width, int64_t height) {
    PictureSize size;
    size.width = static_cast<int>(std::clamp<int64_t>(width, 1, kMaxPictureSide));
    size.height = static_cast<int>(std::clamp<int64_t>(height, 1, kMaxPictureSide));
    const int64_t rowsThatFit = kMaxPicturePixels / size.width;
    size.height = static_cast<int>(std::min<int64_t>(size.height, rowsThatFit));
    return size;
}

std::optional<CoverageImage> RenderTextPicture(TextView text, const PictureStyle& style) {
    const std::unique_ptr<TextFont> font =
        TextFont::Open({style.fontFamily, style.pixelSize, style.bold, style.italic});
    if (!font) {
        return std::nullopt;
    }
    const std::vector<TextView> lines = SplitViewsAt(text, kCrLf);
    const int lineHeight = font->LineHeight();
    int64_t widest = 0;
    for (const TextView line : lines) {
        widest = std::max(widest, font->LineWidth(line));
    }
    const PictureSize size = LimitPictureSize(
        widest + 2 * kMargin, static_cast<int64_t>(lines.size()) * lineHeight + 2 * kMargin);

    CoverageImage image;
    image.width = size.width;
    image.height = size.height;
    image.coverage.assign(static_cast<size_t>(size.width) * static_cast<size_t>(size.height), 0);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int64_t top = kMargin + static_cast<int64_t>(i) * lineHeight;
        if (top >= image.height) {
            break;  // lines below a limited picture are left out
        }
        font->DrawLine(lines[i], kMargin, static_cast<int>(top), image);
    }
    return image;
}

void WritePicture(TextView text, const std::string& path, const PictureStyle& style) {
    const auto fail = [&path](TextView reason) {
        throw UserError(u"Cannot create file \"" + FromUtf8(path) + u"\". " + Text(reason));
    };
    const std::optional<PictureFormat> format = PictureFormatOf(path);
    if (!format)
        fail(u"The name has no picture extension (BMP, GIF, JPG, JPEG).");
    const std::optional<CoverageImage> image = RenderTextPicture(text, style);
    if (!image)
        fail(u"No font is available to draw the text.");
    const std::optional<std::string> bytes =
        EncodePicture(*image, {style.textColor, style.backgroundColor}, *format);
    if (!bytes)
        fail(u"The picture cannot be encoded.");
    ReplaceFileContents(path, *bytes);
}

}  // namespace lexorim
