// The three colour schemes of the XP look as a table.
#include "app/xp_look_colours.h"

#include <array>

namespace quorvane {
namespace {

constexpr CornerColours kBandNormal = Vertical(RGB(255, 255, 255), RGB(226, 223, 214));
constexpr CornerColours kBandHot = Vertical(RGB(255, 240, 207), RGB(229, 151, 0));
constexpr CornerColours kBandChecked = {RGB(214, 203, 189), RGB(214, 207, 198), RGB(247, 243, 239),
                                        RGB(247, 243, 239)};
constexpr CornerColours kBandBlueFocus = Vertical(RGB(206, 231, 255), RGB(105, 130, 238));
constexpr CornerColours kBeigePressed = Flat(RGB(239, 227, 206));

constexpr std::array<XpLookScheme, 3> kSchemes = {{
    {
        RGB(0, 60, 115),
        kBandNormal,
        kBandHot,
        Vertical(RGB(209, 204, 193), RGB(242, 241, 238)),
        kBandChecked,
        kBandBlueFocus,
        Vertical(RGB(252, 252, 251), RGB(236, 235, 230)),
        {RGB(231, 227, 222), RGB(231, 231, 231), RGB(231, 227, 222), RGB(231, 227, 222)},
        RGB(123, 158, 189),
    },
    {
        RGB(55, 98, 6),
        kBandNormal,
        kBandHot,
        kBeigePressed,
        kBandChecked,
        kBandHot,
        Vertical(RGB(252, 252, 251), RGB(236, 225, 201)),
        kBeigePressed,
        RGB(164, 185, 127),
    },
    {
        RGB(0, 60, 116),
        kBandNormal,
        kBandHot,
        kBeigePressed,
        kBandChecked,
        kBandBlueFocus,
        Vertical(RGB(252, 252, 251), RGB(198, 197, 215)),
        Vertical(RGB(179, 178, 197), RGB(252, 252, 251)),
        RGB(198, 197, 215),
    },
}};

}  // namespace

const XpLookScheme& SchemeColours(int32_t scheme) {
    if (scheme < 1 || scheme > 3) {
        return kSchemes[0];
    }
    return kSchemes[static_cast<size_t>(scheme - 1)];
}

}  // namespace quorvane
