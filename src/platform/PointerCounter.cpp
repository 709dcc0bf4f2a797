#include "platform/PointerCounter.h"

#include "platform/Display.h"

namespace zav {

int PointerCounter::showCursor(bool show) {
    const bool wasVisible = count_ >= 0;
    count_ += show ? 1 : -1;
    const bool visible = count_ >= 0;
    if (display_ && visible != wasVisible) display_->setPointerVisible(visible);
    return count_;
}

}  // namespace zav
