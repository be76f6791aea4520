// Checks of the committed resources that the program relies on but only Windows would notice:
// the names the icon bar loads, the bitmaps' size, colours and looks, and what the .rc refers to.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bmp_reading.h"

void PrintTo(const Colour& colour, std::ostream* out)
{
    *out << '(' << colour.red << ", " << colour.green << ", " << colour.blue << ')';
}

namespace {

const std::filesystem::path resDir = VOTRANA_RES_DIR;

std::string readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// BITMAP statements of the .rc: resource name (upper case, as the loader matches it) -> file.
std::multimap<std::string, std::string> bitmapStatements()
{
    std::istringstream rc(readText(resDir / "votrana.rc"));
    std::multimap<std::string, std::string> found;
    std::string line;
    while (std::getline(rc, line)) {
        std::istringstream words(line);
        std::string name;
        std::string keyword;
        std::string file;
        if (words >> name >> keyword >> file && keyword == "BITMAP" && file.size() > 2 && file.front() == '"' &&
            file.back() == '"') {
            found.emplace(upper(name), file.substr(1, file.size() - 2));
        }
    }
    return found;
}

struct ButtonSet {
    std::string mark;
    Colour face;
};

const std::vector<ButtonSet> sets = {
    {"", {192, 192, 192}}, {"9", {216, 208, 200}}, {"8", {214, 210, 206}}, {"X", {236, 233, 216}}};
const std::vector<std::string> states = {"Up", "Dn", "In"};

// The names the icon bar asks for: stem + set mark + state, "DeCode" only in the unmarked set.
std::vector<std::string> buttonNames(const ButtonSet& set, const std::string& state)
{
    const std::string decoding = set.mark.empty() ? "DeCode" : "DeCod";
    std::vector<std::string> names;
    for (const std::string& stem :
         {std::string("Code"), decoding, std::string("About"), std::string("Help"), std::string("Exit")}) {
        names.push_back(stem + set.mark + state);
    }
    return names;
}

TEST(ResourceScript, DeclaresEachIconBarBitmapOnceWithItsFile)
{
    const auto statements = bitmapStatements();
    int declared = 0;
    for (const ButtonSet& set : sets) {
        for (const std::string& state : states) {
            for (const std::string& name : buttonNames(set, state)) {
                ASSERT_EQ(statements.count(upper(name)), 1U) << name;
                const std::string file = statements.find(upper(name))->second;
                EXPECT_TRUE(std::filesystem::exists(resDir / file)) << name << ": " << file;
                ++declared;
            }
        }
    }
    EXPECT_EQ(declared, 60);
    EXPECT_EQ(statements.count("IBMP_1"), 1U);
    EXPECT_EQ(statements.size(), 61U) << "a bitmap that the program never loads";
}

TEST(ResourceScript, EveryFileItNamesExists)
{
    const std::string rc = readText(resDir / "votrana.rc");
    int files = 0;
    for (std::size_t open = rc.find('"'); open != std::string::npos; open = rc.find('"', open + 1)) {
        const std::size_t close = rc.find('"', open + 1);
        if (close == std::string::npos) {
            break;
        }
        const std::string quoted = rc.substr(open + 1, close - open - 1);
        const std::filesystem::path path(quoted);
        if (path.extension() == ".bmp" || path.extension() == ".ico" || path.extension() == ".manifest") {
            EXPECT_TRUE(std::filesystem::exists(resDir / path)) << quoted;
            ++files;
        }
        open = close;
    }
    EXPECT_GE(files, 64);
}

TEST(IconBarBitmaps, HaveTheButtonSizeSixteenColoursAndTheFaceOfTheirSet)
{
    for (const ButtonSet& set : sets) {
        for (const std::string& state : states) {
            for (const std::string& name : buttonNames(set, state)) {
                SCOPED_TRACE(name);
                const auto bitmap = readBitmapFile(resDir / "bitmaps" / (name + ".bmp"));
                ASSERT_TRUE(bitmap.has_value());
                EXPECT_EQ(bitmap->width, 32);
                EXPECT_EQ(bitmap->height, 20);
                ASSERT_EQ(bitmap->bitsPerPixel, 4);
                EXPECT_EQ(bitmap->compression, 0U);
                ASSERT_EQ(bitmap->palette.size(), 16U);
                // Just inside the edges, clear of the emblem, in every state.
                EXPECT_EQ(bitmap->colourAt(2, 2), set.face);
                EXPECT_EQ(bitmap->colourAt(29, 2), set.face);
                EXPECT_EQ(bitmap->colourAt(2, 17), set.face);
            }
        }
    }
}

TEST(IconBarBitmaps, UpIsRaisedAndDnIsSunken)
{
    const Colour white{255, 255, 255};
    const Colour black{0, 0, 0};
    for (const ButtonSet& set : sets) {
        const auto up = buttonNames(set, "Up");
        const auto dn = buttonNames(set, "Dn");
        const auto in = buttonNames(set, "In");
        for (std::size_t i = 0; i < up.size(); ++i) {
            SCOPED_TRACE(up[i]);
            const auto raised = readBitmapFile(resDir / "bitmaps" / (up[i] + ".bmp"));
            const auto sunken = readBitmapFile(resDir / "bitmaps" / (dn[i] + ".bmp"));
            const auto disabled = readBitmapFile(resDir / "bitmaps" / (in[i] + ".bmp"));
            ASSERT_TRUE(raised && sunken && disabled);
            for (const BitmapFile* bitmap : {&*raised, &*disabled}) {
                EXPECT_EQ(bitmap->colourAt(0, 0), white);
                EXPECT_EQ(bitmap->colourAt(0, 18), white);
                EXPECT_EQ(bitmap->colourAt(31, 19), black);
                EXPECT_EQ(bitmap->colourAt(30, 1), Colour({128, 128, 128}));
            }
            EXPECT_EQ(sunken->colourAt(0, 0), black);
            EXPECT_EQ(sunken->colourAt(31, 19), white);
            EXPECT_NE(raised->indices, sunken->indices);
        }
    }
}

TEST(IconBarBitmaps, DisabledLookIsGreyOnly)
{
    const std::vector<Colour> greys = {{0, 0, 0}, {128, 128, 128}, {255, 255, 255}};
    for (const ButtonSet& set : sets) {
        for (const std::string& name : buttonNames(set, "In")) {
            SCOPED_TRACE(name);
            const auto bitmap = readBitmapFile(resDir / "bitmaps" / (name + ".bmp"));
            ASSERT_TRUE(bitmap.has_value());
            bool hasEmblem = false;
            for (int y = 2; y < 18; ++y) {
                for (int x = 2; x < 30; ++x) {
                    const Colour colour = bitmap->colourAt(x, y);
                    if (colour == set.face) {
                        continue;
                    }
                    hasEmblem = true;
                    EXPECT_NE(std::find(greys.begin(), greys.end(), colour), greys.end()) << "at " << x << ", " << y;
                }
            }
            EXPECT_TRUE(hasEmblem);
        }
    }
}

TEST(MainPicture, Is330By132WithSixteenColours)
{
    const auto bitmap = readBitmapFile(resDir / "main_picture.bmp");
    ASSERT_TRUE(bitmap.has_value());
    EXPECT_EQ(bitmap->width, 330);
    EXPECT_EQ(bitmap->height, 132);
    EXPECT_EQ(bitmap->bitsPerPixel, 4);
    EXPECT_EQ(bitmap->compression, 0U);
}

TEST(ProgramIcon, HoldsA32By32SixteenColourImageFirst)
{
    const auto entries = readIconDirectory(resDir / "votrana.ico");
    ASSERT_TRUE(entries.has_value());
    ASSERT_FALSE(entries->empty());
    EXPECT_EQ(entries->front().width, 32);
    EXPECT_EQ(entries->front().height, 32);
    EXPECT_EQ(entries->front().colourCount, 16);
    EXPECT_EQ(entries->front().bitsPerPixel, 4);
}

TEST(Manifest, RunsAsInvokerAndKeepsTheSystemCodePage)
{
    const std::string manifest = readText(resDir / "votrana.manifest");
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
    // A UTF-8 active code page would hide code page 932, which selects the Japanese interface.
    EXPECT_EQ(manifest.find("activeCodePage"), std::string::npos);
}

}  // namespace
