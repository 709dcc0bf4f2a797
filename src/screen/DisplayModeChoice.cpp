#include "screen/DisplayModeChoice.h"

#include <algorithm>
#include <vector>

namespace zav {

std::optional<DisplayMode> chooseDisplayMode(Display& display) {
    const DisplayMode wanted{640, 480, 16};
    if (display.enterFullScreen(wanted)) return wanted;
    std::vector<DisplayMode> candidates;
    for (const DisplayMode& m : display.listModes())
        if (m.bitsPerPixel == 16 && m.width >= wanted.width && m.height >= wanted.height && !(m == wanted))
            candidates.push_back(m);
    std::stable_sort(candidates.begin(), candidates.end(), [](const DisplayMode& a, const DisplayMode& b) {
        const long areaA = long{a.width} * a.height, areaB = long{b.width} * b.height;
        return areaA != areaB ? areaA < areaB : a.width < b.width;
    });
    auto fourByThree = [](const DisplayMode& m) { return m.width * 3 == m.height * 4; };
    for (bool ratioOnly : {true, false})
        for (const DisplayMode& m : candidates)
            if ((!ratioOnly || fourByThree(m)) && display.enterFullScreen(m)) return m;
    return std::nullopt;
}

}  // namespace zav
