#pragma once
#include <string>

namespace zav {

enum class MessageIcon : uint8_t { None, Stop };

// Modal boxes the platform draws itself, used before the screen exists on the display.
class NativeDialogs {
public:
    virtual ~NativeDialogs() = default;
    // Blocks until the user dismisses the box with its one OK button.
    virtual void showMessage(const std::string& caption, const std::string& text, MessageIcon icon) = 0;
};

}  // namespace zav
