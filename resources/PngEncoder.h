#pragma once
// PNG files of the program's pictures, for desktop packaging. The encoder is
// deliberately minimal: 8-bit RGB, no filtering, stored (uncompressed) deflate
// blocks, so it needs no compression library; the pictures are tiny.
#include <string>

#include "resources/RgbImage.h"

namespace lookout {

std::string EncodePng(const RgbImage& image);

}  // namespace lookout
