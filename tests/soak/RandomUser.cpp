#include "RandomUser.h"

#include <array>
#include <string>

#include "MenuPoints.h"
#include "music/Catalogue.h"

namespace zav {

namespace {

constexpr int CreditsEntry = 12;
constexpr int MuteEntry = 13;
// Wherever the Quit word or its highlight could take a click.
constexpr Rect QuitCorner{0, 440, 24, 40};

}  // namespace

RandomUser::RandomUser(DiskFixture& disk, uint32_t seed, std::function<void()> afterEvent)
    : disk_(disk), random_(seed), afterEvent_(std::move(afterEvent)) {}

int64_t RandomUser::pauseUs() { return std::uniform_int_distribution<int64_t>(1'000'000, 20'000'000)(random_); }

void RandomUser::move(int x, int y) {
    disk_.move(x, y);
    afterEvent_();
}

void RandomUser::click(int x, int y) {
    disk_.send({InputKind::MouseDown, x, y, 0});
    afterEvent_();
    disk_.send({InputKind::MouseUp, x, y, 0});
    afterEvent_();
}

void RandomUser::clickEntry(int entry) {
    const MenuPoint& p = MenuPoints[entry];
    move(p.x, p.y);
    click(p.x, p.y);
}

RandomUser::Done RandomUser::act() {
    // Relative weights of the actions, in the order of Action.
    static constexpr std::array<int, 9> Weights = {25, 20, 20, 5, 5, 10, 8, 4, 3};
    std::discrete_distribution<int> choose(Weights.begin(), Weights.end());
    const auto action = static_cast<Action>(choose(random_));
    Done done{action};
    switch (action) {
    case Action::HoverEntry: {
        const MenuPoint& p = MenuPoints[below(static_cast<int>(MenuPoints.size()))];
        move(p.x, p.y);
        break;
    }
    case Action::MoveAnywhere:
        move(below(Surface::Width), below(Surface::Height));
        break;
    case Action::PickSong:
        done.song = below(static_cast<int>(SongEntries.size()));
        clickEntry(done.song);
        break;
    case Action::Mute:
        clickEntry(MuteEntry);
        break;
    case Action::OpenCredits:
        clickEntry(CreditsEntry);
        break;
    case Action::ClickAnywhere: {
        int x, y;
        do {
            x = below(Surface::Width);
            y = below(Surface::Height);
        } while (QuitCorner.contains(x, y));
        click(x, y);
        break;
    }
    case Action::Escape:
        disk_.keyUp(KeyEscape);
        afterEvent_();
        break;
    case Action::RemoveFile:
        disk_.files.files.erase(std::string(SongEntries[below(static_cast<int>(SongEntries.size()))].moduleFile));
        break;
    case Action::RestoreFile:
        disk_.files.files.insert(std::string(SongEntries[below(static_cast<int>(SongEntries.size()))].moduleFile));
        break;
    }
    return done;
}

}  // namespace zav
