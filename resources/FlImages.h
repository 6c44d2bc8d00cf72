#pragma once
// The program's pictures as FLTK images. Each image owns its pixels, so the
// caller only has to keep the image itself alive while a widget shows it.
#include <memory>

#include <FL/Fl_RGB_Image.H>

#include "resources/RgbImage.h"

namespace lookout {

std::unique_ptr<Fl_RGB_Image> ToFlImage(const RgbImage& image);

std::unique_ptr<Fl_RGB_Image> BannerImage();  // the About dialog's banner
std::unique_ptr<Fl_RGB_Image> IconImage();    // the main window's icon

}  // namespace lookout
