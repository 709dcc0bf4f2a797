#include "screen/Form.h"

#include <algorithm>

#include "screen/Application.h"
#include "screen/DXDraw.h"
#include "screen/Painter.h"

namespace zav {

TForm::TForm(TApplication& application, std::string name)
    : TWinControl(nullptr, std::move(name)), application_(application) {}

void TForm::show() {
    if (!shownOnce_) {
        shownOnce_ = true;
        application_.showMainWindow(*this);
    }
    invalidateAll();
    for (TDXDraw* component : attached_) component->windowShown();
}

void TForm::close() {
    if (OnClose) OnClose();
    application_.terminate();
}

void TForm::setWindowState(WindowState state) {
    if (state == windowState_) return;
    windowState_ = state;
    if (state == WindowState::Minimized && !application_.minimized()) application_.minimize();
}

void TForm::dispatch(const InputEvent& event) {
    if (modal_) {
        modalInput(event);
        return;
    }
    switch (event.kind) {
    case InputKind::KeyUp:
        if (OnKeyUp) OnKeyUp(event.key);
        break;
    case InputKind::CloseRequest:
        close();
        break;
    case InputKind::Expose:
        invalidateAll();
        break;
    default:
        mouse_.handle(*this, event);
        break;
    }
}

void TForm::openModal(const MessageDialog& dialog) {
    const Rect at{(Surface::Width - dialog.picture.width()) / 2, (Surface::Height - dialog.picture.height()) / 2,
                  dialog.picture.width(), dialog.picture.height()};
    modal_ = Modal{dialog, at};
    invalidateRect(at);
}

void TForm::modalInput(const InputEvent& event) {
    const Rect ok{modal_->at.left + modal_->dialog.okButton.left, modal_->at.top + modal_->dialog.okButton.top,
                  modal_->dialog.okButton.width, modal_->dialog.okButton.height};
    bool dismiss = false;
    switch (event.kind) {
    case InputKind::KeyUp:
        dismiss = event.key == KeyEscape || event.key == KeyEnter || event.key == KeySpace;
        break;
    case InputKind::CloseRequest:
        dismiss = true;
        break;
    case InputKind::MouseDown:
        modal_->pressedOnOk = ok.contains(event.x, event.y);
        break;
    case InputKind::MouseUp:
        dismiss = modal_->pressedOnOk && ok.contains(event.x, event.y);
        modal_->pressedOnOk = false;
        break;
    case InputKind::Expose:
        invalidateAll();
        break;
    default:
        break;
    }
    if (!dismiss) return;
    invalidateRect(modal_->at);
    modal_.reset();
}

void TForm::invalidateRect(const Rect& screenRect) {
    Rect r = intersect(screenRect, Surface::bounds());
    if (r.empty()) return;
    // Merge with every pending rectangle it overlaps, so a moving control yields one rectangle.
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = dirty_.begin(); it != dirty_.end(); ++it) {
            if (intersect(*it, r).empty()) continue;
            const int left = std::min(it->left, r.left), top = std::min(it->top, r.top);
            r = {left, top, std::max(it->right(), r.right()) - left, std::max(it->bottom(), r.bottom()) - top};
            dirty_.erase(it);
            merged = true;
            break;
        }
    }
    dirty_.push_back(r);
}

std::vector<Rect> TForm::paint() {
    std::vector<Rect> painted;
    painted.swap(dirty_);
    for (const Rect& r : painted) {
        paintRect(*this, r, surface_);
        if (modal_) paintPicture(modal_->dialog.picture, modal_->at, r, surface_);
    }
    return painted;
}

}  // namespace zav
