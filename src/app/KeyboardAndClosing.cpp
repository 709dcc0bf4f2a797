#include "music/PlaybackController.h"
#include "platform/InputEvent.h"
#include "screen/Application.h"
#include "screen/FormZAV.h"

namespace zav {

// Acts on key release only; modifiers play no part.
void TFormZAV::FormKeyUp(int key) {
    if (key == KeyEscape) {
        if (TimerIntro->enabled()) SkipIntro();
        else if (TimerTitulky->enabled()) PanelCreditsClick();
    } else if (key == KeyF10) {
        close();
    }
}

void TFormZAV::Quit2Click() { close(); }

void TFormZAV::FormClose() {
    player().ClosePlayer();
    application().minimize();
    setWindowState(WindowState::Minimized);
}

}  // namespace zav
