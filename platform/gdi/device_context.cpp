// DeviceContext: the effective clip and the saved-state stack.
#include "platform/gdi/device_context.h"

namespace layer::gdi {

DeviceContext::DeviceContext(Kind kind, HWND window) : kind_(kind), window_(window) {}

void DeviceContext::SetTarget(Surface* target) {
    target_ = target;
    clipValid_ = false;
}

void DeviceContext::SetOrigin(POINT origin) {
    origin_ = origin;
    clipValid_ = false;
}

void DeviceContext::SetVisibleRegion(Region visible) {
    visible_ = std::move(visible);
    clipValid_ = false;
}

const Region& DeviceContext::EffectiveClip() const {
    // The cached clip also goes stale when the window manager resizes the target surface.
    const int width = target_ != nullptr ? target_->Width() : 0;
    const int height = target_ != nullptr ? target_->Height() : 0;
    if (clipValid_ && width == clipTargetWidth_ && height == clipTargetHeight_) {
        return clip_;
    }
    clipTargetWidth_ = width;
    clipTargetHeight_ = height;
    clipValid_ = true;
    if (target_ == nullptr) {
        clip_.Clear();
        return clip_;
    }
    const RECT bounds{0, 0, width, height};
    if (kind_ == Kind::Window) {
        clip_ = visible_;
        clip_.Intersect(bounds);
    } else {
        clip_.SetRect(bounds);
    }
    if (state_.hasClipRegion) {
        Region application = state_.clipRegion;
        application.Offset(origin_.x, origin_.y);
        clip_.Intersect(application);
    }
    return clip_;
}

int DeviceContext::Save() {
    saved_.push_back(state_);
    return static_cast<int>(saved_.size());
}

bool DeviceContext::Restore(int level) {
    const int depth = static_cast<int>(saved_.size());
    if (level < 0) {
        level = depth + 1 + level;
    }
    if (level < 1 || level > depth) {
        return false;
    }
    state_ = saved_[static_cast<size_t>(level - 1)];
    saved_.resize(static_cast<size_t>(level - 1));
    clipValid_ = false;
    return true;
}

}  // namespace layer::gdi
