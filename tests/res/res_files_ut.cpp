// The committed resources as the program loads them, which only Windows would otherwise notice: each
// bitmap it asks for is declared once in the .rc, and no other, and is a bitmap of the size
// it is drawn at; a button looks different when down, and grey when disabled. The icon's first image
// is the one the window class shows. That the files are the generator's output, that the .rc compiles
// and what the manifest asks for are checked beside this (CMakeLists.txt).
#include "icon_bar_layout.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace votrana {
namespace {

const std::filesystem::path resDir = VOTRANA_RES_DIR;

std::string readText(const std::filesystem::path& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// A 4-bit bottom-up Windows bitmap, as the generator writes them; bytes past its end read as 0.
struct Bitmap {
    std::string bytes;
    std::uint32_t get(std::size_t at, std::size_t size = 4) const
    {
        std::uint32_t value = 0;
        for (std::size_t i = size; i-- > 0;) {
            value = value << 8 | (at + i < bytes.size() ? static_cast<std::uint8_t>(bytes[at + i]) : 0u);
        }
        return value;
    }
    // 0xRRGGBB of the pixel at (x, y), y counted from the top.
    std::uint32_t colour(std::uint32_t x, std::uint32_t y) const
    {
        const std::uint32_t row = (get(22) - 1 - y) * ((get(18) * 4 + 31) / 32 * 4);
        const std::uint32_t pair = get(get(10) + row + x / 2, 1);
        return get(54 + 4 * (x % 2 == 0 ? pair >> 4 : pair & 15)) & 0xFFFFFF;
    }
};

TEST(Resources, EveryBitmapTheProgramLoadsIsDeclaredOnceAndReadable)
{
    const auto upper = [](std::string name) {
        std::ranges::transform(name, name.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        return name;
    };
    std::istringstream rc(readText(resDir / "votrana.rc"));
    std::map<std::string, std::string> files;  // the .rc's bitmaps by name
    std::vector<std::string> declared;
    std::set<std::string> loaded = {upper(IBMP_1_NAME)};
    for (std::string name, keyword, file; rc >> name >> keyword;) {
        if (keyword == "BITMAP" && rc >> std::quoted(file)) {
            declared.push_back(upper(name));
            files[upper(name)] = file;
        }
    }
    for (int variant = 0; variant <= static_cast<int>(OsVariant::NtOther); ++variant) {
        for (int button = 0; button < iconButtonCount; ++button) {
            const auto names = iconButtonBitmapsFor(button, static_cast<OsVariant>(variant));
            std::vector<Bitmap> bitmaps;  // up, down, disabled
            for (const std::string& name : {names.upBitmap, names.downBitmap, names.disabledBitmap}) {
                loaded.insert(upper(name));
                bitmaps.push_back({readText(resDir / files[upper(name)])});
                ASSERT_EQ(bitmaps.back().get(18), iconButtonWidth) << name;
                ASSERT_EQ(bitmaps.back().get(22), iconButtonHeight) << name;
            }
            EXPECT_NE(bitmaps[0].bytes, bitmaps[1].bytes) << names.upBitmap;
            for (std::uint32_t y = 0; y < iconButtonHeight; ++y) {
                for (std::uint32_t x = 0; x < iconButtonWidth; ++x) {
                    const std::uint32_t c = bitmaps[2].colour(x, y);  // the face's colour, or a grey
                    EXPECT_TRUE(c == bitmaps[2].colour(2, 2) || c % 0x10101 == 0) << names.disabledBitmap << " " << x;
                }
            }
        }
    }
    std::ranges::sort(declared);
    EXPECT_EQ(declared, std::vector<std::string>(loaded.begin(), loaded.end()));
    EXPECT_EQ(readText(resDir / "votrana.ico").substr(6, 3), "\x20\x20\x10") << "32 x 32, 16 colours first";
}

}  // namespace
}  // namespace votrana
