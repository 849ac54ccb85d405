// make_art <output folder>: draws the program's bitmaps and icon from the shapes in this folder.
#include <cstdio>
#include <string>

#include "AppIcon.h"
#include "DialogPicture.h"
#include "ImageFiles.h"
#include "PieceStrip.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_art <output folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = WriteFileBytes(folder + "/PieceStrip.bmp", PieceStripFile());
    ok = WriteFileBytes(folder + "/App.ico", AppIconFile()) && ok;
    ok = WriteFileBytes(folder + "/DialogPicture.bmp", DialogPictureFile()) && ok;
    if (!ok) {
        std::fprintf(stderr, "make_art: could not write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
