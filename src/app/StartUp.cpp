#include "music/Catalogue.h"
#include "music/PlaybackController.h"
#include "platform/FileSystem.h"
#include "screen/Application.h"
#include "screen/FormZAV.h"
#include "screen/ScreenPictures.h"

namespace zav {

namespace {
constexpr int KurzorCursor = 11;
constexpr int ScreenCentreX = 320;
constexpr int ScreenCentreY = 240;
constexpr int MatrixStartTop = 640;
}  // namespace

void TFormZAV::FormCreate() {
    MainStripShowing = 1;
    IntroTicks = 0;
    player().PlaybackActive = 0;
    StripPasses = 0;

    for (std::string_view path : ModuleFiles) {
        if (!files().isRegularFile(std::string(path))) {
            application().messageBox("Any song not exists!");
            application().endProgram();
        }
    }

    PanelIntro->setAlign(Align::Client);
    PanelMenu->setVisible(true);
    ScrollText->setLeft(PanelSTextem->width() + 10);
    Titulky->setTop(TitulkyPanel->height() + 5);
    application().setCursorImage(KurzorCursor, programImage("kurzor1.png"), 0, 0);
    application().setCursor(KurzorCursor);
    TimerScrollText->setEnabled(false);
    Loading->setLeft(ScreenCentreX - Loading->width() / 2);
    Loading->setTop(ScreenCentreY - Loading->height() / 2);
    Matrix->setLeft(ScreenCentreX - Matrix->width() / 2);
    Matrix->setTop(MatrixStartTop);
    TimerIntro->setEnabled(true);
    application().pointer().showCursor(false);
    setClientSize(640, 480);
    TextHlavni->setPicture(ScrollText->picture());
}

}  // namespace zav
