#include "textfiles/internal/picture_writer.h"

#include <gtest/gtest.h>

// jpeglib.h needs the standard types declared before it.
#include <cstddef>
#include <cstdio>

#include <gif_lib.h>
#include <jpeglib.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/errors.h"
#include "temp_folder.h"
#include "textfiles/internal/image_files.h"
#include "textfiles/internal/text_raster.h"
#include "textfiles/text_writer.h"

namespace lexorim {
namespace {

using testing::TempFolder;

constexpr uint32_t kInk = 0x123456;
constexpr uint32_t kPaper = 0xF0E0C0;

PictureStyle Style(int pixelSize = 11, const std::string& family = "Courier New") {
    PictureStyle style;
    style.fontFamily = family;
    style.pixelSize = pixelSize;
    style.textColor = kInk;
    style.backgroundColor = kPaper;
    return style;
}

std::unique_ptr<TextFont> FontOf(const PictureStyle& style) {
    return TextFont::Open({style.fontFamily, style.pixelSize, style.bold, style.italic});
}

bool RowIsBlank(const CoverageImage& image, int y) {
    for (int x = 0; x < image.width; ++x) {
        if (image.At(x, y) != 0) {
            return false;
        }
    }
    return true;
}

bool ColumnIsBlank(const CoverageImage& image, int x) {
    for (int y = 0; y < image.height; ++y) {
        if (image.At(x, y) != 0) {
            return false;
        }
    }
    return true;
}

// A decoded picture: 0xRRGGBB per pixel, top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;
    uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
};

uint32_t ReadLittleEndian(const std::string& bytes, size_t offset, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
    }
    return value;
}

