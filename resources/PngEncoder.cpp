#include "resources/PngEncoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace lookout {

namespace {

void PutBigEndian32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

std::uint32_t Crc32(std::string_view bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) crc = table[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(std::string_view bytes) {
    constexpr std::uint32_t kModulus = 65521;
    std::uint32_t a = 1, b = 0;
    for (const char byte : bytes) {
        a = (a + static_cast<std::uint8_t>(byte)) % kModulus;
        b = (b + a) % kModulus;
    }
    return (b << 16) | a;
}

// A zlib stream of stored deflate blocks (each at most 65535 bytes).
std::string StoredZlib(std::string_view data) {
    std::string out("\x78\x01", 2);  // deflate, 32K window, no dictionary; check bits valid
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min<std::size_t>(data.size() - offset, 0xFFFF);
        const bool last = offset + length == data.size();
        out += static_cast<char>(last ? 1 : 0);
        out += static_cast<char>(length & 0xFF);
        out += static_cast<char>(length >> 8);
        out += static_cast<char>(~length & 0xFF);
        out += static_cast<char>((~length >> 8) & 0xFF);
        out.append(data.substr(offset, length));
        offset += length;
    } while (offset < data.size());
    PutBigEndian32(out, Adler32(data));
    return out;
}

void PutChunk(std::string& out, std::string_view type, std::string_view data) {
    PutBigEndian32(out, static_cast<std::uint32_t>(data.size()));
    std::string body(type);
    body.append(data);
    out += body;
    PutBigEndian32(out, Crc32(body));
}

}  // namespace

std::string EncodePng(const RgbImage& image) {
    std::string header;
    PutBigEndian32(header, static_cast<std::uint32_t>(image.Width()));
    PutBigEndian32(header, static_cast<std::uint32_t>(image.Height()));
    header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace

    const std::size_t rowBytes = static_cast<std::size_t>(image.Width()) * 3;
    std::string scanlines;
    scanlines.reserve((rowBytes + 1) * image.Height());
    const auto& bytes = image.Bytes();
    for (int y = 0; y < image.Height(); ++y) {
        scanlines += '\0';  // filter type None
        const auto row = bytes.begin() + static_cast<std::ptrdiff_t>(y * rowBytes);
        scanlines.append(row, row + static_cast<std::ptrdiff_t>(rowBytes));
    }

    std::string png("\x89PNG\r\n\x1A\n", 8);
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(scanlines));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace lookout
