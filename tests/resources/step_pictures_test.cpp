// The step pictures of the manual duplex instructions, as the dialog finds
// them: bitmap resources of the built module, 155 x 100 pixels, 4 bits per
// pixel, 16 palette colours.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "support/test_paths.h"

namespace {

struct PictureId {
    WORD number;          // 0 for a named picture
    const wchar_t* name;  // the name, or the number as text
};

const PictureId kPictures[] = {
    {105, L"105"}, {106, L"106"}, {108, L"108"}, {109, L"109"}, {110, L"110"}, {111, L"111"},
    {112, L"112"}, {113, L"113"}, {114, L"114"}, {115, L"115"}, {116, L"116"}, {117, L"117"},
    {118, L"118"}, {119, L"119"}, {120, L"120"}, {121, L"121"}, {122, L"122"}, {123, L"123"},
    {133, L"133"}, {134, L"134"}, {146, L"146"}, {147, L"147"}, {149, L"149"}, {151, L"151"},
    {152, L"152"}, {153, L"153"}, {154, L"154"}, {155, L"155"}, {161, L"161"}, {163, L"163"},
    {164, L"164"},
    {0, L"IDB_BITMAP3"}, {0, L"IDB_BITMAP31"}, {0, L"IDB_BITMAP32"},
    {0, L"IDB_BITMAP33"}, {0, L"IDB_BITMAP34"}, {0, L"IDB_BITMAP36"},
};

void PrintTo(const PictureId& id, std::ostream* os) {
    for (const wchar_t* c = id.name; *c; ++c) *os << static_cast<char>(*c);
}

LPCWSTR ResourceName(const PictureId& id) { return id.number ? MAKEINTRESOURCEW(id.number) : id.name; }

const LONG kWidth = 155, kHeight = 100;
const DWORD kStride = 80;  // 155 nibbles padded to a multiple of four bytes
const DWORD kPaletteSize = 16 * sizeof(RGBQUAD);

// Windows' default 16 colours, the only ones the pictures use, in the order
// their palettes list them.
const COLORREF kColours[16] = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

HMODULE g_module = 0;

class StepPictureModule : public ::testing::Environment {
public:
    void SetUp() override { g_module = LoadLibraryW(TestBinPath(L"evdlgx42.dll").c_str()); }
    void TearDown() override {
        if (g_module) FreeLibrary(g_module);
    }
};

const ::testing::Environment* const kModule = ::testing::AddGlobalTestEnvironment(new StepPictureModule);

// The resource's bytes: header, palette, rows.
std::vector<BYTE> ResourceBytes(const PictureId& id) {
    HRSRC found = FindResourceW(g_module, ResourceName(id), MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    if (!found) return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(g_module, found)));
    if (!data) return {};
    return std::vector<BYTE>(data, data + SizeofResource(g_module, found));
}

class StepPicture : public ::testing::TestWithParam<PictureId> {};

TEST_P(StepPicture, IsAnUncompressed155By100BitmapWithTheSixteenColours) {
    ASSERT_NE(nullptr, g_module) << "evdlgx42.dll did not load";
    std::vector<BYTE> bytes = ResourceBytes(GetParam());
    ASSERT_FALSE(bytes.empty()) << "no bitmap resource";
    ASSERT_EQ(sizeof(BITMAPINFOHEADER) + kPaletteSize + kStride * kHeight, bytes.size());

    BITMAPINFOHEADER header;
    std::memcpy(&header, bytes.data(), sizeof header);
    EXPECT_EQ(sizeof(BITMAPINFOHEADER), header.biSize);
    EXPECT_EQ(kWidth, header.biWidth);
    EXPECT_EQ(kHeight, header.biHeight);  // positive: rows bottom-up
    EXPECT_EQ(1, header.biPlanes);
    EXPECT_EQ(4, header.biBitCount);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), header.biCompression);
    EXPECT_EQ(16u, header.biClrUsed ? header.biClrUsed : 16u);

    const RGBQUAD* palette = reinterpret_cast<const RGBQUAD*>(bytes.data() + sizeof header);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(kColours[i], RGB(palette[i].rgbRed, palette[i].rgbGreen, palette[i].rgbBlue)) << "palette entry " << i;
}

