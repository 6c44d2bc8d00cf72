#include "resources/FlImages.h"

#include "resources/Pictures.h"

namespace lookout {

std::unique_ptr<Fl_RGB_Image> ToFlImage(const RgbImage& image) {
    // Fl_RGB_Image borrows its bits; copy() makes an image that owns them.
    Fl_RGB_Image borrowed(image.Bytes().data(), image.Width(), image.Height(), 3);
    return std::unique_ptr<Fl_RGB_Image>(static_cast<Fl_RGB_Image*>(borrowed.copy()));
}

std::unique_ptr<Fl_RGB_Image> BannerImage() { return ToFlImage(DrawBanner()); }

std::unique_ptr<Fl_RGB_Image> IconImage() { return ToFlImage(DrawIcon()); }

}  // namespace lookout
