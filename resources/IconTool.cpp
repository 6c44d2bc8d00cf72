// lookout-icon FILE.png [SIZE] | lookout-icon FILE.ico: writes the main
// window's icon for the desktop entry, as a PNG file SIZE pixels square (a
// multiple of 16; default 32), or for the Windows executables, as an icon file
// with the sizes Windows shows (16 to 256 pixels).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "resources/IcoEncoder.h"
#include "resources/Pictures.h"
#include "resources/PngEncoder.h"

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "";
    const bool ico = path.size() > 4 && path.compare(path.size() - 4, 4, ".ico") == 0;
    const int size = argc > 2 ? std::atoi(argv[2]) : lookout::kIconSize;
    if (path.empty() || (ico && argc > 2) || size < 16 || size % 16 != 0) {
        std::fprintf(stderr, "usage: lookout-icon FILE.png [SIZE, a multiple of 16] | lookout-icon FILE.ico\n");
        return 2;
    }
    std::string bytes;
    if (ico) {
        std::vector<lookout::RgbImage> images;
        for (const int s : {16, 32, 48, 256}) images.push_back(lookout::DrawIcon(s));
        bytes = lookout::EncodeIco(images);
    } else {
        bytes = lookout::EncodePng(lookout::DrawIcon(size));
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "lookout-icon: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
