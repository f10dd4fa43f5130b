// The one table of system metrics and the one table of system colours: the classic look at
// 96 DPI. Nothing else in the layer hard codes these values; everything asks GetSystemMetrics
// and GetSysColor.
#include <array>
#include <utility>

#include "platform/api/user32.h"
#include "platform/host/host.h"

namespace {

// Metrics that do not depend on the screen.
constexpr std::pair<int, int> kMetrics[] = {
    {SM_CXVSCROLL, 16},      {SM_CYHSCROLL, 16},      {SM_CYCAPTION, 19},
    {SM_CXBORDER, 1},        {SM_CYBORDER, 1},        {SM_CXFIXEDFRAME, 3},
    {SM_CYFIXEDFRAME, 3},    {SM_CYVTHUMB, 16},       {SM_CXHTHUMB, 16},
    {SM_CXICON, 32},         {SM_CYICON, 32},         {SM_CXCURSOR, 32},
    {SM_CYCURSOR, 32},       {SM_CYMENU, 19},         {SM_MOUSEPRESENT, 1},
    {SM_CYVSCROLL, 16},      {SM_CXHSCROLL, 16},      {SM_SWAPBUTTON, 0},
    {SM_CXMIN, 112},         {SM_CYMIN, 27},          {SM_CXSIZE, 18},
    {SM_CYSIZE, 18},         {SM_CXSIZEFRAME, 4},     {SM_CYSIZEFRAME, 4},
    {SM_CXMINTRACK, 112},    {SM_CYMINTRACK, 27},     {SM_CXDOUBLECLK, 4},
    {SM_CYDOUBLECLK, 4},     {SM_DBCSENABLED, 1},     {SM_CMOUSEBUTTONS, 3},
    {SM_CXEDGE, 2},          {SM_CYEDGE, 2},          {SM_CXSMICON, 16},
    {SM_CYSMICON, 16},       {SM_CYSMCAPTION, 16},    {SM_CXSMSIZE, 12},
    {SM_CYSMSIZE, 15},       {SM_CXMENUSIZE, 18},     {SM_CYMENUSIZE, 18},
    {SM_CXDRAG, 4},          {SM_CYDRAG, 4},          {SM_CXMENUCHECK, 13},
    {SM_CYMENUCHECK, 13},    {SM_CMONITORS, 1},       {SM_CXFOCUSBORDER, 1},
    {SM_CYFOCUSBORDER, 1},
};

constexpr COLORREF Rgb(int red, int green, int blue) {
    return static_cast<COLORREF>(red | (green << 8) | (blue << 16));
}

constexpr std::array<COLORREF, COLOR_MENUBAR + 1> kColors = {
    Rgb(212, 208, 200),  // COLOR_SCROLLBAR
    Rgb(58, 110, 165),   // COLOR_BACKGROUND
    Rgb(10, 36, 106),    // COLOR_ACTIVECAPTION
    Rgb(128, 128, 128),  // COLOR_INACTIVECAPTION
    Rgb(212, 208, 200),  // COLOR_MENU
    Rgb(255, 255, 255),  // COLOR_WINDOW
    Rgb(0, 0, 0),        // COLOR_WINDOWFRAME
    Rgb(0, 0, 0),        // COLOR_MENUTEXT
    Rgb(0, 0, 0),        // COLOR_WINDOWTEXT
    Rgb(255, 255, 255),  // COLOR_CAPTIONTEXT
    Rgb(212, 208, 200),  // COLOR_ACTIVEBORDER
    Rgb(212, 208, 200),  // COLOR_INACTIVEBORDER
    Rgb(128, 128, 128),  // COLOR_APPWORKSPACE
    Rgb(10, 36, 106),    // COLOR_HIGHLIGHT
    Rgb(255, 255, 255),  // COLOR_HIGHLIGHTTEXT
    Rgb(212, 208, 200),  // COLOR_BTNFACE
    Rgb(128, 128, 128),  // COLOR_BTNSHADOW
    Rgb(128, 128, 128),  // COLOR_GRAYTEXT
    Rgb(0, 0, 0),        // COLOR_BTNTEXT
    Rgb(212, 208, 200),  // COLOR_INACTIVECAPTIONTEXT
    Rgb(255, 255, 255),  // COLOR_BTNHIGHLIGHT
    Rgb(64, 64, 64),     // COLOR_3DDKSHADOW
    Rgb(212, 208, 200),  // COLOR_3DLIGHT
    Rgb(0, 0, 0),        // COLOR_INFOTEXT
    Rgb(255, 255, 225),  // COLOR_INFOBK
    Rgb(181, 181, 181),  // 25, unused
    Rgb(0, 0, 128),      // COLOR_HOTLIGHT
    Rgb(166, 202, 240),  // COLOR_GRADIENTACTIVECAPTION
    Rgb(192, 192, 192),  // COLOR_GRADIENTINACTIVECAPTION
    Rgb(10, 36, 106),    // COLOR_MENUHILIGHT
    Rgb(212, 208, 200),  // COLOR_MENUBAR
};

SIZE ScreenSize() {
    layer::host::Host* host = layer::host::Current();
    return host != nullptr ? host->ScreenSize() : SIZE{0, 0};
}

}  // namespace

int WINAPI GetSystemMetrics(int index) {
    switch (index) {
        case SM_CXSCREEN:
        case SM_CXFULLSCREEN:
        case SM_CXVIRTUALSCREEN:
            return ScreenSize().cx;
        case SM_CYSCREEN:
        case SM_CYVIRTUALSCREEN:
            return ScreenSize().cy;
        case SM_CYFULLSCREEN:
            return ScreenSize().cy - GetSystemMetrics(SM_CYCAPTION);
        default:
            break;
    }
    for (const auto& [metric, value] : kMetrics) {
        if (metric == index) {
            return value;
        }
    }
    return 0;
}

DWORD WINAPI GetSysColor(int index) {
    if (index < 0 || index >= static_cast<int>(kColors.size())) {
        return 0;
    }
    return kColors[static_cast<size_t>(index)];
}
