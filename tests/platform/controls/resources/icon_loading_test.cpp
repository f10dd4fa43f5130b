// Loading icons: the best-fitting image of an embedded or file .ico at the size asked for, the
// decodable depths, damaged files refused, shared icons, stale handles, the system icons and the
// resource functions over the embedded icon.
#include <gtest/gtest.h>

#include <cstdio>

#include "ico_builder.h"
#include "platform/kernel/embedded_resources.h"
#include "platform/user/icons/icon_table.h"
#include "platform/win32.h"

using layer::user::IconImage;
using layer::user::IconTable;
using resources_testing::BuildIco;
using resources_testing::QuarterCutImage;
using resources_testing::TestImage;

namespace {

constexpr uint32_t kRed = 0xFFFF0000;
constexpr uint32_t kGreen = 0xFF00FF00;
constexpr uint32_t kBlue = 0xFF0000FF;

// 16 x 16 red, 32 x 32 green and 48 x 48 blue, each with a transparent top-left quarter.
const std::vector<uint8_t>& ThreeSizes() {
    static const std::vector<uint8_t> bytes =
        BuildIco({QuarterCutImage(16, 4, kRed), QuarterCutImage(32, 4, kGreen),
                  QuarterCutImage(48, 4, kBlue)});
    return bytes;
}

struct Registrar {
    Registrar() {
        layer::kernel::RegisterEmbeddedResource(
            {"TEST_ICON", ThreeSizes().data(), ThreeSizes().size()});
    }
} registrar;

const IconImage& Pixels(HANDLE icon) {
    const IconImage* image = IconTable::Instance().Find(static_cast<HICON>(icon));
    EXPECT_NE(nullptr, image);
    static const IconImage none;
    return image != nullptr ? *image : none;
}

HINSTANCE Module() {
    return GetModuleHandleA(nullptr);
}

struct SizeCase {
    int asked;
    UINT flags;
    int expectedSize;
    uint32_t expectedColour;
};

TEST(IconLoading, PicksTheExactSizeElseTheNearestAndScalesToTheAskedSize) {
    const SizeCase cases[] = {
        {16, 0, 16, kRed},  {32, 0, 32, kGreen},
        {48, 0, 48, kBlue}, {20, 0, 20, kRed},
        {40, 0, 40, kBlue}, {64, 0, 64, kBlue},
        {0, 0, 32, kGreen}, {0, LR_DEFAULTSIZE, 32, kGreen},
    };
    for (const SizeCase& test : cases) {
        HANDLE icon =
            LoadImageA(Module(), "test_icon", IMAGE_ICON, test.asked, test.asked, test.flags);
        ASSERT_NE(nullptr, icon) << "size " << test.asked << ", error " << GetLastError();
        const IconImage& image = Pixels(icon);
        EXPECT_EQ(test.expectedSize, image.width) << "asked " << test.asked;
        EXPECT_EQ(test.expectedSize, image.height) << "asked " << test.asked;
        const int last = image.width - 1;
        EXPECT_EQ(test.expectedColour, image.At(last, last)) << "asked " << test.asked;
        EXPECT_EQ(0u, image.At(0, 0) >> 24) << "asked " << test.asked << ": corner not transparent";
        EXPECT_TRUE(DestroyIcon(static_cast<HICON>(icon)));
    }
}

TEST(IconLoading, TheProgramIconIsEmbeddedWithItsThreeSizes) {
    // This executable embeds the program's own .ico through the build's embedding function.
    for (int size : {16, 32, 48}) {
        HICON icon =
            static_cast<HICON>(LoadImageA(Module(), "DEFAULT_ICON", IMAGE_ICON, size, size, 0));
        ASSERT_NE(nullptr, icon) << "size " << size << ", error " << GetLastError();
        const IconImage& image = Pixels(icon);
        EXPECT_EQ(size, image.width);
        size_t opaque = 0;
        for (uint32_t pixel : image.argb) {
            opaque += (pixel >> 24) == 0xFF;
        }
        EXPECT_GT(opaque, image.argb.size() / 4) << "size " << size << ": mostly transparent";
        EXPECT_TRUE(DestroyIcon(icon));
    }
}

TEST(IconLoading, DecodesOneFourEightAndThirtyTwoBitImages) {
    TestImage oneBit = QuarterCutImage(32, 1, 0xFFFFFFFF);
    TestImage eightBit = QuarterCutImage(32, 8, 0xFF123456);
    TestImage alpha{2, 1, 32, {0x80FF0000, 0xFF00FF00}};
    const struct {
        const char* name;
        TestImage image;
        uint32_t bottomRight;
    } cases[] = {{"1 bit", oneBit, 0xFFFFFFFF},
                 {"4 bit", QuarterCutImage(32, 4, 0xFF808000), 0xFF808000},
                 {"8 bit", eightBit, 0xFF123456},
                 {"32 bit with alpha", alpha, 0xFF00FF00}};
    for (const auto& test : cases) {
        const std::string path =
            resources_testing::WriteTemporaryFile("decode.ico", BuildIco({test.image}));
        HICON icon = static_cast<HICON>(
            LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
        ASSERT_NE(nullptr, icon) << test.name << ": error " << GetLastError();
        const IconImage& image = Pixels(icon);
        EXPECT_EQ(test.bottomRight, image.At(image.width - 1, image.height - 1)) << test.name;
        if (test.image.bitCount == 32) {
            EXPECT_EQ(0x80FF0000u, image.At(0, 0)) << test.name << ": alpha kept";
        } else {
            EXPECT_EQ(0u, image.At(0, 0)) << test.name << ": masked pixel";
        }
        DestroyIcon(icon);
    }
}

TEST(IconLoading, SkipsPngImagesAndRefusesDamagedFiles) {
    TestImage png = QuarterCutImage(32, 4, kRed);
    png.png = true;
    const std::string mixed = resources_testing::WriteTemporaryFile(
        "mixed.ico", BuildIco({png, QuarterCutImage(16, 4, kBlue)}));
    HICON icon =
        static_cast<HICON>(LoadImageA(nullptr, mixed.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE));
    ASSERT_NE(nullptr, icon) << "the 16 x 16 image should stand in for the PNG one";
    EXPECT_EQ(kBlue, Pixels(icon).At(31, 31));
    DestroyIcon(icon);

    std::vector<uint8_t> good = BuildIco({QuarterCutImage(32, 4, kRed)});
    std::vector<std::vector<uint8_t>> damaged;
    damaged.push_back({good.begin(), good.begin() + 200});  // cut inside the image
    damaged.push_back({good.begin(), good.begin() + 10});   // cut inside the directory
    damaged.push_back(good);
    damaged.back()[21] = 0x7F;  // offset beyond the end
    damaged.push_back(good);
    damaged.back()[22 + 4] = 64;  // wider than its bytes
    damaged.push_back(good);
    damaged.back()[22 + 14] = 3;  // 3 bits per pixel
    damaged.push_back(good);
    damaged.back()[22 + 8] = 0x41;       // odd doubled height
    damaged.push_back(BuildIco({png}));  // only PNG
    for (size_t index = 0; index < damaged.size(); ++index) {
        const std::string path =
            resources_testing::WriteTemporaryFile("damaged.ico", damaged[index]);
        SetLastError(0);
        EXPECT_EQ(nullptr, LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 32, 32, LR_LOADFROMFILE))
            << "damaged file " << index;
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_DATA), GetLastError())
            << "damaged file " << index;
    }
}

