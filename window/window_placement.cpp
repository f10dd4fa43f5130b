// Styles and position of the form's window.
#include "window/window_placement.h"

namespace quorvane {
namespace {

DWORD BorderKindStyles(const WindowSettings& settings, DWORD& extendedStyle) {
    DWORD style = 0;
    if (settings.borderKind == 0) {
        return style;
    }
    if ((settings.title != nullptr && settings.title[0] != '\0') || settings.controlBox) {
        style |= WS_CAPTION;
        if (settings.controlBox) {
            style |= WS_SYSMENU;
        }
    }
    style |= WS_DLGFRAME;
    switch (settings.borderKind) {
        case 1:
            style |= WS_THICKFRAME;
            break;
        case 3:
            style |= WS_THICKFRAME;
            extendedStyle |= WS_EX_TOOLWINDOW;
            break;
        case 4:
            extendedStyle |= WS_EX_TOOLWINDOW;
            break;
        case 5:
            style |= WS_THICKFRAME;
            extendedStyle |= WS_EX_CLIENTEDGE;
            break;
        case 6:
            extendedStyle |= WS_EX_CLIENTEDGE;
            break;
        default:
            break;
    }
    return style;
}

}  // namespace

WindowPlacement PlaceWindow(const FormEntry& windowEntry, int screenWidth, int screenHeight) {
    const auto& settings = std::get<WindowSettings>(windowEntry.settings);
    WindowPlacement placement{WS_CLIPCHILDREN,        0,
                              windowEntry.rect.left,  windowEntry.rect.top,
                              windowEntry.rect.width, windowEntry.rect.height};
    placement.style |= BorderKindStyles(settings, placement.extendedStyle);
    if (settings.maximiseBox) {
        placement.style |= WS_MAXIMIZEBOX;
    }
    if (settings.minimiseBox) {
        placement.style |= WS_MINIMIZEBOX;
    }
    switch (settings.position) {
        case 1:
            // C++ division truncates toward zero, as the placement rule asks.
            placement.x = (screenWidth - placement.width) / 2;
            placement.y = (screenHeight - placement.height) / 2;
            break;
        case 2:
            placement.style |= WS_MINIMIZE;
            break;
        case 3:
            if (placement.style & WS_THICKFRAME) {
                placement.style |= WS_MAXIMIZE;
            }
            break;
        default:
            break;
    }
    return placement;
}

}  // namespace quorvane
