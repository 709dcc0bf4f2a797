#include "screen/MouseRouter.h"

#include "screen/Controls.h"

namespace zav {

namespace {

bool under(const TControl& c, int x, int y) { return c.visible() && c.visibleScreenRect().contains(x, y); }

TControl* receiverIn(TWinControl& window, int x, int y) {
    const auto& children = window.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* child = dynamic_cast<TWinControl*>(*it);
        if (child && child->enabled() && under(*child, x, y)) return receiverIn(*child, x, y);
    }
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        TControl* child = *it;
        if (!child->windowed() && child->enabled() && under(*child, x, y)) return child;
    }
    return &window;
}

void fire(const Handler& handler) {
    if (handler) handler();
}

}  // namespace

TControl* mouseReceiver(TWinControl& root, int x, int y) {
    if (!under(root, x, y)) return nullptr;
    return receiverIn(root, x, y);
}

void MouseRouter::handle(TWinControl& root, const InputEvent& event) {
    switch (event.kind) {
    case InputKind::MouseMove:
        if (captured_) {
            fire(captured_->OnMouseMove);
        } else if (TControl* target = mouseReceiver(root, event.x, event.y)) {
            fire(target->OnMouseMove);
        }
        break;
    case InputKind::MouseDown:
    case InputKind::MouseDoubleDown:
        captured_ = mouseReceiver(root, event.x, event.y);
        clickArmed_ = event.kind == InputKind::MouseDown;
        break;
    case InputKind::MouseUp: {
        TControl* pressed = captured_;
        const bool armed = clickArmed_;
        captured_ = nullptr;
        clickArmed_ = false;
        if (pressed && armed && pressed->showing() && pressed->visibleScreenRect().contains(event.x, event.y))
            fire(pressed->OnClick);
        break;
    }
    default:
        break;
    }
}

}  // namespace zav
