// lookout-icon-png PATH [SIZE]: writes the main window's icon as a PNG file
// for the desktop entry, SIZE pixels square (a multiple of 16; default 32).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "resources/Pictures.h"
#include "resources/PngEncoder.h"

int main(int argc, char** argv) {
    const int size = argc > 2 ? std::atoi(argv[2]) : lookout::kIconSize;
    if (argc < 2 || size < 16 || size % 16 != 0) {
        std::fprintf(stderr, "usage: lookout-icon-png PATH [SIZE, a multiple of 16]\n");
        return 2;
    }
    const std::string path = argv[1];
    const std::string png = lookout::EncodePng(lookout::DrawIcon(size));
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(png.data(), static_cast<std::streamsize>(png.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "lookout-icon-png: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
