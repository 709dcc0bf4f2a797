#include "screen/FormZAV.h"

namespace zav {

namespace {
constexpr int StripStep = 2;
constexpr uint8_t SongLinePasses = 3;

int restartLeft(const TPanel& strip) { return strip.width() + 10; }
}  // namespace

void TFormZAV::ShowScrollPicture(const Picture& picture) {
    ScrollText->setLeft(restartLeft(*PanelSTextem));
    ScrollText->setPicture(picture);
    StripPasses = 0;
    MainStripShowing = 0;
}

void TFormZAV::TimerScrollTextTimer() {
    ScrollText->setLeft(ScrollText->left() - StripStep);
    if (ScrollText->left() >= -ScrollText->width()) return;
    ScrollText->setLeft(restartLeft(*PanelSTextem));
    ++StripPasses;
    if (StripPasses == SongLinePasses && MainStripShowing == 0) {
        ShowScrollPicture(TextHlavni->picture());
        MainStripShowing = 1;
    }
}

}  // namespace zav
