#pragma once
#include <string>

#include "platform/NativeDialogs.h"

namespace zav {

class TApplication;

// Modal message boxes with one OK button. show() returns when the user has dismissed the box.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const std::string& caption, const std::string& text, MessageIcon icon) = 0;
    // Tells the boxes which application they serve, once it exists.
    virtual void attach(TApplication&) {}
};

}  // namespace zav
