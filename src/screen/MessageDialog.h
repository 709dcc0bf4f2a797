#pragma once
#include <string>

#include "platform/Geometry.h"
#include "platform/NativeDialogs.h"
#include "screen/Picture.h"

namespace zav {

// A message box as the program draws it inside its own screen: caption bar, optional stop
// icon, the text (wrapped to fit), one OK button.
struct MessageDialog {
    Picture picture;
    Rect okButton;  // relative to the picture
};

MessageDialog composeMessageDialog(const std::string& caption, const std::string& text, MessageIcon icon);

}  // namespace zav
