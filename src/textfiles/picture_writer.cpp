#include "textfiles/picture_writer.h"

namespace lexorim {

bool WritePicture(TextView text, const std::string& path, const PictureStyle& style) {
    return false;
}

}  // namespace lexorim
