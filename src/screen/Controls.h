#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/Geometry.h"
#include "screen/Picture.h"

namespace zav {

class TWinControl;
class TForm;

enum class Align : uint8_t { None, Client };

using Handler = std::function<void()>;

// A control of the screen: position relative to its parent's client area, size, visible and
// enabled flags, alignment. Every change that shows on screen marks what it touches for redraw.
class TControl {
public:
    TControl(TWinControl* parent, std::string name);
    virtual ~TControl() = default;
    TControl(const TControl&) = delete;
    TControl& operator=(const TControl&) = delete;

    const std::string& name() const { return name_; }
    TWinControl* parent() const { return parent_; }
    virtual bool windowed() const { return false; }

    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    const Rect& bounds() const { return bounds_; }
    void setLeft(int left) { setBounds({left, bounds_.top, bounds_.width, bounds_.height}); }
    void setTop(int top) { setBounds({bounds_.left, top, bounds_.width, bounds_.height}); }
    void setSize(int width, int height) { setBounds({bounds_.left, bounds_.top, width, height}); }
    void setBounds(const Rect& bounds);

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    Align align() const { return align_; }
    void setAlign(Align align);

    // Visible, and every ancestor visible: the control is on screen.
    bool showing() const;
    // The control's rectangle in screen coordinates, unclipped.
    Rect screenRect() const;
    // The part of the screen the control can draw on: clipped by every ancestor.
    Rect visibleScreenRect() const;

    Handler OnClick;
    Handler OnMouseMove;

protected:
    TForm* form() const;
    // Marks the control's visible area for redraw (only while it shows).
    void invalidate() const;
    virtual void boundsChanged() {}

private:
    void applyAlignment();

    std::string name_;
    TWinControl* parent_;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    Align align_ = Align::None;

    friend class TWinControl;
};

// A control with a window of its own: it contains further controls and lies above every
// picture control of its parent.
class TWinControl : public TControl {
public:
    using TControl::TControl;
    bool windowed() const override { return true; }
    const std::vector<TControl*>& children() const { return children_; }
    Rect clientRect() const { return {0, 0, width(), height()}; }
    uint16_t color() const { return color_; }

protected:
    void boundsChanged() override;

private:
    std::vector<TControl*> children_;  // creation order; owned by the form
    uint16_t color_ = 0;               // black

    friend class TControl;
};

class TPanel final : public TWinControl {
public:
    using TWinControl::TWinControl;
};

// A windowless control drawn on its parent, showing at most one picture, opaque and unscaled.
class TImage final : public TControl {
public:
    using TControl::TControl;

    const Picture& picture() const { return picture_; }
    // Takes a copy of the picture; with automatic sizing the control takes its size.
    void setPicture(const Picture& picture);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);

private:
    Picture picture_;
    bool autoSize_ = false;
};

}  // namespace zav
