#include "screen/DXDraw.h"

#include "screen/Application.h"
#include "screen/DisplayModeChoice.h"
#include "screen/Form.h"

namespace zav {

TDXDraw::TDXDraw(TWinControl* parent, std::string name) : TWinControl(parent, std::move(name)) {
    if (TForm* screen = form()) screen->attach(this);
}

void TDXDraw::windowShown() {
    if (attempted_) return;
    attempted_ = true;
    TApplication& application = form()->application();
    if (!chooseDisplayMode(application.display())) {
        application.showError("Nelze změnit rozlišení (640x480 16bit)");
        return;
    }
    initialised_ = true;
    // The shortest timer period follows the refresh rate of the mode just set.
    application.scheduler().setMinimumPeriodUs(application.display().framePeriodUs());
    if (OnInitialize) OnInitialize();
}

}  // namespace zav
