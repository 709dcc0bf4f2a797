// Checks the artwork against what the screen's behaviour relies on: every picture's size, and where
// its lettering lies, measured from the pixels of the embedded pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "assets/EmbeddedAssets.h"
#include "music/Catalogue.h"
#include "screen/PngDecoder.h"
#include "screen/ScreenTree.h"

using namespace zav;

namespace {

// The generator draws lettering with its brightest channel at 172 or more and keeps everything
// else in the measured areas at 140 or less; 160 separates the two.
constexpr int LetteringThreshold = 160;

struct Box {
    int left, top, right, bottom;  // inclusive
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Box& b) {
    return os << "columns " << b.left << ".." << b.right << ", rows " << b.top << ".." << b.bottom;
}

RgbaImage load(std::string_view asset) {
    auto bytes = embeddedAsset(asset);
    if (bytes.empty()) throw std::runtime_error("no embedded asset " + std::string(asset));
    return decodePng(bytes);
}

RgbaImage picture(std::string_view holder) { return load("pictures/" + std::string(holder) + ".png"); }

const uint8_t* pixel(const RgbaImage& image, int x, int y) {
    return &image.pixels[(static_cast<size_t>(y) * image.width + x) * 4];
}

int brightest(const RgbaImage& image, int x, int y) {
    const uint8_t* p = pixel(image, x, y);
    return std::max({p[0], p[1], p[2]});
}

bool isLettering(const RgbaImage& image, int x, int y) {
    return brightest(image, x, y) >= LetteringThreshold;
}

// Bounding box of the lettering inside `area` (clipped to the image), if there is any.
std::optional<Box> letteringBox(const RgbaImage& image, Box area) {
    std::optional<Box> found;
    for (int y = std::max(0, area.top); y <= std::min(image.height - 1, area.bottom); ++y) {
        for (int x = std::max(0, area.left); x <= std::min(image.width - 1, area.right); ++x) {
            if (!isLettering(image, x, y)) continue;
            if (!found) {
                found = Box{x, y, x, y};
            } else {
                found->left = std::min(found->left, x);
                found->right = std::max(found->right, x);
                found->top = std::min(found->top, y);
                found->bottom = std::max(found->bottom, y);
            }
        }
    }
    return found;
}

Box whole(const RgbaImage& image) { return {0, 0, image.width - 1, image.height - 1}; }

const ControlRow& control(std::string_view name) {
    auto it = std::find_if(ScreenControls.begin(), ScreenControls.end(),
                           [&](const ControlRow& row) { return row.name == name; });
    if (it == ScreenControls.end()) throw std::runtime_error("no control " + std::string(name));
    return *it;
}

Box rectangleOf(std::string_view name) {
    const ControlRow& row = control(name);
    return {row.left, row.top, row.left + row.width - 1, row.top + row.height - 1};
}

Box intersection(Box a, Box b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool inside(Box inner, Box outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// ---------------------------------------------------------------------------------------------

struct SizeCase {
    std::string_view asset;
    int width, height;
};

void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.asset; }

class PictureSize : public testing::TestWithParam<SizeCase> {};

TEST_P(PictureSize, matchesTheInventory) {
    RgbaImage image = load(GetParam().asset);
    EXPECT_EQ(image.width, GetParam().width);
    EXPECT_EQ(image.height, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(
    Inventory, PictureSize,
    testing::Values(
        SizeCase{"pictures/Loading.png", 238, 30}, SizeCase{"pictures/ImageMenuPozadi.png", 640, 480},
        SizeCase{"pictures/Clouds2.png", 155, 25}, SizeCase{"pictures/Intos2.png", 155, 19},
        SizeCase{"pictures/Labyrinth2.png", 155, 21}, SizeCase{"pictures/LastCrusader2.png", 155, 18},
        SizeCase{"pictures/Psycho2.png", 155, 18}, SizeCase{"pictures/CyberDream2.png", 155, 18},
        SizeCase{"pictures/Friends2.png", 58, 19}, SizeCase{"pictures/Frail2.png", 155, 18},
        SizeCase{"pictures/Inborn2.png", 155, 16}, SizeCase{"pictures/Toots2.png", 155, 19},
        SizeCase{"pictures/Turrican2.png", 155, 20}, SizeCase{"pictures/DFactory2.png", 155, 22},
        SizeCase{"pictures/Credits2.png", 20, 51}, SizeCase{"pictures/Mute2.png", 18, 37},
        SizeCase{"pictures/Quit2.png", 18, 36}, SizeCase{"pictures/Text1.png", 642, 38},
        SizeCase{"pictures/text2.png", 647, 46}, SizeCase{"pictures/Text3.png", 667, 41},
        SizeCase{"pictures/text4.png", 529, 41}, SizeCase{"pictures/text5.png", 616, 41},
        SizeCase{"pictures/text6.png", 642, 42}, SizeCase{"pictures/Text7.png", 512, 39},
        SizeCase{"pictures/Text8.png", 673, 44}, SizeCase{"pictures/Text9.png", 664, 37},
        SizeCase{"pictures/Text10.png", 824, 38}, SizeCase{"pictures/Text11.png", 614, 42},
        SizeCase{"pictures/Text12.png", 606, 44}, SizeCase{"pictures/Credits.png", 640, 480},
        SizeCase{"pictures/Titulky.png", 160, 1146}, SizeCase{"pictures/ScrollText.png", 14171, 37},
        SizeCase{"pictures/Matrix.png", 480, 960}, SizeCase{"pictures/Logo.png", 640, 480},
        SizeCase{"kurzor1.png", 32, 32}, SizeCase{"mainicon.png", 32, 32}),
    [](const auto& info) {
        std::string name(info.param.asset);
        name.erase(0, name.find('/') + 1);
        return name.substr(0, name.find('.'));
    });

TEST(PictureSize, everyHeldPictureOfTheScreenIsEmbedded) {
    int held = 0;
    for (const ControlRow& row : ScreenControls) {
        if (!row.hasPicture) continue;
        ++held;
        EXPECT_FALSE(embeddedAsset("pictures/" + std::string(row.name) + ".png").empty()) << row.name;
    }
    EXPECT_EQ(held, 34);
}

// ---------------------------------------------------------------------------------------------

// Lettering placements fixed to the pixel; where only the rows or only the columns are fixed, the
// other pair is not compared.
enum class Fixed { Both, Rows, Columns };

struct PlacementCase {
    std::string_view label;
    std::string_view holder;
    Box searched;  // empty right/bottom (-1) means to the picture's edge
    Box expected;
    Fixed fixed;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.label; }

class LetteringPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(LetteringPlacement, liesExactlyWhereTheScreenExpectsIt) {
    const PlacementCase& c = GetParam();
    RgbaImage image = picture(c.holder);
    Box searched = c.searched;
    if (searched.right < 0) searched.right = image.width - 1;
    if (searched.bottom < 0) searched.bottom = image.height - 1;
    auto found = letteringBox(image, searched);
    ASSERT_TRUE(found.has_value());
    if (c.fixed != Fixed::Rows) {
        EXPECT_EQ(found->left, c.expected.left);
        EXPECT_EQ(found->right, c.expected.right);
    }
    if (c.fixed != Fixed::Columns) {
        EXPECT_EQ(found->top, c.expected.top);
        EXPECT_EQ(found->bottom, c.expected.bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inventory, LetteringPlacement,
    testing::Values(
        PlacementCase{"FirstTitle", "ImageMenuPozadi", rectangleOf("Clouds2"), {0, 161, 0, 177}, Fixed::Rows},
        PlacementCase{"LastTitle", "ImageMenuPozadi", rectangleOf("DFactory2"), {0, 381, 0, 397}, Fixed::Rows},
        PlacementCase{"Initials", "ImageMenuPozadi", {320, 0, 639, 102}, {0, 39, 0, 97}, Fixed::Rows},
        PlacementCase{"ProductName", "ImageMenuPozadi", {320, 102, 639, 150}, {0, 107, 0, 135}, Fixed::Rows},
        PlacementCase{"MenuWords", "ImageMenuPozadi", {0, 340, 30, 479}, {3, 359, 16, 474}, Fixed::Both},
        PlacementCase{"Cross", "Credits", {0, 0, 330, 479}, {29, 35, 309, 454}, Fixed::Both},
        PlacementCase{"CreditsWord", "Credits", {331, 0, 574, 151}, {396, 58, 488, 107}, Fixed::Both},
        PlacementCase{"RainbowStripe", "Credits", {575, 0, 639, 479}, {585, 0, 603, 0}, Fixed::Columns},
        PlacementCase{"CreditsRoll", "Titulky", {0, 0, -1, -1}, {0, 10, 0, 1138}, Fixed::Rows},
        PlacementCase{"MatrixName", "Matrix", {0, 0, -1, -1}, {72, 704, 394, 734}, Fixed::Both},
        PlacementCase{"MainText", "ScrollText", {0, 0, -1, -1}, {2, 0, 14170, 0}, Fixed::Columns}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(LetteringPlacement, rollFrameAreaOfTheCreditsBackgroundIsBlack) {
    RgbaImage background = picture("Credits");
    Box frame = rectangleOf("TitulkyPanel");
    for (int y = frame.top; y <= frame.bottom; ++y)
        for (int x = frame.left; x <= frame.right; ++x)
            ASSERT_LE(brightest(background, x, y), 8) << "at " << x << "," << y;
}

// ---------------------------------------------------------------------------------------------

struct MenuEntryCase {
    std::string_view hotZone;
    std::string_view highlight;
};

std::vector<MenuEntryCase> menuEntries() {
    std::vector<MenuEntryCase> entries;
    for (const SongEntry& song : SongEntries) entries.push_back({song.hotZone, song.highlight});
    entries.push_back({"Credits1", "Credits2"});
    entries.push_back({"Mute1", "Mute2"});
    entries.push_back({"Quit1", "Quit2"});
    return entries;
}

void PrintTo(const MenuEntryCase& c, std::ostream* os) { *os << c.highlight; }

class MenuEntry : public testing::TestWithParam<MenuEntryCase> {};

TEST_P(MenuEntry, titleLiesInsideItsHotZoneAndHighlight) {
    Box hot = rectangleOf(GetParam().hotZone);
    Box lit = rectangleOf(GetParam().highlight);
    auto found = letteringBox(picture("ImageMenuPozadi"), lit);
    ASSERT_TRUE(found.has_value());
    EXPECT_TRUE(inside(*found, intersection(hot, lit))) << *found;
}

TEST_P(MenuEntry, highlightLettersCoverExactlyTheTitlesLetters) {
    RgbaImage background = picture("ImageMenuPozadi");
    RgbaImage lit = picture(GetParam().highlight);
    Box at = rectangleOf(GetParam().highlight);
    ASSERT_TRUE(letteringBox(lit, whole(lit)).has_value());
    int mismatches = 0;
    for (int y = 0; y < lit.height; ++y)
        for (int x = 0; x < lit.width; ++x)
            if (isLettering(lit, x, y) != isLettering(background, at.left + x, at.top + y)) ++mismatches;
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Inventory, MenuEntry, testing::ValuesIn(menuEntries()),
                         [](const auto& info) { return std::string(info.param.highlight); });

TEST(MenuEntry, songTitlesAreCentredOnColumn433OnAPitchOf20Rows) {
    RgbaImage background = picture("ImageMenuPozadi");
    std::optional<int> previousTop;
    for (const SongEntry& song : SongEntries) {
        auto found = letteringBox(background, rectangleOf(song.highlight));
        ASSERT_TRUE(found.has_value()) << song.entry;
        EXPECT_LE(std::abs(found->left + found->right - 2 * 433), 1) << song.entry;
        if (previousTop) {
            EXPECT_EQ(found->top - *previousTop, 20) << song.entry;
        }
        previousTop = found->top;
    }
}

// ---------------------------------------------------------------------------------------------

class SongLine : public testing::TestWithParam<SongEntry> {};

TEST_P(SongLine, fillsItsWidthWithinTheTop41RowsOnNearBlack) {
    RgbaImage line = picture(GetParam().songLine);
    auto found = letteringBox(line, whole(line));
    ASSERT_TRUE(found.has_value());
    EXPECT_LT(found->bottom, 41);
    EXPECT_LE(found->left, 16);
    EXPECT_GE(found->right, line.width - 17);
    for (int y = 41; y < line.height; ++y)
        for (int x = 0; x < line.width; ++x) ASSERT_LE(brightest(line, x, y), 8) << x << "," << y;
    const uint8_t* corner = pixel(line, 0, 0);
    EXPECT_EQ((std::array<int, 3>{corner[0], corner[1], corner[2]}), (std::array<int, 3>{4, 4, 4}));
}

INSTANTIATE_TEST_SUITE_P(Inventory, SongLine, testing::ValuesIn(SongEntries),
                         [](const auto& info) { return std::string(info.param.songLine); });

TEST(SongLine, mainTextBackgroundIsPureBlack) {
    RgbaImage text = picture("ScrollText");
    for (auto [x, y] : {std::pair{0, 0}, std::pair{text.width - 1, text.height - 1}})
        EXPECT_EQ(brightest(text, x, y), 0);
}

// ---------------------------------------------------------------------------------------------

TEST(Cursor, isASmallOutlinedArrowWithItsTipAtTheTopLeft) {
    RgbaImage cursor = load("kurzor1.png");
    Box opaque{cursor.width, cursor.height, -1, -1};
    bool white = false;
    for (int y = 0; y < cursor.height; ++y) {
        for (int x = 0; x < cursor.width; ++x) {
            const uint8_t* p = pixel(cursor, x, y);
            if (p[3] == 0) continue;
            ASSERT_EQ(p[3], 255) << x << "," << y;
            ASSERT_TRUE((p[0] == 0 && p[1] == 0 && p[2] == 0) || (p[0] == 255 && p[1] == 255 && p[2] == 255));
            white = white || p[0] == 255;
            opaque = {std::min(opaque.left, x), std::min(opaque.top, y), std::max(opaque.right, x),
                      std::max(opaque.bottom, y)};
        }
    }
    EXPECT_TRUE(white);
    EXPECT_EQ(opaque, (Box{0, 0, 10, 11}));
    EXPECT_EQ(pixel(cursor, 0, 0)[3], 255);
}

TEST(Icon, uses16ColoursAtMost) {
    RgbaImage icon = load("mainicon.png");
    std::set<uint32_t> colours;
    for (int y = 0; y < icon.height; ++y)
        for (int x = 0; x < icon.width; ++x) {
            const uint8_t* p = pixel(icon, x, y);
            colours.insert(p[0] << 16 | p[1] << 8 | p[2]);
        }
    EXPECT_LE(colours.size(), 16u);
}

}  // namespace
