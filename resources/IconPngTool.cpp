// lookout-icon-png [PATH]: writes the main window's icon as a PNG file (for
// the desktop entry), to PATH or to lookout.png in the working directory.
#include <cstdio>
#include <fstream>
#include <string>

#include "resources/Pictures.h"
#include "resources/PngEncoder.h"

int main(int argc, char** argv) {
    const std::string path = argc > 1 ? argv[1] : "lookout.png";
    const std::string png = lookout::EncodePng(lookout::DrawIcon());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(png.data(), static_cast<std::streamsize>(png.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "lookout-icon-png: cannot write %s\n", path.c_str());
        return 1;
    }
    return 0;
}
