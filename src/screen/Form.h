#pragma once
#include <functional>
#include <optional>
#include <vector>

#include "platform/InputEvent.h"
#include "screen/Controls.h"
#include "screen/MessageDialog.h"
#include "screen/MouseRouter.h"
#include "screen/Surface.h"

namespace zav {

class TApplication;
class TDXDraw;

enum class WindowState : uint8_t { Normal, Minimized };

// The screen window: the root of the control tree. It owns the 640 x 480 surface, collects the
// rectangles that changes touch and redraws only those.
class TForm : public TWinControl {
public:
    TForm(TApplication& application, std::string name);

    TApplication& application() const { return application_; }
    void setClientSize(int width, int height) { setSize(width, height); }

    std::function<void(int key)> OnKeyUp;
    Handler OnClose;

    // The first show centres the window on the desktop; display components attached to the
    // form see every show.
    void show();
    bool shownOnce() const { return shownOnce_; }
    void attach(TDXDraw* component) { attached_.push_back(component); }

    // The close path: the close event runs, then the application is asked to end its loop.
    void close();
    WindowState windowState() const { return windowState_; }
    void setWindowState(WindowState state);

    void dispatch(const InputEvent& event);

    // A modal box centred above the whole tree. While it is open every input goes to it; Enter,
    // Space, Escape, a click on OK or a close request dismisses it.
    void openModal(const MessageDialog& dialog);
    bool modalOpen() const { return modal_.has_value(); }

    void invalidateRect(const Rect& screenRect);
    void invalidateAll() { invalidateRect(Surface::bounds()); }
    // Redraws the marked rectangles into the surface and returns them (empty when nothing changed).
    std::vector<Rect> paint();
    const Surface& surface() const { return surface_; }

private:
    TApplication& application_;
    Surface surface_;
    std::vector<Rect> dirty_;
    MouseRouter mouse_;
    struct Modal {
        MessageDialog dialog;
        Rect at;
        bool pressedOnOk = false;
    };
    std::optional<Modal> modal_;
    void modalInput(const InputEvent& event);
    std::vector<TDXDraw*> attached_;
    bool shownOnce_ = false;
    WindowState windowState_ = WindowState::Normal;
};

}  // namespace zav
