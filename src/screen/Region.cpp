#include "screen/Region.h"

namespace zav {

void subtract(Region& region, const Rect& cut) {
    Region out;
    out.reserve(region.size() + 4);
    for (const Rect& r : region) {
        const Rect overlap = intersect(r, cut);
        if (overlap.empty()) {
            out.push_back(r);
            continue;
        }
        // Bands above and below the overlap span the full width; left and right pieces its height.
        if (overlap.top > r.top) out.push_back({r.left, r.top, r.width, overlap.top - r.top});
        if (overlap.bottom() < r.bottom()) out.push_back({r.left, overlap.bottom(), r.width, r.bottom() - overlap.bottom()});
        if (overlap.left > r.left) out.push_back({r.left, overlap.top, overlap.left - r.left, overlap.height});
        if (overlap.right() < r.right()) out.push_back({overlap.right(), overlap.top, r.right() - overlap.right(), overlap.height});
    }
    region.swap(out);
}

}  // namespace zav
