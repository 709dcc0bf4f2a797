#pragma once

namespace zav {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }    // exclusive
    int bottom() const { return top + height; }   // exclusive
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int x, int y) const { return x >= left && x < right() && y >= top && y < bottom(); }
    friend bool operator==(const Rect&, const Rect&) = default;
};

inline Rect intersect(const Rect& a, const Rect& b) {
    const int l = a.left > b.left ? a.left : b.left;
    const int t = a.top > b.top ? a.top : b.top;
    const int r = a.right() < b.right() ? a.right() : b.right();
    const int bm = a.bottom() < b.bottom() ? a.bottom() : b.bottom();
    if (r <= l || bm <= t) return {};
    return {l, t, r - l, bm - t};
}

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

}  // namespace zav
