// The committed resources as the program loads them, which only Windows would otherwise notice: each
// bitmap it asks for, for any version of the system, is declared once in the .rc, and no other, and is
// a bitmap of the size it is drawn at. The icon's first image is the one the window class shows. That the files are the generator's output, that the .rc compiles
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

// A little-endian 32-bit field of a Windows bitmap's header.
std::uint32_t field(const std::string& bitmap, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = at + 4; i-- > at;) {
        value = value << 8 | (i < bitmap.size() ? static_cast<std::uint8_t>(bitmap[i]) : 0u);
    }
    return value;
}

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
            for (const std::string& name : {names.upBitmap, names.downBitmap, names.disabledBitmap}) {
                loaded.insert(upper(name));
                const std::string bitmap = readText(resDir / files[upper(name)]);
                EXPECT_EQ(field(bitmap, 18), iconButtonWidth) << name;
                EXPECT_EQ(field(bitmap, 22), iconButtonHeight) << name;
            }
        }
    }
    std::ranges::sort(declared);
    EXPECT_EQ(declared, std::vector<std::string>(loaded.begin(), loaded.end()));
    EXPECT_EQ(readText(resDir / "votrana.ico").substr(6, 3), "\x20\x20\x10") << "32 x 32, 16 colours first";
}

}  // namespace
}  // namespace votrana
