// Region: a thin owner of a pixman_region32_t.
#include "platform/gdi/region.h"

#include <algorithm>

namespace layer::gdi {

namespace {

// Win32 rectangles may be inverted (right < left), which means empty.
void InitRect(pixman_region32_t* region, LONG left, LONG top, LONG right, LONG bottom) {
    if (right <= left || bottom <= top) {
        pixman_region32_init(region);
        return;
    }
    // The extents form takes the corners as they are; the width and height form would overflow
    // for rectangles wider than 2^31 pixels.
    const pixman_box32_t extents{left, top, right, bottom};
    pixman_region32_init_with_extents(region, &extents);
}

}  // namespace

Region::Region() {
    pixman_region32_init(&region_);
}

Region::Region(const RECT& rect) {
    InitRect(&region_, rect.left, rect.top, rect.right, rect.bottom);
}

Region::Region(LONG left, LONG top, LONG right, LONG bottom) {
    InitRect(&region_, left, top, right, bottom);
}

Region::Region(const Region& other) {
    pixman_region32_init(&region_);
    pixman_region32_copy(&region_, &other.region_);
}

Region::Region(Region&& other) noexcept {
    pixman_region32_init(&region_);
    pixman_region32_copy(&region_, &other.region_);
}

Region& Region::operator=(const Region& other) {
    if (this != &other) {
        pixman_region32_copy(&region_, &other.region_);
    }
    return *this;
}

Region& Region::operator=(Region&& other) noexcept {
    if (this != &other) {
        pixman_region32_copy(&region_, &other.region_);
    }
    return *this;
}

Region::~Region() {
    pixman_region32_fini(&region_);
}

bool Region::IsEmpty() const {
    return !pixman_region32_not_empty(&region_);
}

RECT Region::Bounds() const {
    if (IsEmpty()) {
        return RECT{0, 0, 0, 0};
    }
    const pixman_box32_t* box = pixman_region32_extents(&region_);
    return RECT{box->x1, box->y1, box->x2, box->y2};
}

bool Region::Contains(LONG x, LONG y) const {
    return pixman_region32_contains_point(&region_, x, y, nullptr);
}

bool Region::Intersects(const RECT& rect) const {
    if (IsRectEmpty(rect)) {
        return false;
    }
    pixman_box32_t box{rect.left, rect.top, rect.right, rect.bottom};
    return pixman_region32_contains_rectangle(&region_, &box) != PIXMAN_REGION_OUT;
}

std::vector<RECT> Region::Rects() const {
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&region_, &count);
    std::vector<RECT> rects;
    rects.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        rects.push_back(RECT{boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
    }
    return rects;
}

bool Region::operator==(const Region& other) const {
    return pixman_region32_equal(&region_, &other.region_);
}

void Region::Clear() {
    pixman_region32_clear(&region_);
}

void Region::SetRect(const RECT& rect) {
    pixman_region32_fini(&region_);
    InitRect(&region_, rect.left, rect.top, rect.right, rect.bottom);
}

void Region::Union(const Region& other) {
    pixman_region32_union(&region_, &region_, &other.region_);
}

void Region::Union(const RECT& rect) {
    Union(Region(rect));
}

void Region::Intersect(const Region& other) {
    pixman_region32_intersect(&region_, &region_, &other.region_);
}

void Region::Intersect(const RECT& rect) {
    Intersect(Region(rect));
}

void Region::Subtract(const Region& other) {
    pixman_region32_subtract(&region_, &region_, &other.region_);
}

void Region::Subtract(const RECT& rect) {
    Subtract(Region(rect));
}

void Region::Xor(const Region& other) {
    Region both(*this);
    both.Intersect(other);
    Union(other);
    Subtract(both);
}

void Region::Offset(LONG dx, LONG dy) {
    pixman_region32_translate(&region_, dx, dy);
}

bool IsRectEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

RECT IntersectRects(const RECT& a, const RECT& b) {
    RECT result{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom)};
    if (IsRectEmpty(result)) {
        return RECT{0, 0, 0, 0};
    }
    return result;
}

RECT OffsetRectBy(const RECT& rect, LONG dx, LONG dy) {
    return RECT{rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

}  // namespace layer::gdi