TEST(IconLoading, FailuresSayWhy) {
    const struct {
        const char* name;
        HINSTANCE instance;
        LPCSTR resource;
        UINT type;
        int size;
        DWORD error;
    } cases[] = {
        {"unknown name", Module(), "NO_SUCH_ICON", IMAGE_ICON, 32, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"unknown system icon", nullptr, MAKEINTRESOURCEA(1), IMAGE_ICON, 32,
         ERROR_RESOURCE_NAME_NOT_FOUND},
        {"named system icon", nullptr, "TEST_ICON", IMAGE_ICON, 32, ERROR_RESOURCE_NAME_NOT_FOUND},
        {"other module", reinterpret_cast<HINSTANCE>(0x1234), "TEST_ICON", IMAGE_ICON, 32,
         ERROR_RESOURCE_DATA_NOT_FOUND},
        {"no bitmaps", Module(), "TEST_ICON", IMAGE_BITMAP, 32, ERROR_RESOURCE_TYPE_NOT_FOUND},
        {"unknown type", Module(), "TEST_ICON", 7, 32, ERROR_INVALID_PARAMETER},
        {"negative size", Module(), "TEST_ICON", IMAGE_ICON, -1, ERROR_INVALID_PARAMETER},
        {"huge size", Module(), "TEST_ICON", IMAGE_ICON, 100000, ERROR_INVALID_PARAMETER},
        {"null name", Module(), nullptr, IMAGE_ICON, 32, ERROR_INVALID_PARAMETER},
    };
    for (const auto& test : cases) {
        SetLastError(0);
        EXPECT_EQ(nullptr,
                  LoadImageA(test.instance, test.resource, test.type, test.size, test.size, 0))
            << test.name;
        EXPECT_EQ(test.error, GetLastError()) << test.name;
    }
    SetLastError(0);
    EXPECT_EQ(nullptr, LoadImageA(nullptr, "/no/such/file.ico", IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
}

TEST(IconLoading, StaleHandlesFailAndSharedIconsSurviveDestroyIcon) {
    HICON own = static_cast<HICON>(LoadImageA(Module(), "TEST_ICON", IMAGE_ICON, 16, 16, 0));
    HICON copy = CopyIcon(own);
    ASSERT_NE(nullptr, copy);
    EXPECT_NE(own, copy);
    EXPECT_TRUE(DestroyIcon(own));
    for (HICON stale : {own, static_cast<HICON>(nullptr), reinterpret_cast<HICON>(0x5555)}) {
        SetLastError(0);
        EXPECT_FALSE(DestroyIcon(stale));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_CURSOR_HANDLE), GetLastError());
        SetLastError(0);
        EXPECT_EQ(nullptr, CopyIcon(stale));
        EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_CURSOR_HANDLE), GetLastError());
    }
    EXPECT_EQ(kRed, Pixels(copy).At(15, 15)) << "the copy outlives the original";
    EXPECT_TRUE(DestroyIcon(copy));

    HICON shared = LoadIconA(Module(), "TEST_ICON");
    ASSERT_NE(nullptr, shared);
    EXPECT_EQ(shared, LoadIconA(Module(), "TEST_ICON")) << "shared icons load once";
    EXPECT_EQ(shared, LoadImageA(Module(), "TEST_ICON", IMAGE_ICON, 32, 32, LR_SHARED));
    EXPECT_TRUE(DestroyIcon(shared));
    EXPECT_NE(nullptr, IconTable::Instance().Find(shared)) << "a shared icon stays alive";
    EXPECT_EQ(kGreen, Pixels(shared).At(31, 31));
}

