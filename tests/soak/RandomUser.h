#pragma once
#include <cstdint>
#include <functional>
#include <random>

#include "DiskFixture.h"

namespace zav {

// A seeded user who, every few seconds, does one of the things a person at the disk does:
// hovers, moves anywhere, picks songs, mutes, opens and leaves the credits, presses Escape.
// Now and then a song's module file vanishes from the disk or comes back. Never quits.
class RandomUser {
public:
    enum class Action { HoverEntry, MoveAnywhere, PickSong, Mute, OpenCredits, ClickAnywhere, Escape, RemoveFile, RestoreFile };
    struct Done {
        Action action;
        int song = -1;  // the song picked, for PickSong
    };

    // `afterEvent` runs after every event the user sends.
    RandomUser(DiskFixture& disk, uint32_t seed, std::function<void()> afterEvent);

    // Virtual time until the next action: 1 to 20 seconds.
    int64_t pauseUs();
    Done act();

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    void move(int x, int y);
    void click(int x, int y);
    void clickEntry(int entry);

    DiskFixture& disk_;
    std::mt19937 random_;
    std::function<void()> afterEvent_;
};

}  // namespace zav
