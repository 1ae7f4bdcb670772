#pragma once
// A text saved as a picture: every line drawn in the picture font on the background colour.

#include <string>

#include "engine/text_helpers.h"
#include "textfiles/text_writer.h"

namespace lexorim {

// Renders `text` (lines cut at CR LF) and saves it as BMP, JPEG (quality 85) or GIF by the
// path's extension. Returns false when the picture could not be made or saved.
bool WritePicture(TextView text, const std::string& path, const PictureStyle& style);

}  // namespace lexorim
