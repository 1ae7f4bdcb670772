#include "textfiles/internal/text_raster.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <algorithm>
#include <unordered_map>

namespace lexorim {

namespace {

constexpr int kMaxPixelSize = 2000;
constexpr size_t kMaxFallbackFaces = 16;
constexpr int kTabWidthInBlanks = 8;

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;
using Library = std::unique_ptr<std::remove_pointer_t<FT_Library>, LibraryDeleter>;
using Face = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceDeleter>;

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x | 0x20) == (y | 0x20);
           });
}

// The fontconfig pattern for the request. Courier New, the usual font of Windows programs, is
// rarely installed on Linux; a metric-compatible or at least a monospace font stands in.
Pattern RequestPattern(const FontRequest& request, int pixelSize) {
    Pattern pattern(FcPatternCreate());
    const std::string family = request.family.empty() ? "monospace" : request.family;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    if (EqualsIgnoringAsciiCase(family, "Courier New") ||
        EqualsIgnoringAsciiCase(family, "Courier")) {
        FcPatternAddString(pattern.get(), FC_FAMILY,
                           reinterpret_cast<const FcChar8*>("Liberation Mono"));
        FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>("monospace"));
    }
    FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, pixelSize);
    FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                        request.bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    return pattern;
}

struct LoadedFace {
    Face face;
    bool embolden = false;  // the request was bold but the font has no bold face
    std::string file;
};

std::optional<LoadedFace> LoadFace(FT_Library library, FcPattern* match, int pixelSize) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch || file == nullptr) {
        return std::nullopt;
    }
    int index = 0;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FT_Face raw = nullptr;
    if (FT_New_Face(library, reinterpret_cast<const char*>(file), index, &raw) != 0) {
        return std::nullopt;
    }
    LoadedFace loaded{Face(raw), false, reinterpret_cast<const char*>(file)};
    if (FT_Set_Pixel_Sizes(raw, 0, static_cast<FT_UInt>(pixelSize)) != 0) {
        if (raw->num_fixed_sizes <= 0 || FT_Select_Size(raw, 0) != 0) {
            return std::nullopt;
        }
    }
    FcBool embolden = FcFalse;
    if (FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden) == FcResultMatch) {
        loaded.embolden = embolden == FcTrue;
    }
    FcMatrix* matrix = nullptr;
    if (FcPatternGetMatrix(match, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix != nullptr) {
        // A slant that fontconfig synthesises for an italic request on an upright font.
        FT_Matrix transform;
        transform.xx = static_cast<FT_Fixed>(matrix->xx * 0x10000);
        transform.xy = static_cast<FT_Fixed>(matrix->xy * 0x10000);
        transform.yx = static_cast<FT_Fixed>(matrix->yx * 0x10000);
        transform.yy = static_cast<FT_Fixed>(matrix->yy * 0x10000);
        FT_Set_Transform(raw, &transform, nullptr);
    }
    return loaded;
}

struct GlyphRef {
    size_t face = 0;  // index into the loaded faces
    FT_UInt index = 0;
    int64_t advance = 0;  // 26.6 fixed point
};

}  // namespace

struct TextFont::Impl {
    Library library;
    Pattern request;
    std::vector<LoadedFace> faces;  // faces[0] is the best match
    Pattern primaryMatch;
    std::unique_ptr<FcFontSet, FontSetDeleter> fallbacks;  // filled on the first missing glyph
    bool fallbacksSearched = false;
    std::unordered_map<char32_t, GlyphRef> glyphs;
    int pixelSize = 11;
    int ascent = 0;
    int descent = 0;

    GlyphRef Glyph(char32_t c) {
        if (const auto found = glyphs.find(c); found != glyphs.end()) {
            return found->second;
        }
        GlyphRef ref = Locate(c);
        if (FT_Load_Glyph(faces[ref.face].face.get(), ref.index, FT_LOAD_DEFAULT) == 0) {
            FT_GlyphSlot slot = faces[ref.face].face->glyph;
            if (faces[ref.face].embolden) {
                FT_GlyphSlot_Embolden(slot);
            }
            ref.advance = slot->advance.x;
        }
        glyphs.emplace(c, ref);
        return ref;
    }

    // The face that has the character: the primary face, else the first fallback that has it,
    // else the primary face's missing-glyph box.
    GlyphRef Locate(char32_t c) {
        for (size_t i = 0; i < faces.size(); ++i) {
            if (const FT_UInt index = FT_Get_Char_Index(faces[i].face.get(), c); index != 0) {
                return {i, index, 0};
            }
        }
        if (!fallbacksSearched) {
            fallbacksSearched = true;
            FcResult result = FcResultNoMatch;
            fallbacks.reset(FcFontSort(nullptr, request.get(), FcTrue, nullptr, &result));
        }
        if (!fallbacks || faces.size() >= kMaxFallbackFaces) {
            return {0, 0, 0};
        }
        for (int i = 0; i < fallbacks->nfont; ++i) {
            FcCharSet* charset = nullptr;
            if (FcPatternGetCharSet(fallbacks->fonts[i], FC_CHARSET, 0, &charset) !=
                    FcResultMatch ||
                !FcCharSetHasChar(charset, c)) {
                continue;
            }
            const Pattern prepared(
                FcFontRenderPrepare(nullptr, request.get(), fallbacks->fonts[i]));
            std::optional<LoadedFace> face = LoadFace(library.get(), prepared.get(), pixelSize);
            if (!face) {
                continue;
            }
            const FT_UInt index = FT_Get_Char_Index(face->face.get(), c);
            if (index == 0) {
                continue;
            }
            faces.push_back(std::move(*face));
            return {faces.size() - 1, index, 0};
        }
        return {0, 0, 0};
    }
};

