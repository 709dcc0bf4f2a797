#include "ScreenInvariants.h"

#include "MenuPoints.h"
#include "music/Catalogue.h"

namespace zav {

ScreenInvariants::ScreenInvariants(DiskFixture& disk) : disk_(disk) {
    const TFormZAV& f = disk.form();
    for (const MenuPoint& p : MenuPoints) highlights_.push_back(f.findControl(p.highlight));
    for (const SongEntry& song : SongEntries)
        stripHolders_.push_back(static_cast<const TImage*>(f.findControl(song.songLine)));
    stripHolders_.push_back(f.TextHlavni);
}

std::string ScreenInvariants::firstBroken() const {
    const TFormZAV& f = disk_.form();
    int lit = 0;
    for (const TControl* h : highlights_) lit += h->visible();
    if (lit > 1) return std::to_string(lit) + " highlights shown";
    if (f.IntroTicks > 82) return "IntroTicks " + std::to_string(f.IntroTicks);
    if (f.TransitionTicks > 3) return "TransitionTicks " + std::to_string(f.TransitionTicks);
    if (f.MainStripShowing > 1) return "MainStripShowing " + std::to_string(f.MainStripShowing);
    if (f.CreditsOpening > 1) return "CreditsOpening " + std::to_string(f.CreditsOpening);
    if (f.StripPasses > 3 && f.MainStripShowing != 1)
        return "a song line past its third pass: StripPasses " + std::to_string(f.StripPasses);
    bool known = false;
    for (const TImage* holder : stripHolders_) known |= f.ScrollText->picture().sharesPixelsWith(holder->picture());
    if (!known) return "the strip carries neither a song line nor the main text";
    if (f.TimerTitulky->enabled() && f.TimerIntro->enabled()) return "the roll and the intro timers both run";
    if ((f.player().PlaybackActive != 0) != disk_.library.playing)
        return "PlaybackActive " + std::to_string(f.player().PlaybackActive) + " but the library " +
               (disk_.library.playing ? "plays" : "is silent");
    return {};
}

}  // namespace zav