Pixels DecodeBmp(const std::string& bytes) {
    Pixels pixels;
    EXPECT_GE(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(ReadLittleEndian(bytes, 2, 4), bytes.size());
    EXPECT_EQ(ReadLittleEndian(bytes, 28, 2), 24u);
    EXPECT_EQ(ReadLittleEndian(bytes, 30, 4), 0u);
    pixels.width = static_cast<int>(ReadLittleEndian(bytes, 18, 4));
    pixels.height = static_cast<int>(ReadLittleEndian(bytes, 22, 4));
    const size_t offset = ReadLittleEndian(bytes, 10, 4);
    const size_t rowBytes = (static_cast<size_t>(pixels.width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(bytes.size(), offset + rowBytes * pixels.height);
    for (int y = 0; y < pixels.height; ++y) {
        const size_t row = offset + rowBytes * static_cast<size_t>(pixels.height - 1 - y);
        for (int x = 0; x < pixels.width; ++x) {
            const size_t at = row + 3 * static_cast<size_t>(x);
            pixels.rgb.push_back((uint32_t{static_cast<uint8_t>(bytes[at + 2])} << 16) |
                                 (uint32_t{static_cast<uint8_t>(bytes[at + 1])} << 8) |
                                 static_cast<uint8_t>(bytes[at]));
        }
    }
    return pixels;
}

Pixels DecodeJpeg(const std::string& bytes) {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    Pixels pixels;
    pixels.width = static_cast<int>(info.output_width);
    pixels.height = static_cast<int>(info.output_height);
    std::vector<uint8_t> row(static_cast<size_t>(pixels.width) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < pixels.width; ++x) {
            pixels.rgb.push_back((uint32_t{row[3 * x]} << 16) | (uint32_t{row[3 * x + 1]} << 8) |
                                 row[3 * x + 2]);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return pixels;
}

struct GifInput {
    const std::string* bytes;
    size_t position = 0;
};

int ReadGifBytes(GifFileType* gif, GifByteType* target, int count) {
    auto* input = static_cast<GifInput*>(gif->UserData);
    const size_t available = input->bytes->size() - input->position;
    const size_t taken = std::min(available, static_cast<size_t>(count));
    std::copy_n(input->bytes->data() + input->position, taken, target);
    input->position += taken;
    return static_cast<int>(taken);
}

struct DecodedGif {
    Pixels pixels;
    int colorCount = 0;
    std::vector<uint8_t> indexes;
};

DecodedGif DecodeGif(const std::string& bytes) {
    DecodedGif decoded;
    GifInput input{&bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&input, ReadGifBytes, &error);
    EXPECT_NE(gif, nullptr);
    if (gif == nullptr) {
        return decoded;
    }
    EXPECT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->ImageCount, 1);
    const ColorMapObject* map = gif->SavedImages[0].ImageDesc.ColorMap
                                    ? gif->SavedImages[0].ImageDesc.ColorMap
                                    : gif->SColorMap;
    decoded.colorCount = map->ColorCount;
    decoded.pixels.width = gif->SWidth;
    decoded.pixels.height = gif->SHeight;
    const GifByteType* raster = gif->SavedImages[0].RasterBits;
    for (int i = 0; i < gif->SWidth * gif->SHeight; ++i) {
        const GifColorType color = map->Colors[raster[i]];
        decoded.indexes.push_back(raster[i]);
        decoded.pixels.rgb.push_back((uint32_t{color.Red} << 16) | (uint32_t{color.Green} << 8) |
                                     color.Blue);
    }
    DGifCloseFile(gif, &error);
    return decoded;
}

int ChannelDistance(uint32_t a, uint32_t b) {
    int largest = 0;
    for (int shift : {0, 8, 16}) {
        largest = std::max(largest, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                             static_cast<int>((b >> shift) & 0xFF)));
    }
    return largest;
}

TEST(PictureGeometry, SizeFollowsTheWidestLineAndTheNumberOfLines) {
    const PictureStyle style = Style();
    const std::unique_ptr<TextFont> font = FontOf(style);
    ASSERT_NE(font, nullptr);
    const int h = font->LineHeight();
    EXPECT_GT(h, 0);
    const struct {
        Text text;
        int lines;
        Text widest;
    } cases[] = {
        {u"", 1, u""},
        {u"A", 1, u"A"},
        {u"A\r\nBB\r\nccc", 3, u"ccc"},
        {u"long line here\r\nshort", 2, u"long line here"},
        {u"trailing\r\n", 2, u"trailing"},
        {u"\r\n\r\n", 3, u""},
        {u"lone\rCR and\nLF stay in one line", 1, u"lone\rCR and\nLF stay in one line"},
    };
    for (const auto& c : cases) {
        const std::optional<CoverageImage> image = RenderTextPicture(c.text, style);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->height, c.lines * h + 20) << testing::UnitsToHex(c.text);
        EXPECT_EQ(image->width, font->LineWidth(c.widest) + 20) << testing::UnitsToHex(c.text);
    }
}

TEST(PictureGeometry, TheDefaultFontIsMonospaced) {
    const std::unique_ptr<TextFont> font = FontOf(Style());
    ASSERT_NE(font, nullptr);
    const int64_t one = font->LineWidth(u"i");
    EXPECT_GT(one, 0);
    EXPECT_EQ(font->LineWidth(u"W"), one);
    EXPECT_EQ(font->LineWidth(u"iiiii"), 5 * one);
}

TEST(PictureGeometry, LinesAreDrawnTenPixelsInAndOneLineHeightApart) {
    const PictureStyle style = Style(24);
    const std::unique_ptr<TextFont> font = FontOf(style);
    ASSERT_NE(font, nullptr);
    const int h = font->LineHeight();
    const std::optional<CoverageImage> image = RenderTextPicture(u"HH\r\n\r\nH", style);
    ASSERT_TRUE(image.has_value());
    ASSERT_EQ(image->height, 3 * h + 20);
    auto bandHasInk = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y) {
            if (!RowIsBlank(*image, y)) {
                return true;
            }
        }
        return false;
    };
    EXPECT_FALSE(bandHasInk(0, 10)) << "top margin";
    EXPECT_TRUE(bandHasInk(10, 10 + h)) << "line 0";
    EXPECT_FALSE(bandHasInk(10 + h, 10 + 2 * h)) << "empty line 1";
    EXPECT_TRUE(bandHasInk(10 + 2 * h, 10 + 3 * h)) << "line 2";
    EXPECT_FALSE(bandHasInk(10 + 3 * h, image->height)) << "bottom margin";
    for (int x = 0; x < 10; ++x) {
        EXPECT_TRUE(ColumnIsBlank(*image, x)) << "left margin column " << x;
    }
    int firstInk = 10;
    while (firstInk < image->width && ColumnIsBlank(*image, firstInk)) {
        ++firstInk;
    }
    EXPECT_LE(firstInk, 10 + 24 / 3) << "the first letter starts near x = 10";
    for (int x = image->width - 10; x < image->width; ++x) {
        EXPECT_TRUE(ColumnIsBlank(*image, x)) << "right margin column " << x;
    }
}

