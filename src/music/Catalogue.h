#pragma once
#include <array>
#include <string_view>

namespace zav {

inline constexpr std::string_view MusicDirectory = "MUSICDAT";

// Module paths relative to the working directory, in the order start-up tests them.
inline constexpr std::array<std::string_view, 13> ModuleFiles = {
    "MUSICDAT/clouds.zav", "MUSICDAT/intots.zav",   "MUSICDAT/labyrint.zav", "MUSICDAT/lcrusade.zav",
    "MUSICDAT/psycho.zav", "MUSICDAT/cyber_dr.zav", "MUSICDAT/friends.zav",  "MUSICDAT/frailove.zav",
    "MUSICDAT/inborn.zav", "MUSICDAT/toots.zav",    "MUSICDAT/theme.zav",    "MUSICDAT/turric2.zav",
    "MUSICDAT/dfactory.zav",
};

inline constexpr std::string_view ThemeFile = "MUSICDAT/theme.zav";

// One menu song: the names of its controls and handler, its module file and its song line.
struct SongEntry {
    std::string_view entry;
    std::string_view hotZone;
    std::string_view highlight;
    std::string_view clickHandler;
    std::string_view moduleFile;
    std::string_view songLine;
};

// In menu order, top to bottom.
inline constexpr std::array<SongEntry, 12> SongEntries = {{
    {"Clouds", "Clouds1", "Clouds2", "Clouds2Click", "MUSICDAT/clouds.zav", "Text1"},
    {"Intos", "Intos1", "Intos2", "Intos2Click", "MUSICDAT/intots.zav", "Text7"},
    {"Labyrinth", "Labyrinth1", "Labyrinth2", "Labyrinth2Click", "MUSICDAT/labyrint.zav", "Text8"},
    {"LastCrusader", "lastcrusader1", "LastCrusader2", "LastCrusader2Click", "MUSICDAT/lcrusade.zav", "Text9"},
    {"Psycho", "Psycho1", "Psycho2", "Psycho2Click", "MUSICDAT/psycho.zav", "Text10"},
    {"CyberDream", "Cyberdream1", "CyberDream2", "CyberDream2Click", "MUSICDAT/cyber_dr.zav", "text2"},
    {"Friends", "Friends1", "Friends2", "Friends2Click", "MUSICDAT/friends.zav", "text5"},
    {"Frail", "Frail1", "Frail2", "Frail2Click", "MUSICDAT/frailove.zav", "text4"},
    {"Inborn", "Inborn1", "Inborn2", "Inborn2Click", "MUSICDAT/inborn.zav", "text6"},
    {"Toots", "Toots1", "Toots2", "Toots2Click", "MUSICDAT/toots.zav", "Text11"},
    {"Turrican", "Turrican1", "Turrican2", "Turrican2Click", "MUSICDAT/turric2.zav", "Text12"},
    {"DFactory", "DFactory1", "DFactory2", "DFactory2Click", "MUSICDAT/dfactory.zav", "Text3"},
}};

}  // namespace zav
