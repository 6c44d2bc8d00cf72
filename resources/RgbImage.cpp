#include "resources/RgbImage.h"

#include <cstddef>

namespace lookout {

RgbImage::RgbImage(int width, int height, Rgb fill)
    : width_(width), height_(height), bytes_(static_cast<std::size_t>(width) * height * 3) {
    FillRect(0, 0, width, height, fill);
}

Rgb RgbImage::At(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width_ + x) * 3;
    return {bytes_.at(i), bytes_.at(i + 1), bytes_.at(i + 2)};
}

void RgbImage::Set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const std::size_t i = (static_cast<std::size_t>(y) * width_ + x) * 3;
    bytes_[i] = colour.r;
    bytes_[i + 1] = colour.g;
    bytes_[i + 2] = colour.b;
}

void RgbImage::FillRect(int left, int top, int width, int height, Rgb colour) {
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) Set(x, y, colour);
    }
}

void RgbImage::FrameRect(int left, int top, int width, int height, Rgb colour) {
    FillRect(left, top, width, 1, colour);
    FillRect(left, top + height - 1, width, 1, colour);
    FillRect(left, top, 1, height, colour);
    FillRect(left + width - 1, top, 1, height, colour);
}

}  // namespace lookout
