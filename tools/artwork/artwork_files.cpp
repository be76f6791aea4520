#include "artwork_files.h"

#include <fstream>
#include <stdexcept>

#include "icon_bar_buttons.h"
#include "main_picture.h"
#include "program_icon.h"

namespace artwork {

std::vector<ArtworkFile> allArtworkFiles()
{
    std::vector<ArtworkFile> files;
    const Emblem emblems[] = {Emblem::Coding, Emblem::Decoding, Emblem::About, Emblem::Help, Emblem::Exit};
    const ButtonState states[] = {ButtonState::Up, ButtonState::Down, ButtonState::Disabled};
    for (const ButtonSet& set : buttonSets()) {
        const Palette palette = paletteWithFace(set.face);
        for (Emblem emblem : emblems) {
            for (ButtonState state : states) {
                files.push_back({"bitmaps/" + buttonBitmapName(emblem, set, state) + ".bmp",
                                 encodeBmp(buttonPicture(emblem, state), palette)});
            }
        }
    }
    files.push_back({"main_picture.bmp", encodeBmp(mainPicture(), mainPicturePalette())});
    files.push_back({"votrana.ico", programIconFile()});
    return files;
}

void writeArtworkFiles(const std::vector<ArtworkFile>& files, const std::filesystem::path& outputDir)
{
    for (const ArtworkFile& file : files) {
        const std::filesystem::path path = outputDir / std::filesystem::path(file.relativePath);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(file.contents.data()),
                  static_cast<std::streamsize>(file.contents.size()));
        if (!out) {
            throw std::runtime_error("cannot write " + path.string());
        }
    }
}

}  // namespace artwork
