#pragma once
#include <array>
#include <string_view>

#include "screen/Controls.h"

namespace zav {

enum class ControlKind : uint8_t { Panel, Image, DisplayComponent };

// One control of the screen as its resource describes it. Properties are applied in the order
// of the fields, so an auto-sized control takes its picture's size as soon as it gets it.
struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view parent;
    int left, top, width, height;
    Align align;
    bool autoSize;
    bool visible;
    bool enabled;
    bool hasPicture;  // the picture is the embedded "pictures/<name>.png"
    std::string_view event;
    std::string_view handler;
};

struct TimerRow {
    std::string_view name;
    int intervalMs;
    bool enabled;
    std::string_view handler;
};

inline constexpr std::string_view ScreenName = "FormZAV";
inline constexpr int DesignClientWidth = 800;
inline constexpr int DesignClientHeight = 553;

extern const std::array<ControlRow, 56> ScreenControls;  // creation order
extern const std::array<TimerRow, 4> ScreenTimers;       // creation order

}  // namespace zav