TEST(PictureGeometry, StrokesReachTheFullTextColour) {
    const std::optional<CoverageImage> image = RenderTextPicture(u"HIL", Style(40));
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(*std::max_element(image->coverage.begin(), image->coverage.end()), 255);
    EXPECT_EQ(BlendedColor({kInk, kPaper}, 255), kInk);
    EXPECT_EQ(BlendedColor({kInk, kPaper}, 0), kPaper);
}

TEST(PictureGeometry, BoldAndItalicAreDrawnDifferently) {
    PictureStyle regular = Style(30);
    PictureStyle bold = regular;
    bold.bold = true;
    PictureStyle italic = regular;
    italic.italic = true;
    const auto ink = [](const PictureStyle& style) {
        const std::optional<CoverageImage> image = RenderTextPicture(u"Hill", style);
        int64_t sum = 0;
        for (const uint8_t c : image->coverage) {
            sum += c;
        }
        return sum;
    };
    const auto coverage = [](const PictureStyle& style) {
        return RenderTextPicture(u"Hill", style)->coverage;
    };
    EXPECT_GT(ink(bold), ink(regular));
    EXPECT_NE(coverage(italic), coverage(regular));
}

TEST(PictureGeometry, CharactersAboveTheBasicPlaneAreOneCharacter) {
    EXPECT_EQ(CodePointsOf(u"a\U0001F600b"), (std::vector<char32_t>{U'a', 0x1F600, U'b'}));
    EXPECT_EQ(CodePointsOf(std::u16string(u"a\xD83D"
                                          u"b\xDE00")),
              (std::vector<char32_t>{U'a', 0xFFFD, U'b', 0xFFFD}));
    EXPECT_EQ(CodePointsOf(u""), std::vector<char32_t>{});

    const std::unique_ptr<TextFont> font = FontOf(Style());
    ASSERT_NE(font, nullptr);
    // The pair is measured as one character, not as two replacement characters.
    const int64_t pair = font->LineWidth(u"\U00010348");
    const int64_t replacement = font->LineWidth(u"\uFFFD");
    EXPECT_GT(pair, 0);
    EXPECT_NE(pair, 2 * replacement);
    EXPECT_TRUE(RenderTextPicture(u"\U0001F600 \U00010348 \xD800", Style()).has_value());
}

TEST(PictureGeometry, TabsAdvanceToTheNextStop) {
    const std::unique_ptr<TextFont> font = FontOf(Style());
    ASSERT_NE(font, nullptr);
    const int64_t blank = font->LineWidth(u" ");
    EXPECT_EQ(font->LineWidth(u"\t"), 8 * blank);
    EXPECT_EQ(font->LineWidth(u"ab\t"), 8 * blank);
    EXPECT_EQ(font->LineWidth(u"ab\tc"), 9 * blank);
    EXPECT_EQ(font->LineWidth(u"\x01\x02"), 0) << "control characters are not drawn";
}

