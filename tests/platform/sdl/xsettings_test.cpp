// Reading the desktop's XSETTINGS data: the integer found among settings of every type, in both
// byte orders, and malformed or truncated data refused without reading past its end.
#include "platform/host/sdl/xsettings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace layer::host {
namespace {

// Builds settings data the way a settings manager lays it out.
class SettingsBuilder {
  public:
    explicit SettingsBuilder(bool bigEndian) : bigEndian_(bigEndian) {
        bytes_ = {static_cast<uint8_t>(bigEndian ? 1 : 0), 0, 0, 0};
        Card(4, 7);  // serial
        Card(4, 0);  // number of settings, filled in by Data()
    }
    SettingsBuilder& Integer(const std::string& name, uint32_t value) {
        Header(0, name);
        Card(4, value);
        return *this;
    }
    SettingsBuilder& String(const std::string& name, const std::string& value) {
        Header(1, name);
        Card(4, static_cast<uint32_t>(value.size()));
        Padded(value);
        return *this;
    }
    SettingsBuilder& Color(const std::string& name) {
        Header(2, name);
        for (int channel = 0; channel < 4; ++channel) {
            Card(2, 0xFFFF);
        }
        return *this;
    }
    std::vector<uint8_t> Data() const {
        std::vector<uint8_t> data = bytes_;
        for (int i = 0; i < 4; ++i) {
            int shift = bigEndian_ ? 8 * (3 - i) : 8 * i;
            data[8 + i] = static_cast<uint8_t>(count_ >> shift);
        }
        return data;
    }

  private:
    void Header(uint8_t type, const std::string& name) {
        ++count_;
        bytes_.push_back(type);
        bytes_.push_back(0);
        Card(2, static_cast<uint32_t>(name.size()));
        Padded(name);
        Card(4, 3);  // last-change serial
    }
    void Padded(const std::string& text) {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        while (bytes_.size() % 4 != 0) {
            bytes_.push_back(0);
        }
    }
    void Card(int size, uint32_t value) {
        for (int i = 0; i < size; ++i) {
            int shift = bigEndian_ ? 8 * (size - 1 - i) : 8 * i;
            bytes_.push_back(static_cast<uint8_t>(value >> shift));
        }
    }

    bool bigEndian_;
    uint32_t count_ = 0;
    std::vector<uint8_t> bytes_;
};

std::vector<uint8_t> DesktopSettings(bool bigEndian) {
    return SettingsBuilder(bigEndian)
        .String("Net/ThemeName", "Adwaita")
        .Color("Gtk/Colour")
        .Integer("Net/CursorBlinkTime", 1200)
        .Integer("Net/DoubleClickTime", 400)
        .String("Gtk/FontName", "Sans 10")
        .Data();
}

TEST(XSettings, FindsTheIntegerAmongSettingsOfEveryTypeInBothByteOrders) {
    for (bool bigEndian : {false, true}) {
        std::vector<uint8_t> data = DesktopSettings(bigEndian);
        EXPECT_EQ(std::optional<int32_t>(400), FindXSettingsInteger(data, "Net/DoubleClickTime"))
            << (bigEndian ? "big-endian" : "little-endian");
        EXPECT_EQ(std::optional<int32_t>(1200), FindXSettingsInteger(data, "Net/CursorBlinkTime"));
        EXPECT_EQ(std::nullopt, FindXSettingsInteger(data, "Net/ThemeName")) << "not an integer";
        EXPECT_EQ(std::nullopt, FindXSettingsInteger(data, "Net/DoubleClick")) << "a prefix";
    }
}

TEST(XSettings, TruncatedDataNeverGivesAValue) {
    std::vector<uint8_t> data = DesktopSettings(false);
    // Every cut before the value's last byte must fail; the buffer is exactly the cut, so ASan
    // catches any read beyond it.
    std::vector<uint8_t> fullValueEnd = SettingsBuilder(false)
                                            .String("Net/ThemeName", "Adwaita")
                                            .Color("Gtk/Colour")
                                            .Integer("Net/CursorBlinkTime", 1200)
                                            .Integer("Net/DoubleClickTime", 400)
                                            .Data();
    for (size_t length = 0; length < data.size(); ++length) {
        std::vector<uint8_t> cut(data.begin(), data.begin() + static_cast<ptrdiff_t>(length));
        std::optional<int32_t> found = FindXSettingsInteger(cut, "Net/DoubleClickTime");
        if (length < fullValueEnd.size()) {
            EXPECT_EQ(std::nullopt, found) << "cut at " << length;
        } else {
            EXPECT_EQ(std::optional<int32_t>(400), found) << "cut at " << length;
        }
    }
}

TEST(XSettings, MalformedDataIsRefused) {
    std::vector<uint8_t> badOrder = DesktopSettings(false);
    badOrder[0] = 7;
    EXPECT_EQ(std::nullopt, FindXSettingsInteger(badOrder, "Net/DoubleClickTime"));

    std::vector<uint8_t> badType =
        SettingsBuilder(false).Integer("Net/DoubleClickTime", 400).Data();
    badType[12] = 9;
    EXPECT_EQ(std::nullopt, FindXSettingsInteger(badType, "Net/DoubleClickTime"));

    // A string that claims to be longer than the data, before the setting asked for.
    std::vector<uint8_t> longString = SettingsBuilder(false)
                                          .String("Net/ThemeName", "Adwaita")
                                          .Integer("Net/DoubleClickTime", 400)
                                          .Data();
    longString[12 + 4 + 16 + 4] = 0xFF;
    longString[12 + 4 + 16 + 4 + 3] = 0x7F;
    EXPECT_EQ(std::nullopt, FindXSettingsInteger(longString, "Net/DoubleClickTime"));

    // More settings announced than present.
    std::vector<uint8_t> shortCount = SettingsBuilder(false).Integer("Other", 1).Data();
    shortCount[8] = 200;
    EXPECT_EQ(std::nullopt, FindXSettingsInteger(shortCount, "Net/DoubleClickTime"));
}

}  // namespace
}  // namespace layer::host
