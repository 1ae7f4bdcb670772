#pragma once
// Drawing lines of text with a system font (found through fontconfig, drawn anti-aliased by
// FreeType) into a coverage raster: each pixel holds how much of it the text covers, 0 for
// the background and 255 for the full text colour.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

struct CoverageImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> coverage;  // row by row, top row first

    uint8_t At(int x, int y) const {
        return coverage[static_cast<size_t>(y) * static_cast<size_t>(width) +
                        static_cast<size_t>(x)];
    }
};

struct FontRequest {
    std::string family;
    int pixelSize = 11;
    bool bold = false;
    bool italic = false;
};

// A font ready to measure and draw text. Characters the font lacks are taken from another
// installed font that has them.
class TextFont {
  public:
    // Gives nothing when no usable font is installed at all.
    static std::unique_ptr<TextFont> Open(const FontRequest& request);
    ~TextFont();
    TextFont(const TextFont&) = delete;
    TextFont& operator=(const TextFont&) = delete;

    // The drawn height of a line of text: the font's ascent plus its descent, in pixels.
    int LineHeight() const;
    // The drawn width of one line in pixels (tabs advance to the next multiple of eight blanks).
    int64_t LineWidth(TextView line);
    // Draws one line with the top of its cell at (x, top); pixels outside the image are
    // clipped.
    void DrawLine(TextView line, int x, int top, CoverageImage& image);

    // The font file that serves plain letters (for messages and tests).
    const std::string& PrimaryFile() const;

  private:
    struct Impl;
    explicit TextFont(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

// The code points of a UTF-16 text; a surrogate without its partner becomes U+FFFD.
std::vector<char32_t> CodePointsOf(TextView text);

}  // namespace lexorim
