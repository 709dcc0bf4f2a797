#include "screen/Application.h"

#include <iostream>
#include <limits>

#include "screen/Form.h"

namespace zav {

TApplication::TApplication(const ApplicationPlatform& platform)
    : platform_(platform), scheduler_(platform.clock), pointer_(&platform.display) {
    scheduler_.setMinimumPeriodUs(platform_.display.framePeriodUs());
}

void TApplication::setCursorImage(int number, const RgbaImage& image, int hotX, int hotY) {
    cursors_[number] = {image, hotX, hotY};
}

void TApplication::setCursor(int number) {
    cursor_ = number;
    if (auto it = cursors_.find(number); it != cursors_.end())
        platform_.display.setCursor(it->second.image, it->second.hotX, it->second.hotY);
}

void TApplication::showMainWindow(TForm& form) {
    Display& display = platform_.display;
    display.createWindow(Title, Icon);
    const Size desktop = display.desktopSize();
    const int left = std::max(0, (desktop.width - form.width()) / 2);
    const int top = std::max(0, (desktop.height - form.height()) / 2);
    display.showWindow({left, top, form.width(), form.height()});
    windowShown_ = true;
}

void TApplication::destroyMainWindow() {
    if (!windowShown_) return;
    windowShown_ = false;
    platform_.display.destroyWindow();
}

void TApplication::present() {
    if (!mainForm_ || !windowShown_) return;
    const std::vector<Rect> changed = mainForm_->paint();
    if (!changed.empty()) platform_.display.present(mainForm_->surface().data(), changed);
}

bool TApplication::step(int64_t deadlineUs) {
    if (scheduler_.fireDue(platform_.clock.nowUs())) {
        present();
        return true;
    }
    int64_t due = 0;
    if (scheduler_.nextDue(due) && due < deadlineUs) deadlineUs = due;
    auto event = platform_.events.waitEvent(deadlineUs);
    if (!event) return false;
    if (mainForm_) mainForm_->dispatch(*event);
    present();
    return true;
}

void TApplication::run(TForm& mainForm) {
    mainForm_ = &mainForm;
    mainForm.show();
    present();
    while (!terminated_) step(std::numeric_limits<int64_t>::max());
}

void TApplication::runFor(int64_t us) {
    const int64_t limit = platform_.clock.nowUs() + us;
    // Events already waiting at the limit are due too: stop only when nothing more is.
    while (!terminated_) {
        const bool atLimit = platform_.clock.nowUs() >= limit;
        if (!step(limit) && atLimit) break;
    }
}

void TApplication::runModal(TForm& form) {
    constexpr int64_t WakeUpUs = 1'000'000;
    present();
    while (form.modalOpen()) step(platform_.clock.nowUs() + WakeUpUs);
}

void TApplication::minimize() {
    minimized_ = true;
    platform_.display.minimise();
}

void TApplication::messageBox(const std::string& text, MessageIcon icon) {
    std::cerr << Title << ": " << text << '\n';
    platform_.boxes.show(Title, text, icon);
}

void TApplication::showError(const std::string& text) {
    const bool addStop = !text.empty() && static_cast<unsigned char>(text.back()) > '.';
    messageBox(addStop ? text + "." : text, MessageIcon::Stop);
}

void TApplication::endProgram() { throw ProgramEnd{}; }

}  // namespace zav
