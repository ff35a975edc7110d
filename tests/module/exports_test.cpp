// The built DLL, loaded as a driver module loads it: every entry by name and
// by its ordinal.

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "support/test_paths.h"

namespace {

struct ExportCase {
    const char* name;
    WORD ordinal;
};

const ExportCase kExports[] = {
    {"EvtDlgAsyncUIEntryPointJobStorage", 1},
    {"EvtDlgAsyncUIEntryPointJobUI", 2},
    {"EvtDlgAsyncUIEntryPointManualDuplexModal", 3},
    {"EvtDlgAsyncUIEntryPointManualDuplexModeless", 4},
    {"EvtDlgAsyncUIEntryPointPrintPreview", 5},
    {"EvtDlgAsyncUIEntryPointPrintPreviewICD", 6},
    {"IShowWarningDialog", 7},
    {"VDisplayDialog", 8},
    {"VJobStorageDialog", 9},
};

class ExportedEntries : public ::testing::TestWithParam<ExportCase> {
protected:
    static void SetUpTestSuite() { module_ = LoadLibraryW(TestBinPath(L"evdlgx42.dll").c_str()); }
    static void TearDownTestSuite() {
        if (module_) FreeLibrary(module_);
    }
    static HMODULE module_;
};
HMODULE ExportedEntries::module_ = 0;

TEST_P(ExportedEntries, ByNameAndByOrdinalAreTheSameFunction) {
    ASSERT_NE(nullptr, module_) << "LoadLibrary failed, error " << GetLastError();
    FARPROC byName = GetProcAddress(module_, GetParam().name);
    FARPROC byOrdinal = GetProcAddress(module_, MAKEINTRESOURCEA(GetParam().ordinal));
    ASSERT_NE(nullptr, byName);
    EXPECT_EQ(byName, byOrdinal);
}

INSTANTIATE_TEST_SUITE_P(AllNine, ExportedEntries, ::testing::ValuesIn(kExports),
                         [](const ::testing::TestParamInfo<ExportCase>& info) { return std::string(info.param.name); });

TEST(ExportedSurface, NoTenthOrdinalAndNoDecoratedName) {
    HMODULE module = LoadLibraryW(TestBinPath(L"evdlgx42.dll").c_str());
    ASSERT_NE(nullptr, module);
    EXPECT_EQ(nullptr, GetProcAddress(module, MAKEINTRESOURCEA(10)));
    EXPECT_EQ(nullptr, GetProcAddress(module, "_VJobStorageDialog@2712"));
    EXPECT_EQ(nullptr, GetProcAddress(module, "VJobStorageDialog@2712"));
    FreeLibrary(module);
}

TEST(ExportedSurface, VersionInformationNamesTheModule) {
    std::wstring path = TestBinPath(L"evdlgx42.dll");
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_NE(0u, size);
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, info.data()));
    wchar_t* name = 0;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\040904B0\\OriginalFilename",
                               reinterpret_cast<void**>(&name), &length));
    EXPECT_STREQ(L"evdlgx42.dll", name);
}

}  // namespace
