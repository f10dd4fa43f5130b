// The objects behind GDI handles: pens, brushes, fonts, bitmaps, regions and device contexts, each
// with the documented description that GetObjectA hands back.
#pragma once

#include <memory>

#include "platform/api/gdi32.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"

namespace layer::gdi {

enum class ObjectKind { Pen, Brush, Font, Bitmap, Region, DeviceContext };

class GdiObject {
  public:
    explicit GdiObject(ObjectKind kind) : kind_(kind) {}
    virtual ~GdiObject() = default;

    ObjectKind Kind() const { return kind_; }

    // Stock objects (and the system colour brushes) live for the whole process: DeleteObject
    // leaves them alone and the live-object count leaves them out.
    bool stock = false;
    // DeleteObject on an object that a DC still uses only marks it; it goes when no DC uses it.
    bool deletePending = false;

  private:
    ObjectKind kind_;
};

struct PenObject : GdiObject {
    explicit PenObject(const LOGPEN& description) : GdiObject(ObjectKind::Pen), pen(description) {}
    LOGPEN pen;
};

struct BrushObject : GdiObject {
    explicit BrushObject(const LOGBRUSH& description)
        : GdiObject(ObjectKind::Brush), brush(description) {}
    LOGBRUSH brush;
};

struct FontObject : GdiObject {
    explicit FontObject(const LOGFONTA& description)
        : GdiObject(ObjectKind::Font), font(description) {}
    LOGFONTA font;
};

struct BitmapObject : GdiObject {
    BitmapObject(int width, int height, Surface::RowOrder order)
        : GdiObject(ObjectKind::Bitmap), surface(std::make_unique<Surface>(width, height, order)) {}
    std::unique_ptr<Surface> surface;
    // DIB sections hand their bits to the caller and describe themselves with a DIBSECTION.
    bool dibSection = false;
    BITMAPINFOHEADER dibHeader{};
};

struct RegionObject : GdiObject {
    explicit RegionObject(Region initial)
        : GdiObject(ObjectKind::Region), region(std::move(initial)) {}
    Region region;
};

struct DeviceContextObject : GdiObject {
    explicit DeviceContextObject(std::unique_ptr<DeviceContext> context)
        : GdiObject(ObjectKind::DeviceContext), dc(std::move(context)) {}
    std::unique_ptr<DeviceContext> dc;
};

}  // namespace layer::gdi