TEST(PictureGeometry, HugePicturesAreLimited) {
    EXPECT_EQ(LimitPictureSize(100, 50).width, 100);
    EXPECT_EQ(LimitPictureSize(100, 50).height, 50);
    EXPECT_EQ(LimitPictureSize(0, -3).width, 1);
    EXPECT_EQ(LimitPictureSize(0, -3).height, 1);
    EXPECT_EQ(LimitPictureSize(int64_t{1} << 40, 30).width, kMaxPictureSide);
    EXPECT_EQ(LimitPictureSize(30, int64_t{1} << 40).height, kMaxPictureSide);
    const PictureSize big = LimitPictureSize(kMaxPictureSide, kMaxPictureSide);
    EXPECT_EQ(big.width, kMaxPictureSide);
    EXPECT_LE(int64_t{big.width} * big.height, kMaxPicturePixels);
    EXPECT_EQ(big.height, kMaxPicturePixels / kMaxPictureSide);

    const std::optional<CoverageImage> wide = RenderTextPicture(Text(200000, u'W'), Style());
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ(wide->width, kMaxPictureSide);
    Text manyLines;
    for (int i = 0; i < 20000; ++i) {
        manyLines += u"line\r\n";
    }
    const std::optional<CoverageImage> tall = RenderTextPicture(manyLines, Style());
    ASSERT_TRUE(tall.has_value());
    EXPECT_EQ(tall->height, kMaxPictureSide);
}

TEST(PictureGeometry, AnUnknownFamilyStillGivesAFont) {
    EXPECT_NE(FontOf(Style(11, "No Such Font Family 123")), nullptr);
    EXPECT_NE(FontOf(Style(11, "")), nullptr);
    EXPECT_NE(FontOf(Style(0)), nullptr);
    EXPECT_NE(FontOf(Style(100000)), nullptr);
}

class PictureFiles : public ::testing::Test {
  protected:
    TempFolder folder_;
    const Text text_ = u"Index\r\n\r\nA\r\nApfel 3, 7\r\n\U0001F600 Grüße";
};

TEST_F(PictureFiles, BitmapHoldsTheRenderedPixelsExactly) {
    const std::string path = folder_.file("picture.bmp");
    ASSERT_NO_THROW(WritePicture(text_, path, Style()));
    const Pixels pixels = DecodeBmp(TempFolder::read(path));
    const std::optional<CoverageImage> image = RenderTextPicture(text_, Style());
    ASSERT_EQ(pixels.width, image->width);
    ASSERT_EQ(pixels.height, image->height);
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            ASSERT_EQ(pixels.At(x, y), BlendedColor({kInk, kPaper}, image->At(x, y)))
                << x << "," << y;
        }
    }
    EXPECT_EQ(pixels.At(0, 0), kPaper);
}

TEST_F(PictureFiles, GifKeepsEveryBlendLevelInItsPalette) {
    const std::string path = folder_.file("picture.gif");
    ASSERT_NO_THROW(WritePicture(text_, path, Style()));
    const DecodedGif gif = DecodeGif(TempFolder::read(path));
    const std::optional<CoverageImage> image = RenderTextPicture(text_, Style());
    ASSERT_EQ(gif.pixels.width, image->width);
    ASSERT_EQ(gif.pixels.height, image->height);
    EXPECT_EQ(gif.colorCount, 256);
    EXPECT_EQ(gif.indexes, image->coverage);
    for (int y = 0; y < gif.pixels.height; ++y) {
        for (int x = 0; x < gif.pixels.width; ++x) {
            ASSERT_EQ(gif.pixels.At(x, y), BlendedColor({kInk, kPaper}, image->At(x, y)));
        }
    }
}

TEST_F(PictureFiles, JpegHasTheSizeAndTheColoursWithinItsLoss) {
    for (const char* name : {"picture.jpg", "picture.JPEG", "picture.JpG"}) {
        const std::string path = folder_.file(name);
        ASSERT_NO_THROW(WritePicture(text_, path, Style())) << name;
        const Pixels pixels = DecodeJpeg(TempFolder::read(path));
        const std::optional<CoverageImage> image = RenderTextPicture(text_, Style());
        ASSERT_EQ(pixels.width, image->width) << name;
        ASSERT_EQ(pixels.height, image->height) << name;
        // Flat background away from the text survives quality 85 almost unchanged.
        EXPECT_LE(ChannelDistance(pixels.At(0, 0), kPaper), 6) << name;
        EXPECT_LE(ChannelDistance(pixels.At(pixels.width - 1, pixels.height - 1), kPaper), 6);
        int darkest = 0;
        for (const uint32_t rgb : pixels.rgb) {
            darkest = std::max(darkest, ChannelDistance(rgb, kPaper));
        }
        EXPECT_GT(darkest, 100) << "the text is visible in " << name;
    }
}

