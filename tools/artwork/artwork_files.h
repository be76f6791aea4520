#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "bmp_format.h"

namespace artwork {

struct ArtworkFile {
    std::string relativePath;  // with '/' separators, relative to res/
    Bytes contents;
};

// Every bitmap and icon file that res/votrana.rc names, in a fixed order.
std::vector<ArtworkFile> allArtworkFiles();

// Writes the files under `outputDir`, creating folders as needed. Throws on failure.
void writeArtworkFiles(const std::vector<ArtworkFile>& files, const std::filesystem::path& outputDir);

}  // namespace artwork
