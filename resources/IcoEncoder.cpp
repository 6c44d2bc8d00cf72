#include "resources/IcoEncoder.h"

#include <cstdint>

#include "resources/PngEncoder.h"

namespace lookout {

namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string EncodeIco(const std::vector<RgbImage>& images) {
    constexpr std::uint32_t kHeaderSize = 6, kEntrySize = 16;
    std::string directory, data;
    PutLittleEndian(directory, 0, 2);  // reserved
    PutLittleEndian(directory, 1, 2);  // an icon, not a cursor
    PutLittleEndian(directory, static_cast<std::uint32_t>(images.size()), 2);
    std::uint32_t offset = kHeaderSize + kEntrySize * static_cast<std::uint32_t>(images.size());
    for (const RgbImage& image : images) {
        const std::string png = EncodePng(image);
        // A width or height of 256 is written as 0.
        directory += static_cast<char>(image.Width() & 0xFF);
        directory += static_cast<char>(image.Height() & 0xFF);
        PutLittleEndian(directory, 0, 2);   // no palette, reserved
        PutLittleEndian(directory, 1, 2);   // colour planes
        PutLittleEndian(directory, 24, 2);  // bits per pixel
        PutLittleEndian(directory, static_cast<std::uint32_t>(png.size()), 4);
        PutLittleEndian(directory, offset, 4);
        offset += static_cast<std::uint32_t>(png.size());
        data += png;
    }
    return directory + data;
}

}  // namespace lookout