TEST_F(PictureFiles, ExtensionsInAnyCaseAndAnEmptyText) {
    for (const char* name : {"a.BMP", "b.Gif", "c.jpeg", "d.JPG"}) {
        const std::string path = folder_.file(name);
        EXPECT_NO_THROW(WritePicture(u"", path, Style())) << name;
        EXPECT_TRUE(std::filesystem::exists(path)) << name;
    }
    const Pixels empty = DecodeBmp(TempFolder::read(folder_.file("a.BMP")));
    EXPECT_EQ(empty.width, 20);
    EXPECT_EQ(empty.height, FontOf(Style())->LineHeight() + 20);
    for (const uint32_t rgb : empty.rgb) {
        EXPECT_EQ(rgb, kPaper);
    }
}

TEST_F(PictureFiles, SavingATextUnderAPictureNameWritesThePicture) {
    const std::string path = folder_.file("saved.Gif");
    WriteTextFile(text_, path, encoding::kUtf16Le, true, Style());
    const DecodedGif gif = DecodeGif(TempFolder::read(path));
    EXPECT_EQ(gif.indexes, RenderTextPicture(text_, Style())->coverage);
}

TEST_F(PictureFiles, AnExistingFileIsReplaced) {
    const std::string path = folder_.write("old.bmp", "old content");
    ASSERT_NO_THROW(WritePicture(u"new", path, Style()));
    EXPECT_EQ(TempFolder::read(path).substr(0, 2), "BM");
    EXPECT_EQ(folder_.names(), std::vector<std::string>{"old.bmp"}) << "no temporary file is left";
}

// A picture that cannot be written is an error naming the file, never a success without one.
TEST_F(PictureFiles, FailuresAreErrorsAndLeaveNoFile) {
    EXPECT_THROW(WritePicture(u"x", folder_.file("no-such-folder/x.bmp"), Style()), UserError);
    EXPECT_THROW(WritePicture(u"x", folder_.file("text.txt"), Style()), UserError);
    EXPECT_THROW(WritePicture(u"x", folder_.file("noextension"), Style()), UserError);
    EXPECT_THROW(
        WriteTextFile(u"x", folder_.file("no-such-folder/x.jpg"), encoding::kUtf8, false, Style()),
        UserError);
    EXPECT_TRUE(folder_.names().empty());
}

TEST(ImageEncoders, RejectImagesTheyCannotHold) {
    CoverageImage empty;
    EXPECT_FALSE(EncodeBmp(empty, {}).has_value());
    EXPECT_FALSE(EncodeGif(empty, {}).has_value());
    EXPECT_FALSE(EncodeJpeg(empty, {}, 85).has_value());
    CoverageImage tooWide;
    tooWide.width = 70000;
    tooWide.height = 1;
    tooWide.coverage.assign(70000, 0);
    EXPECT_FALSE(EncodeGif(tooWide, {}).has_value());
    EXPECT_FALSE(EncodeJpeg(tooWide, {}, 85).has_value());
    EXPECT_TRUE(EncodeBmp(tooWide, {}).has_value());
}

TEST(ImageEncoders, BitmapRowsArePaddedToFourBytes) {
    for (const int width : {1, 2, 3, 4, 5}) {
        CoverageImage image;
        image.width = width;
        image.height = 2;
        image.coverage.assign(static_cast<size_t>(width) * 2, 0);
        image.coverage[0] = 255;  // top left
        const std::optional<std::string> bmp = EncodeBmp(image, {0x0000FF, 0xFFFFFF});
        ASSERT_TRUE(bmp.has_value());
        const Pixels pixels = DecodeBmp(*bmp);
        EXPECT_EQ(pixels.At(0, 0), 0x0000FFu) << width;
        EXPECT_EQ(pixels.At(0, 1), 0xFFFFFFu) << width;
    }
}

}  // namespace
}  // namespace lexorim