TEST(SystemIcons, EachHasItsOwnArtworkAtTheSystemIconSize) {
    const struct {
        LPCSTR id;
        LPCSTR alias;
        uint32_t centreHue;  // the channel that dominates near the middle: 0 red, 1 green, 2 blue
    } cases[] = {{IDI_ERROR, IDI_HAND, 0},
                 {IDI_WARNING, IDI_EXCLAMATION, 0},
                 {IDI_INFORMATION, IDI_ASTERISK, 2},
                 {IDI_QUESTION, IDI_QUESTION, 2},
                 {IDI_APPLICATION, IDI_APPLICATION, 2}};
    std::vector<std::vector<uint32_t>> seen;
    for (const auto& test : cases) {
        HICON icon = LoadIconA(nullptr, test.id);
        ASSERT_NE(nullptr, icon) << reinterpret_cast<uintptr_t>(test.id);
        EXPECT_EQ(icon, LoadIconA(nullptr, test.alias));
        const IconImage& image = Pixels(icon);
        EXPECT_EQ(GetSystemMetrics(SM_CXICON), image.width);
        EXPECT_EQ(0u, image.At(0, image.height - 1) >> 24) << "corners are transparent";
        EXPECT_EQ(0xFFu, image.At(image.width / 2, image.height * 3 / 4) >> 24);
        for (const auto& other : seen) {
            EXPECT_NE(other, image.argb) << "two system icons look the same";
        }
        seen.push_back(image.argb);
        HICON small = static_cast<HICON>(LoadImageA(nullptr, test.id, IMAGE_ICON, 16, 16, 0));
        ASSERT_NE(nullptr, small);
        EXPECT_EQ(16, Pixels(small).width);
        EXPECT_TRUE(DestroyIcon(small));
    }
}

TEST(ResourceFunctions, TheEmbeddedIconIsAGroupOfNumberedImages) {
    HRSRC group = FindResourceA(nullptr, "Test_Icon", RT_GROUP_ICON);
    ASSERT_NE(nullptr, group) << GetLastError();
    const auto* directory = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, group)));
    ASSERT_NE(nullptr, directory);
    ASSERT_EQ(6u + 3 * 14, SizeofResource(nullptr, group));
    EXPECT_EQ(3, directory[4]);
    // The 32 x 32 entry names its image by number; that image is the file's DIB.
    const uint8_t* entry = directory + 6 + 14;
    EXPECT_EQ(32, entry[0]);
    const WORD id = static_cast<WORD>(entry[12] | entry[13] << 8);
    HRSRC image = FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), RT_ICON);
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(static_cast<DWORD>(entry[8] | entry[9] << 8), SizeofResource(nullptr, image));
    const auto* dib = static_cast<const uint8_t*>(LockResource(LoadResource(nullptr, image)));
    EXPECT_EQ(32, dib[4]);
    EXPECT_EQ(64, dib[8]) << "the doubled height of colour image and mask";

    SetLastError(0);
    EXPECT_EQ(nullptr, FindResourceA(nullptr, "NO_SUCH", RT_GROUP_ICON));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND), GetLastError());
    SetLastError(0);
    EXPECT_EQ(nullptr, FindResourceA(nullptr, "TEST_ICON", RT_DIALOG));
    EXPECT_EQ(static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND), GetLastError());
    SetLastError(0);
    EXPECT_EQ(0u, SizeofResource(nullptr, reinterpret_cast<HRSRC>(0x77)));
    EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
    EXPECT_EQ(nullptr, LoadResource(nullptr, nullptr));
}

}  // namespace