TextFont::TextFont(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
TextFont::~TextFont() = default;

std::unique_ptr<TextFont> TextFont::Open(const FontRequest& request) {
    auto impl = std::make_unique<Impl>();
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0) {
        return nullptr;
    }
    impl->library.reset(library);
    impl->pixelSize = std::clamp(request.pixelSize, 1, kMaxPixelSize);
    impl->request = RequestPattern(request, impl->pixelSize);
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(nullptr, impl->request.get(), &result));
    if (!match) {
        return nullptr;
    }
    std::optional<LoadedFace> face = LoadFace(library, match.get(), impl->pixelSize);
    if (!face) {
        return nullptr;
    }
    const FT_Size_Metrics& metrics = face->face->size->metrics;
    impl->ascent = static_cast<int>((metrics.ascender + 63) / 64);
    impl->descent = static_cast<int>((-metrics.descender + 63) / 64);
    if (impl->ascent + impl->descent <= 0) {
        impl->ascent = impl->pixelSize;
        impl->descent = 0;
    }
    impl->faces.push_back(std::move(*face));
    return std::unique_ptr<TextFont>(new TextFont(std::move(impl)));
}

int TextFont::LineHeight() const {
    return impl_->ascent + impl_->descent;
}

const std::string& TextFont::PrimaryFile() const {
    return impl_->faces.front().file;
}

namespace {

bool IsDrawn(char32_t c) {
    return c >= 0x20 && c != 0x7F;
}

}  // namespace

int64_t TextFont::LineWidth(TextView line) {
    const int64_t tabStop = std::max<int64_t>(impl_->Glyph(U' ').advance, 64) * kTabWidthInBlanks;
    int64_t pen = 0;
    for (const char32_t c : CodePointsOf(line)) {
        if (c == U'\t') {
            pen = (pen / tabStop + 1) * tabStop;
        } else if (IsDrawn(c)) {
            pen += impl_->Glyph(c).advance;
        }
    }
    return (pen + 63) / 64;
}

namespace {

// Adds a glyph's coverage to the image: coverage already there is kept and the glyph covers
// part of what is left, as drawing with that opacity would.
void BlendBitmap(const FT_Bitmap& bitmap, int left, int top, CoverageImage& image) {
    const int pitch = bitmap.pitch;
    for (int row = 0; row < static_cast<int>(bitmap.rows); ++row) {
        const int y = top + row;
        if (y < 0 || y >= image.height) {
            continue;
        }
        const unsigned char* source =
            pitch >= 0 ? bitmap.buffer + static_cast<ptrdiff_t>(row) * pitch
                       : bitmap.buffer + static_cast<ptrdiff_t>(bitmap.rows - 1 - row) * -pitch;
        uint8_t* target = image.coverage.data() + static_cast<size_t>(y) * image.width;
        for (int column = 0; column < static_cast<int>(bitmap.width); ++column) {
            const int x = left + column;
            if (x < 0 || x >= image.width) {
                continue;
            }
            int alpha = 0;
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                alpha = (source[column / 8] & (0x80 >> (column % 8))) != 0 ? 255 : 0;
            } else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
                const int levels = std::max<int>(bitmap.num_grays - 1, 1);
                alpha = source[column] * 255 / levels;
            }
            const int old = target[x];
            target[x] = static_cast<uint8_t>(old + (255 - old) * alpha / 255);
        }
    }
}

}  // namespace

void TextFont::DrawLine(TextView line, int x, int top, CoverageImage& image) {
    const int64_t tabStop = std::max<int64_t>(impl_->Glyph(U' ').advance, 64) * kTabWidthInBlanks;
    const int baseline = top + impl_->ascent;
    int64_t pen = 0;
    for (const char32_t c : CodePointsOf(line)) {
        if (c == U'\t') {
            pen = (pen / tabStop + 1) * tabStop;
            continue;
        }
        if (!IsDrawn(c)) {
            continue;
        }
        const GlyphRef glyph = impl_->Glyph(c);
        const int64_t originX = x + (pen + 32) / 64;
        pen += glyph.advance;
        if (originX >= image.width) {
            break;  // the rest of the line lies outside the picture
        }
        const LoadedFace& face = impl_->faces[glyph.face];
        if (FT_Load_Glyph(face.face.get(), glyph.index, FT_LOAD_DEFAULT) != 0) {
            continue;
        }
        FT_GlyphSlot slot = face.face->glyph;
        if (face.embolden) {
            FT_GlyphSlot_Embolden(slot);
        }
        if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
            continue;
        }
        BlendBitmap(slot->bitmap, static_cast<int>(originX) + slot->bitmap_left,
                    baseline - slot->bitmap_top, image);
    }
}

std::vector<char32_t> CodePointsOf(TextView text) {
    std::vector<char32_t> points;
    points.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            points.push_back(0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                             (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            points.push_back(0xFFFD);
        } else {
            points.push_back(unit);
        }
    }
    return points;
}

}  // namespace lexorim
