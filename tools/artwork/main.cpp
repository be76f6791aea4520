// votrana_artwork OUTPUT_DIR: writes the program's bitmaps and icon under OUTPUT_DIR.
#include <exception>
#include <iostream>

#include "artwork_files.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: votrana_artwork OUTPUT_DIR\n";
        return 2;
    }
    try {
        artwork::writeArtworkFiles(artwork::allArtworkFiles(), argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "votrana_artwork: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
