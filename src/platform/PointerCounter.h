#pragma once

namespace zav {

class Display;

// The pointer display counter: the pointer shows while the counter is 0 or more.
class PointerCounter {
public:
    explicit PointerCounter(Display* display) : display_(display) {}
    // Raises (true) or lowers (false) the counter and returns its new value.
    int showCursor(bool show);
    int count() const { return count_; }

private:
    Display* display_;
    int count_ = 0;
};

}  // namespace zav
