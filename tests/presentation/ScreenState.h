#pragma once
#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "DiskFixture.h"
#include "MenuPoints.h"
#include "screen/Surface.h"

namespace zav {

// Virtual time of the intro's n-th tick: 225 short ticks (the last is the first resting one,
// which switches to 100 ms), then one tick per 100 ms.
inline int64_t introTickUs(int n) {
    constexpr int64_t shortUs = DiskFixture::FramePeriodUs;
    return n <= 225 ? n * shortUs : 225 * shortUs + (n - 225) * int64_t{100'000};
}

inline std::vector<std::string> shownHighlights(const TFormZAV& form) {
    std::vector<std::string> shown;
    for (const MenuPoint& p : MenuPoints)
        if (form.findControl(p.highlight)->visible()) shown.push_back(p.highlight);
    return shown;
}

// Everything the sequences change, as one readable line: equal lines mean nothing happened.
inline std::string snapshot(const TFormZAV& f) {
    std::ostringstream s;
    s << "menu " << f.PanelMenu->visible() << " intro " << f.PanelIntro->visible() << " credits "
      << f.PanelCredits->visible() << f.PanelCredits->enabled() << " strip " << f.PanelSTextem->visible()
      << " matrix " << f.Matrix->visible() << "@" << f.Matrix->top() << " logo " << f.Logo->visible()
      << " timers " << f.TimerIntro->enabled() << f.TimerScrollText->enabled() << f.TimerScreen->enabled()
      << f.TimerTitulky->enabled() << " introInterval " << f.TimerIntro->interval() << " counters "
      << int{f.IntroTicks} << "," << int{f.StripPasses} << "," << int{f.MainStripShowing} << ","
      << int{f.TransitionTicks} << "," << int{f.CreditsOpening} << " strip@" << f.ScrollText->left()
      << " roll@" << f.Titulky->top() << " lit";
    for (const std::string& h : shownHighlights(f)) s << " " << h;
    return s.str();
}

// Compares every pixel of the surface with what `expected` says it should be; returns a
// description of the first difference and the count, or an empty string when all agree.
inline std::string surfaceDifference(const Surface& surface, const std::function<uint16_t(int x, int y)>& expected) {
    int count = 0;
    std::ostringstream first;
    for (int y = 0; y < Surface::Height; ++y)
        for (int x = 0; x < Surface::Width; ++x)
            if (const uint16_t want = expected(x, y); surface.pixel(x, y) != want) {
                if (count++ == 0) first << "at " << x << "," << y << ": " << surface.pixel(x, y) << " instead of " << want;
            }
    if (count == 0) return {};
    return std::to_string(count) + " pixels differ, first " + first.str();
}

}  // namespace zav
