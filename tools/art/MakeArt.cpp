// make_art <output folder>: draws the program's bitmaps and icon from the shapes in this folder.
#include <cstdio>

#include "Art.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_art <output folder>\n");
        return 2;
    }
    if (!WriteAllArt(argv[1])) {
        std::fprintf(stderr, "make_art: could not write the pictures into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
