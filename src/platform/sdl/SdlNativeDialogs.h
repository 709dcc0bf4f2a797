#pragma once
#include "platform/NativeDialogs.h"

namespace zav {

// SDL's own message box; needs no window and no initialised subsystem.
class SdlNativeDialogs final : public NativeDialogs {
public:
    void showMessage(const std::string& caption, const std::string& text, MessageIcon icon) override;
};

}  // namespace zav
