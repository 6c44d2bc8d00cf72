#pragma once
// A picture as plain 24-bit pixels, the form the program's own pictures are
// drawn in before the toolkit sees them.
#include <cstdint>
#include <vector>

#include "platform/Rgb.h"

namespace lookout {

class RgbImage {
public:
    RgbImage(int width, int height, Rgb fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Rows from the top, three bytes (R, G, B) a pixel, no padding.
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

    Rgb At(int x, int y) const;
    // Points outside the picture are ignored, so shapes may be clipped.
    void Set(int x, int y, Rgb colour);
    void FillRect(int left, int top, int width, int height, Rgb colour);
    // A one-pixel outline just inside the given rectangle.
    void FrameRect(int left, int top, int width, int height, Rgb colour);

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bytes_;
};

}  // namespace lookout
