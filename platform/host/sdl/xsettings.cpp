// Reading XSETTINGS: the settings manager owns the selection _XSETTINGS_S<screen> and keeps the
// settings, in a documented binary layout, in the property _XSETTINGS_SETTINGS of its window.
#include "platform/host/sdl/xsettings.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <string>

namespace layer::host {

namespace {

enum class SettingType : uint8_t { Integer = 0, String = 1, Color = 2 };

// Reads CARD16/CARD32 values in the byte order the data declares, refusing to read past its end.
class SettingsReader {
  public:
    explicit SettingsReader(std::span<const uint8_t> data) : data_(data) {}

    bool SetByteOrder(uint8_t order) {
        if (order != LSBFirst && order != MSBFirst) {
            return false;
        }
        bigEndian_ = order == MSBFirst;
        return true;
    }
    bool Has(size_t count) const { return count <= data_.size() - offset_; }
    bool Skip(size_t count) {
        if (!Has(count)) {
            return false;
        }
        offset_ += count;
        return true;
    }
    std::optional<uint8_t> Byte() {
        if (!Has(1)) {
            return std::nullopt;
        }
        return data_[offset_++];
    }
    std::optional<uint32_t> Card(size_t bytes) {
        if (!Has(bytes)) {
            return std::nullopt;
        }
        uint32_t value = 0;
        for (size_t i = 0; i < bytes; ++i) {
            size_t index = bigEndian_ ? i : bytes - 1 - i;
            value = (value << 8) | data_[offset_ + index];
        }
        offset_ += bytes;
        return value;
    }
    std::optional<std::string_view> Text(size_t length) {
        if (!Has(length)) {
            return std::nullopt;
        }
        std::string_view text(reinterpret_cast<const char*>(data_.data() + offset_), length);
        offset_ += length;
        return text;
    }

  private:
    std::span<const uint8_t> data_;
    size_t offset_ = 0;
    bool bigEndian_ = false;
};

// A settings manager that goes away while it is read makes the read fail with an X error; Xlib's
// default handler would end the process for it.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

// Strings and names are padded to a multiple of four bytes.
size_t Padding(size_t length) {
    return (4 - length % 4) % 4;
}

}  // namespace

std::optional<int32_t> FindXSettingsInteger(std::span<const uint8_t> data, std::string_view name) {
    SettingsReader reader(data);
    std::optional<uint8_t> order = reader.Byte();
    if (!order || !reader.SetByteOrder(*order) || !reader.Skip(3) || !reader.Card(4)) {
        return std::nullopt;
    }
    std::optional<uint32_t> count = reader.Card(4);
    if (!count) {
        return std::nullopt;
    }
    for (uint32_t setting = 0; setting < *count; ++setting) {
        std::optional<uint8_t> type = reader.Byte();
        std::optional<uint32_t> nameLength = reader.Skip(1) ? reader.Card(2) : std::nullopt;
        if (!type || !nameLength) {
            return std::nullopt;
        }
        std::optional<std::string_view> settingName = reader.Text(*nameLength);
        if (!settingName || !reader.Skip(Padding(*nameLength)) || !reader.Card(4)) {
            return std::nullopt;
        }
        switch (static_cast<SettingType>(*type)) {
            case SettingType::Integer: {
                std::optional<uint32_t> value = reader.Card(4);
                if (!value) {
                    return std::nullopt;
                }
                if (*settingName == name) {
                    return static_cast<int32_t>(*value);
                }
                break;
            }
            case SettingType::String: {
                std::optional<uint32_t> length = reader.Card(4);
                if (!length || !reader.Skip(*length) || !reader.Skip(Padding(*length))) {
                    return std::nullopt;
                }
                break;
            }
            case SettingType::Color:
                if (!reader.Skip(8)) {
                    return std::nullopt;
                }
                break;
            default:
                return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<int32_t> DesktopDoubleClickTime() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return std::nullopt;
    }
    std::optional<int32_t> result;
    XErrorHandler previousHandler = XSetErrorHandler(IgnoreXError);
    std::string selection = "_XSETTINGS_S" + std::to_string(DefaultScreen(display));
    Window manager = XGetSelectionOwner(display, XInternAtom(display, selection.c_str(), False));
    if (manager != None) {
        Atom settingsAtom = XInternAtom(display, "_XSETTINGS_SETTINGS", False);
        Atom type = None;
        int format = 0;
        unsigned long items = 0;
        unsigned long remaining = 0;
        unsigned char* bytes = nullptr;
        if (XGetWindowProperty(display, manager, settingsAtom, 0, 64 * 1024, False, settingsAtom,
                               &type, &format, &items, &remaining, &bytes) == Success &&
            bytes != nullptr) {
            if (type == settingsAtom && format == 8) {
                result = FindXSettingsInteger(std::span<const uint8_t>(bytes, items),
                                              "Net/DoubleClickTime");
            }
            XFree(bytes);
        }
    }
    XSync(display, False);
    XSetErrorHandler(previousHandler);
    XCloseDisplay(display);
    return result;
}

}  // namespace layer::host
