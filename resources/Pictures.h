#pragma once
// The program's own pictures, drawn in code: the About dialog's banner and the
// main window's icon.
#include "resources/RgbImage.h"

namespace lookout {

inline constexpr int kBannerWidth = 200;
inline constexpr int kBannerHeight = 40;
inline constexpr Rgb kBannerBackground{0, 0, 0};
inline constexpr Rgb kBannerInk{200, 200, 200};  // the frame and the name
inline constexpr int kBannerMargin = 4;           // name to the frame's outer edge

// Black, framed by a one-pixel light line, the project's name small at the
// lower right.
RgbImage DrawBanner();

inline constexpr int kIconSize = 32;  // the window's icon

// A three by three rack of server boxes in status colours on a dark ground,
// each box framed in black like the slots of the main window; size is a
// multiple of 16 (the desktop's icon sizes), the design scaled from 32.
RgbImage DrawIcon(int size = kIconSize);

}  // namespace lookout
