#include "screen/Application.h"
#include "screen/FormZAV.h"

namespace zav {

namespace {
constexpr int MatrixStep = 5;
constexpr int RestingIntervalMs = 100;
constexpr uint8_t LogoTick = 30;
constexpr uint8_t BackdropTick = 65;
constexpr uint8_t EndTick = 82;

int matrixStopTop(const TImage& matrix) { return -(matrix.height() / 2); }
}  // namespace

void TFormZAV::TimerIntroTimer() {
    if (Matrix->top() != matrixStopTop(*Matrix)) {
        Matrix->setTop(Matrix->top() - MatrixStep);
        return;
    }
    if (TimerIntro->interval() == 1) TimerIntro->setInterval(RestingIntervalMs);
    ++IntroTicks;
    if (IntroTicks == LogoTick) {
        Matrix->setVisible(false);
        Logo->setVisible(true);
    }
    if (IntroTicks == BackdropTick) PanelMenu->setVisible(false);
    if (IntroTicks == EndTick) {
        PanelMenu->setVisible(true);
        TimerIntro->setEnabled(false);
        TimerScrollText->setEnabled(true);
        PanelIntro->setVisible(false);
        application().pointer().showCursor(true);
    }
}

void TFormZAV::SkipIntro() {
    PanelMenu->setVisible(false);
    Matrix->setTop(matrixStopTop(*Matrix));
    IntroTicks = BackdropTick - 1;
}

}  // namespace zav