// LoadBitmapW, as the dialog calls it, gives the very pixels the resource
// holds, and they show something.
TEST_P(StepPicture, LoadsWithTheResourcePixels) {
    ASSERT_NE(nullptr, g_module) << "evdlgx42.dll did not load";
    std::vector<BYTE> bytes = ResourceBytes(GetParam());
    ASSERT_EQ(sizeof(BITMAPINFOHEADER) + kPaletteSize + kStride * kHeight, bytes.size());

    SetLastError(0xdeadbeef);
    HBITMAP bitmap = LoadBitmapW(g_module, ResourceName(GetParam()));
    ASSERT_NE(nullptr, bitmap) << "LoadBitmapW failed, error " << GetLastError();
    BITMAP info = {};
    ASSERT_EQ(static_cast<int>(sizeof info), GetObjectW(bitmap, sizeof info, &info));
    EXPECT_EQ(kWidth, info.bmWidth);
    EXPECT_EQ(kHeight, info.bmHeight);

    BITMAPINFO readBack = {};
    readBack.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    readBack.bmiHeader.biWidth = kWidth;
    readBack.bmiHeader.biHeight = -kHeight;  // top-down
    readBack.bmiHeader.biPlanes = 1;
    readBack.bmiHeader.biBitCount = 32;
    readBack.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(kWidth * kHeight);
    HDC screen = GetDC(0);
    int rows = GetDIBits(screen, bitmap, 0, kHeight, pixels.data(), &readBack, DIB_RGB_COLORS);
    ReleaseDC(0, screen);
    DeleteObject(bitmap);
    ASSERT_EQ(kHeight, rows);

    const BYTE* bits = bytes.data() + sizeof(BITMAPINFOHEADER) + kPaletteSize;
    std::set<COLORREF> used;
    int wrong = 0;
    for (LONG y = 0; y < kHeight; ++y) {
        const BYTE* row = bits + (kHeight - 1 - y) * kStride;
        for (LONG x = 0; x < kWidth; ++x) {
            int index = (x % 2 == 0) ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
            DWORD p = pixels[y * kWidth + x];
            COLORREF got = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
            if (got != kColours[index] && wrong++ < 3)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << got << ", not " << kColours[index];
            used.insert(got);
        }
    }
    EXPECT_EQ(0, wrong) << "pixels differ from the resource";
    EXPECT_GE(used.size(), 5u) << "hardly a picture";
}

INSTANTIATE_TEST_SUITE_P(All, StepPicture, ::testing::ValuesIn(kPictures),
                         [](const ::testing::TestParamInfo<PictureId>& info) {
                             std::string name;
                             for (const wchar_t* c = info.param.name; *c; ++c) name += static_cast<char>(*c);
                             return name;
                         });

BOOL CALLBACK CollectName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR names) {
    reinterpret_cast<std::set<std::wstring>*>(names)->insert(
        IS_INTRESOURCE(name) ? std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : std::wstring(name));
    return TRUE;
}

TEST(StepPictureSet, TheModuleHoldsTheseBitmapsAndNoOthers) {
    ASSERT_NE(nullptr, g_module);
    std::set<std::wstring> found, expected;
    for (const PictureId& id : kPictures) expected.insert(id.name);
    ASSERT_TRUE(EnumResourceNamesW(g_module, MAKEINTRESOURCEW(2) /* RT_BITMAP */, CollectName,
                                   reinterpret_cast<LONG_PTR>(&found)));
    EXPECT_TRUE(found == expected) << "the module holds " << found.size() << " bitmaps";
    for (const std::wstring& name : expected)
        EXPECT_TRUE(found.count(name)) << "missing: " << std::string(name.begin(), name.end());
    for (const std::wstring& name : found)
        EXPECT_TRUE(expected.count(name)) << "unexpected: " << std::string(name.begin(), name.end());
}

// A resource line naming the wrong file would show one picture under two ids.
TEST(StepPictureSet, EveryIdShowsItsOwnPicture) {
    ASSERT_NE(nullptr, g_module);
    std::vector<std::vector<BYTE>> pictures;
    for (const PictureId& id : kPictures) pictures.push_back(ResourceBytes(id));
    for (size_t i = 0; i < pictures.size(); ++i) {
        if (pictures[i].empty()) continue;
        for (size_t j = i + 1; j < pictures.size(); ++j) {
            EXPECT_TRUE(pictures[i] != pictures[j]) << "the same picture under two ids, entries " << i << " and " << j;
        }
    }
}

}  // namespace
