#pragma once
#include <array>

namespace zav {

// A point for each menu entry that lies in its own hot zone, inside its own highlight and in no
// other entry's zone or highlight: hovering there lights the entry whatever else is lit, and
// clicking there clicks its highlight.
struct MenuPoint {
    const char* highlight;
    int x, y;
};

inline constexpr std::array<MenuPoint, 15> MenuPoints = {{
    {"Clouds2", 430, 165},   {"Intos2", 430, 188},    {"Labyrinth2", 430, 205}, {"LastCrusader2", 430, 228},
    {"Psycho2", 430, 248},   {"CyberDream2", 430, 268}, {"Friends2", 430, 288}, {"Frail2", 430, 306},
    {"Inborn2", 430, 328},   {"Toots2", 430, 348},    {"Turrican2", 430, 368},  {"DFactory2", 430, 390},
    {"Credits2", 5, 380},    {"Mute2", 5, 425},       {"Quit2", 5, 465},
}};

}  // namespace zav
