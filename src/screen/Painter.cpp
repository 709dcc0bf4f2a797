#include "screen/Painter.h"

#include <algorithm>
#include <cstring>

#include "screen/Controls.h"
#include "screen/Region.h"
#include "screen/Surface.h"

namespace zav {

namespace {

void fill(Surface& surface, const Rect& r, uint16_t color) {
    for (int y = r.top; y < r.bottom(); ++y) std::fill_n(surface.row(y) + r.left, r.width, color);
}

void blit(Surface& surface, const Rect& r, const Picture& picture, const Rect& imageScreenRect) {
    const int dx = r.left - imageScreenRect.left;
    const int dy = r.top - imageScreenRect.top;
    for (int y = 0; y < r.height; ++y)
        std::memcpy(surface.row(r.top + y) + r.left, picture.row(dy + y) + dx, static_cast<size_t>(r.width) * 2);
}

Region clipped(const Region& region, const Rect& to) {
    Region out;
    for (const Rect& r : region)
        if (Rect i = intersect(r, to); !i.empty()) out.push_back(i);
    return out;
}

void paintWindow(const TWinControl& window, Region region, Surface& surface) {
    const Rect clip = window.visibleScreenRect();
    const auto& children = window.children();
    for (auto it = children.rbegin(); it != children.rend() && !region.empty(); ++it) {
        const auto* child = dynamic_cast<const TWinControl*>(*it);
        if (!child || !child->visible()) continue;
        const Rect area = intersect(child->screenRect(), clip);
        Region inside = clipped(region, area);
        if (inside.empty()) continue;
        paintWindow(*child, std::move(inside), surface);
        subtract(region, area);
    }
    for (auto it = children.rbegin(); it != children.rend() && !region.empty(); ++it) {
        const auto* image = dynamic_cast<const TImage*>(*it);
        if (!image || !image->visible() || image->picture().empty()) continue;
        const Rect at = image->screenRect();
        const Rect drawn{at.left, at.top, std::min(at.width, image->picture().width()),
                         std::min(at.height, image->picture().height())};
        const Rect area = intersect(drawn, clip);
        if (area.empty()) continue;
        for (const Rect& r : clipped(region, area)) blit(surface, r, image->picture(), at);
        subtract(region, area);
    }
    for (const Rect& r : region) fill(surface, r, window.color());
}

}  // namespace

void paintPicture(const Picture& picture, const Rect& at, const Rect& clip, Surface& surface) {
    const Rect r = intersect(intersect(at, clip), Surface::bounds());
    if (!r.empty()) blit(surface, r, picture, at);
}

void paintRect(const TWinControl& root, const Rect& screenRect, Surface& surface) {
    if (!root.visible()) return;
    const Rect r = intersect(screenRect, intersect(root.visibleScreenRect(), Surface::bounds()));
    if (!r.empty()) paintWindow(root, Region{r}, surface);
}

}  // namespace zav
