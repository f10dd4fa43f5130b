// A set of pixels made of rectangles, in integer device coordinates. Update regions, clip regions
// and HRGN objects are all built on it; the algebra is pixman's.
#pragma once

#include <pixman.h>

#include <vector>

#include "platform/api/types.h"

namespace layer::gdi {

class Region {
  public:
    Region();
    explicit Region(const RECT& rect);
    Region(LONG left, LONG top, LONG right, LONG bottom);
    Region(const Region& other);
    Region(Region&& other) noexcept;
    Region& operator=(const Region& other);
    Region& operator=(Region&& other) noexcept;
    ~Region();

    bool IsEmpty() const;
    // The smallest rectangle holding every pixel; all zero when the region is empty.
    RECT Bounds() const;
    bool Contains(LONG x, LONG y) const;
    bool Intersects(const RECT& rect) const;
    std::vector<RECT> Rects() const;
    bool operator==(const Region& other) const;

    void Clear();
    void SetRect(const RECT& rect);
    void Union(const Region& other);
    void Union(const RECT& rect);
    void Intersect(const Region& other);
    void Intersect(const RECT& rect);
    void Subtract(const Region& other);
    void Subtract(const RECT& rect);
    void Xor(const Region& other);
    void Offset(LONG dx, LONG dy);

    pixman_region32_t* Native() { return &region_; }
    const pixman_region32_t* Native() const { return &region_; }

  private:
    pixman_region32_t region_;
};

// Rectangle helpers shared by the layer.
bool IsRectEmpty(const RECT& rect);
RECT IntersectRects(const RECT& a, const RECT& b);
RECT OffsetRectBy(const RECT& rect, LONG dx, LONG dy);

}  // namespace layer::gdi
