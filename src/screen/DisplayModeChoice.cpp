#include "screen/DisplayModeChoice.h"

#include <algorithm>
#include <vector>

namespace zav {

std::optional<DisplayMode> chooseDisplayMode(Display& display) {
    const DisplayMode wanted{640, 480, 16};
    if (display.enterFullScreen(wanted)) return wanted;
    std::vector<DisplayMode> candidates;
    for (const DisplayMode& m : display.listModes())
        if (m.bitsPerPixel == wanted.bitsPerPixel && m.width >= wanted.width && m.height >= wanted.height &&
            m != wanted && std::find(candidates.begin(), candidates.end(), m) == candidates.end())
            candidates.push_back(m);
    std::sort(candidates.begin(), candidates.end(), [](const DisplayMode& a, const DisplayMode& b) {
        const long areaA = long{a.width} * a.height, areaB = long{b.width} * b.height;
        return areaA != areaB ? areaA < areaB : a.width < b.width;
    });
    // The 4:3 modes first, then the rest; a mode that refused is not asked again.
    std::stable_partition(candidates.begin(), candidates.end(),
                          [](const DisplayMode& m) { return m.width * 3 == m.height * 4; });
    for (const DisplayMode& m : candidates)
        if (display.enterFullScreen(m)) return m;
    return std::nullopt;
}

}  // namespace zav
