#pragma once
// Windows icon files (.ico) of the program's pictures, for the executables'
// icon resource. Each picture is stored as a PNG, which Windows reads in icon
// files since Vista, so no second pixel format is needed.
#include <string>
#include <vector>

#include "resources/RgbImage.h"

namespace lookout {

// One icon file holding every picture (each at most 256 pixels square) in the
// order given.
std::string EncodeIco(const std::vector<RgbImage>& images);

}  // namespace lookout
