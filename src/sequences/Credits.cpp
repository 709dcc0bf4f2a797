#include "screen/FormZAV.h"

namespace zav {

namespace {
constexpr uint8_t TransitionEndTick = 3;

int rollRestartTop(const TPanel& frame) { return frame.height() + 5; }
}  // namespace

void TFormZAV::Credits2Click() {
    PanelCredits->setEnabled(false);
    PanelSTextem->setVisible(false);
    TimerScrollText->setEnabled(false);
    PanelMenu->setVisible(false);
    TransitionTicks = 0;
    CreditsOpening = 1;
    TimerScreen->setEnabled(true);
}

void TFormZAV::PanelCreditsClick() {
    PanelMenu->setVisible(false);
    PanelCredits->setVisible(false);
    TimerTitulky->setEnabled(false);
    CreditsOpening = 0;
    TransitionTicks = 0;
    TimerScreen->setEnabled(true);
}

void TFormZAV::TimerScreenTimer() {
    ++TransitionTicks;
    if (TransitionTicks != TransitionEndTick) return;
    TimerScreen->setEnabled(false);
    if (CreditsOpening == 1) {
        PanelCredits->setAlign(Align::Client);
        PanelCredits->setVisible(true);
        TimerTitulky->setEnabled(true);
        PanelMenu->setVisible(true);
        Titulky->setTop(rollRestartTop(*TitulkyPanel));
        PanelCredits->setEnabled(true);
    } else {
        PanelSTextem->setVisible(true);
        TimerScrollText->setEnabled(true);
        PanelMenu->setVisible(true);
    }
}

void TFormZAV::TimerTitulkyTimer() {
    Titulky->setTop(Titulky->top() - 1);
    if (Titulky->top() < -Titulky->height()) Titulky->setTop(rollRestartTop(*TitulkyPanel));
}

}  // namespace zav
