#include <gtest/gtest.h>

#include <optional>

#include "ScreenState.h"
#include "screen/ScreenPictures.h"

using namespace zav;

namespace {

constexpr Rect StripPanel{232, 424, 393, 41};
constexpr Rect RollFrame{342, 152, 233, 297};
constexpr uint16_t Black = 0;

// The pixel a picture placed with its top-left corner at atX, atY shows at x, y, if it reaches.
std::optional<uint16_t> pictureAt(const Picture& picture, int atX, int atY, int x, int y) {
    const int px = x - atX, py = y - atY;
    if (px < 0 || py < 0 || px >= picture.width() || py >= picture.height()) return std::nullopt;
    return picture.pixel(px, py);
}

// The menu as it should look: the background, the lit title in its place, and the strip panel
// showing the strip picture at `stripLeft`, clipped to the panel, black where the picture ends.
std::function<uint16_t(int, int)> menuLooks(const TImage* lit, const Picture& strip, int stripLeft) {
    const Picture background = screenPicture("ImageMenuPozadi");
    const Picture title = lit ? screenPicture(lit->name()) : Picture{};
    const Rect at = lit ? lit->bounds() : Rect{};
    return [=](int x, int y) -> uint16_t {
        if (StripPanel.contains(x, y))
            return pictureAt(strip, StripPanel.left + stripLeft, StripPanel.top, x, y).value_or(Black);
        if (auto t = pictureAt(title, at.left, at.top, x, y)) return *t;
        return background.pixel(x, y);
    };
}

std::function<uint16_t(int, int)> creditsLooks(int rollTop) {
    const Picture background = screenPicture("Credits");
    const Picture roll = screenPicture("Titulky");
    return [=](int x, int y) -> uint16_t {
        if (RollFrame.contains(x, y))
            return pictureAt(roll, RollFrame.left + 24, RollFrame.top + rollTop, x, y).value_or(Black);
        return background.pixel(x, y);
    };
}

}  // namespace

TEST(Drawing, TheLoadingBackdropIsTheCentredPictureOnBlack) {
    DiskFixture disk;
    disk.start();
    disk.advanceToUs(introTickUs(289));
    ASSERT_FALSE(disk.form().PanelMenu->visible());
    const Picture loading = screenPicture("Loading");
    EXPECT_EQ(surfaceDifference(disk.form().surface(),
                                [&](int x, int y) { return pictureAt(loading, 201, 225, x, y).value_or(Black); }),
              "");
}

TEST(Drawing, TheLitTitleShowsInPlaceOverTheBackground) {
    DiskFixture disk;
    disk.startInMenu();
    const TFormZAV& f = disk.form();
    const Picture mainText = screenPicture("ScrollText");
    EXPECT_EQ(surfaceDifference(f.surface(), menuLooks(nullptr, mainText, 403)), "") << "nothing lit";
    for (const MenuPoint& p : MenuPoints) {
        disk.move(p.x, p.y);
        const auto* lit = static_cast<const TImage*>(f.findControl(p.highlight));
        EXPECT_EQ(surfaceDifference(f.surface(), menuLooks(lit, mainText, 403)), "") << p.highlight;
    }
}

TEST(Drawing, TheStripIsClippedByItsPanel) {
    struct Case {
        const char* picked;  // nothing: the main text
        int ticks;
    } cases[] = {
        {nullptr, 0},      {nullptr, 6},     {nullptr, 100},   {nullptr, 350},      {nullptr, 7000},
        {"CyberDream2", 6}, {"CyberDream2", 200}, {"CyberDream2", 450}, {"Clouds2", 300},
    };
    for (const Case& c : cases) {
        DiskFixture disk;
        disk.startInMenu();
        const TFormZAV& f = disk.form();
        const TImage* lit = nullptr;
        if (c.picked) {
            for (const MenuPoint& p : MenuPoints)
                if (std::string(p.highlight) == c.picked) {
                    disk.move(p.x, p.y);
                    disk.click(p.x, p.y);
                }
            lit = static_cast<const TImage*>(f.findControl(c.picked));
        }
        disk.ticks(c.ticks);
        SCOPED_TRACE(std::string(c.picked ? c.picked : "main text") + " at left " + std::to_string(f.ScrollText->left()));
        EXPECT_EQ(surfaceDifference(f.surface(), menuLooks(lit, f.ScrollText->picture(), f.ScrollText->left())), "");
    }
}

TEST(Drawing, ATallSongLineShowsOnlyItsUpper41Rows) {
    DiskFixture disk;
    disk.startInMenu();
    disk.move(430, 268);
    disk.click(430, 268);
    disk.ticks(250);
    const TFormZAV& f = disk.form();
    ASSERT_EQ(f.ScrollText->height(), 46);
    ASSERT_LT(f.ScrollText->left(), 0);
    const Picture text2 = screenPicture("text2");
    const Picture background = screenPicture("ImageMenuPozadi");
    const int x = StripPanel.left + 100, px = 100 - f.ScrollText->left();
    EXPECT_EQ(f.surface().pixel(x, StripPanel.top + 40), text2.pixel(px, 40));
    for (int y = StripPanel.bottom(); y < StripPanel.bottom() + 5; ++y)
        EXPECT_EQ(f.surface().pixel(x, y), background.pixel(x, y)) << "row " << y;
}

TEST(Drawing, TheCreditsRollIsClippedByItsFrame) {
    DiskFixture disk;
    disk.startInMenu();
    disk.move(5, 380);
    disk.click(5, 380);
    disk.advanceMs(1'500);
    const TFormZAV& f = disk.form();
    int done = 0;
    for (int ticks : {0, 6, 300, 1000, 1300, 1448, 1449}) {
        disk.ticks(ticks - done);
        done = ticks;
        SCOPED_TRACE("roll at " + std::to_string(f.Titulky->top()));
        EXPECT_EQ(surfaceDifference(f.surface(), creditsLooks(f.Titulky->top())), "");
    }
}
