#include "app/ScreenMessageBoxes.h"

#include "screen/Application.h"
#include "screen/Form.h"
#include "screen/MessageDialog.h"

namespace zav {

void ScreenMessageBoxes::show(const std::string& caption, const std::string& text, MessageIcon icon) {
    TForm* screen = application_ ? application_->mainForm() : nullptr;
    if (!screen || !screen->shownOnce()) {
        native_.showMessage(caption, text, icon);
        return;
    }
    screen->openModal(composeMessageDialog(caption, text, icon));
    application_->runModal(*screen);
}

}  // namespace zav
