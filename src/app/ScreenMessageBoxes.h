#pragma once
#include "platform/NativeDialogs.h"
#include "screen/MessageBoxes.h"

namespace zav {

// Message boxes of the running program: before the screen is shown, the platform's own box;
// afterwards a box drawn inside the screen, so it shows in exclusive full screen and the timers
// keep ticking behind it.
class ScreenMessageBoxes final : public MessageBoxes {
public:
    explicit ScreenMessageBoxes(NativeDialogs& native) : native_(native) {}
    void attach(TApplication& application) override { application_ = &application; }
    void show(const std::string& caption, const std::string& text, MessageIcon icon) override;

private:
    NativeDialogs& native_;
    TApplication* application_ = nullptr;
};

}  // namespace zav
