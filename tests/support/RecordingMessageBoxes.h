#pragma once
#include <functional>
#include <string>
#include <vector>

#include "screen/MessageBoxes.h"

namespace zav {

class RecordingMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        std::string caption;
        std::string text;
        MessageIcon icon;
    };
    std::vector<Shown> shown;
    std::function<void()> whileOpen;  // runs while the box is up, as the user would wait

    void show(const std::string& caption, const std::string& text, MessageIcon icon) override {
        shown.push_back({caption, text, icon});
        if (whileOpen) whileOpen();
    }
};

}  // namespace zav
