#include "screen/Controls.h"

#include "screen/Form.h"

namespace zav {

TControl::TControl(TWinControl* parent, std::string name) : name_(std::move(name)), parent_(parent) {
    if (parent_) parent_->children_.push_back(this);
}

TForm* TControl::form() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

bool TControl::showing() const {
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

Rect TControl::screenRect() const {
    if (!parent_) return {0, 0, bounds_.width, bounds_.height};
    const Rect origin = parent_->screenRect();
    return {origin.left + bounds_.left, origin.top + bounds_.top, bounds_.width, bounds_.height};
}

Rect TControl::visibleScreenRect() const {
    Rect r = screenRect();
    for (const TControl* c = parent_; c; c = c->parent_) r = intersect(r, c->screenRect());
    return r;
}

void TControl::invalidate() const {
    if (!showing()) return;
    if (TForm* f = form()) f->invalidateRect(visibleScreenRect());
}

void TControl::setBounds(const Rect& bounds) {
    if (bounds == bounds_) {
        applyAlignment();
        return;
    }
    invalidate();
    bounds_ = bounds;
    invalidate();
    boundsChanged();
    applyAlignment();
}

void TControl::setVisible(bool visible) {
    if (visible == visible_) return;
    if (visible_) invalidate();
    visible_ = visible;
    applyAlignment();
    if (visible_) invalidate();
}

void TControl::setAlign(Align align) {
    align_ = align;
    applyAlignment();
}

// A control that fills its parent follows it, but only while visible; a hidden one keeps its
// last bounds until it is shown.
void TControl::applyAlignment() {
    if (align_ != Align::Client || !visible_ || !parent_) return;
    const Rect target = parent_->clientRect();
    if (bounds_ != target) setBounds(target);
}

void TWinControl::boundsChanged() {
    for (TControl* child : children_) child->applyAlignment();
}

void TImage::setPicture(const Picture& picture) {
    invalidate();
    picture_ = picture;
    if (autoSize_ && !picture_.empty()) setSize(picture_.width(), picture_.height());
    invalidate();
}

void TImage::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    if (autoSize_ && !picture_.empty()) setSize(picture_.width(), picture_.height());
}

}  // namespace zav
