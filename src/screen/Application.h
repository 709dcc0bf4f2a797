#pragma once
#include <cstdint>
#include <map>
#include <string>

#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/EventSource.h"
#include "platform/PointerCounter.h"
#include "screen/MessageBoxes.h"
#include "screen/Timer.h"

namespace zav {

class TForm;

// Thrown to end the program at once after a failure has been shown; the entry catches it, so
// the screen is still destroyed and the display given back.
struct ProgramEnd {};

struct ApplicationPlatform {
    Display& display;
    Clock& clock;
    EventSource& events;
    MessageBoxes& boxes;
};

// The application object: title, icon, cursor table, pointer counter, the timers and the one
// event loop, and the quit request that ends it.
class TApplication {
public:
    explicit TApplication(const ApplicationPlatform& platform);

    std::string Title;
    RgbaImage Icon;

    Display& display() { return platform_.display; }
    const Clock& clock() const { return platform_.clock; }
    TimerScheduler& scheduler() { return scheduler_; }
    PointerCounter& pointer() { return pointer_; }

    void setCursorImage(int number, const RgbaImage& image, int hotX, int hotY);
    // Makes a cursor of the table the one shown over the whole application.
    void setCursor(int number);
    int cursor() const { return cursor_; }

    // Shows the main form, then delivers events and ticks until the quit request.
    void run(TForm& mainForm);
    // Delivers whatever falls due during the next `us` microseconds (virtual time in tests).
    void runFor(int64_t us);
    // Delivers ticks and input while the form's modal box is open.
    void runModal(TForm& form);
    void setMainForm(TForm& form) { mainForm_ = &form; }
    TForm* mainForm() const { return mainForm_; }

    void terminate() { terminated_ = true; }
    bool terminated() const { return terminated_; }
    void minimize();
    bool minimized() const { return minimized_; }

    // A modal box captioned with the title; also written to standard error.
    void messageBox(const std::string& text, MessageIcon icon = MessageIcon::None);
    // The error display: stop icon, and a full stop added when the text's last character sorts
    // after '.'.
    void showError(const std::string& text);
    [[noreturn]] void endProgram();

    // Called by the form on its first show, and when it is destroyed.
    void showMainWindow(TForm& form);
    void destroyMainWindow();

private:
    void present();
    // One unit of work: a due tick, or else the next event before the deadline; false when
    // the deadline (or the next tick's time) came with neither.
    bool step(int64_t deadlineUs);

    ApplicationPlatform platform_;
    TimerScheduler scheduler_;
    PointerCounter pointer_;
    struct CursorImage {
        RgbaImage image;
        int hotX, hotY;
    };
    std::map<int, CursorImage> cursors_;
    int cursor_ = 0;
    TForm* mainForm_ = nullptr;
    bool windowShown_ = false;
    bool terminated_ = false;
    bool minimized_ = false;
};

}  // namespace zav
