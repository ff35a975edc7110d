// The driver data object: driver information, the path beside the driver and
// the release rules of its module handles.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "driverdata/driver_data.h"
#include "support/fake_spooler.h"
#include "support/test_paths.h"

namespace {

const wchar_t kPrinter[] = L"Orvantel Office 4200";

class DriverDataTest : public ::testing::Test {
protected:
    void SetUp() override { FakeSpooler().Reset(); }
    void TearDown() override {
        if (printer_ != 0) ClosePrinter(printer_);
        EXPECT_EQ(0, FakeSpooler().OpenHandleCount()) << "a printer handle was left open";
    }

    HANDLE OpenWithDriver(const std::wstring& driverPath, DWORD flags = kFakePrinterNormal) {
        FakeSpooler().AddPrinter(kPrinter, driverPath.c_str(), flags);
        EXPECT_TRUE(OpenPrinterW(const_cast<wchar_t*>(kPrinter), &printer_, 0));
        return printer_;
    }

    HANDLE printer_ = 0;
    DriverData data_;
};

struct PathCase {
    const char* name;
    std::wstring driverPath;
    const wchar_t* moduleName;
    bool found;
    std::wstring expected;
};

class PathBesideDriver : public DriverDataTest, public ::testing::WithParamInterface<PathCase> {};

TEST_P(PathBesideDriver, BuildsTheWholePathOrNothing) {
    const PathCase& c = GetParam();
    HANDLE printer = OpenWithDriver(c.driverPath);
    wchar_t* const untouched = reinterpret_cast<wchar_t*>(0x1234);
    wchar_t* path = untouched;

    BOOL result = data_.BGetPathBesideDriver(printer, &path, c.moduleName);

    if (!c.found) {
        EXPECT_FALSE(result);
        EXPECT_EQ(untouched, path);
        return;
    }
    ASSERT_TRUE(result);
    EXPECT_EQ(c.expected, std::wstring(path));
    LocalFree(path);
}

const std::wstring kLongDirectory = L"C:\\" + std::wstring(296, L'd');  // 299 characters
const std::wstring kDirectory250 = L"C:\\" + std::wstring(247, L'd');   // 250 characters

INSTANTIATE_TEST_SUITE_P(
    DriverPathShapes, PathBesideDriver,
    ::testing::Values(
        PathCase{"usual", L"C:\\drivers\\x86\\3\\orvdrv.dll", L"PVIEW5KQ.DLL", true,
                 L"C:\\drivers\\x86\\3\\PVIEW5KQ.DLL"},
        PathCase{"directory_alone", L"C:\\drivers\\x86\\3\\orvdrv.dll", nullptr, true, L"C:\\drivers\\x86\\3"},
        PathCase{"drive_root", L"C:\\orvdrv.dll", L"PVIEW5KQ.DLL", true, L"C:\\PVIEW5KQ.DLL"},
        PathCase{"drive_root_directory", L"C:\\orvdrv.dll", nullptr, true, L"C:"},
        PathCase{"unc", L"\\\\server\\print$\\orvdrv.dll", L"x.dll", true, L"\\\\server\\print$\\x.dll"},
        PathCase{"no_backslash", L"orvdrv.dll", L"PVIEW5KQ.DLL", false, L""},
        PathCase{"empty", L"", L"PVIEW5KQ.DLL", false, L""},
        PathCase{"backslash_first", L"\\orvdrv.dll", L"PVIEW5KQ.DLL", false, L""},
        PathCase{"backslash_second", L"C\\orvdrv.dll", L"PVIEW5KQ.DLL", false, L""},
        // Directories that leave no room in 255 characters still give the
        // whole path of the module asked for, never a cut file name.
        PathCase{"directory_of_300", kLongDirectory + L"\\orvdrv.dll", L"PVIEW5KQ.DLL", true,
                 kLongDirectory + L"\\PVIEW5KQ.DLL"},
        PathCase{"directory_of_300_alone", kLongDirectory + L"\\orvdrv.dll", nullptr, true, kLongDirectory},
        PathCase{"directory_of_250_name_of_10", kDirectory250 + L"\\orvdrv.dll", L"PVIEW5.DLL", true,
                 kDirectory250 + L"\\PVIEW5.DLL"}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

struct DriverFailureCase {
    const char* name;
    DWORD flags;
};

class DriverInfoFailure : public DriverDataTest, public ::testing::WithParamInterface<DriverFailureCase> {};

TEST_P(DriverInfoFailure, YieldsNoPathAndLeavesTheOutputUntouched) {
    HANDLE printer = OpenWithDriver(L"C:\\drivers\\orvdrv.dll", GetParam().flags);
    wchar_t* const untouched = reinterpret_cast<wchar_t*>(0x1234);
    wchar_t* path = untouched;
    EXPECT_FALSE(data_.BGetPathBesideDriver(printer, &path, L"PVIEW5KQ.DLL"));
    EXPECT_EQ(untouched, path);
}

INSTANTIATE_TEST_SUITE_P(Spooler, DriverInfoFailure,
                         ::testing::Values(DriverFailureCase{"size_query_answers_0", kFakePrinterNoDriverInfo},
                                           DriverFailureCase{"fetch_fails", kFakePrinterDriverInfoFails},
                                           DriverFailureCase{"null_driver_path", kFakePrinterNullDriverPath}),
                         [](const ::testing::TestParamInfo<DriverFailureCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(DriverDataTest, FailedFetchLeavesTheInformationPointerNull) {
    HANDLE printer = OpenWithDriver(L"C:\\drivers\\orvdrv.dll", kFakePrinterDriverInfoFails);
    DRIVER_INFO_3W* info = reinterpret_cast<DRIVER_INFO_3W*>(0x1234);
    EXPECT_FALSE(data_.BGetPrinterDriverInfo(printer, 0, 0, &info));
    EXPECT_EQ(nullptr, info);
}

TEST_F(DriverDataTest, UnknownPrinterHandleYieldsNothing) {
    wchar_t* path = 0;
    EXPECT_FALSE(data_.BGetPathBesideDriver(reinterpret_cast<HANDLE>(0x5150), &path, L"PVIEW5KQ.DLL"));
    EXPECT_EQ(nullptr, path);
}

TEST_F(DriverDataTest, OpensByNameWhenNoHandleIsGivenAndClosesAgain) {
    FakeSpooler().AddPrinter(kPrinter, L"C:\\drivers\\orvdrv.dll", kFakePrinterNormal);
    DRIVER_INFO_3W* info = 0;

    ASSERT_TRUE(data_.BGetPrinterDriverInfo(0, kPrinter, 0, &info));
    EXPECT_STREQ(L"C:\\drivers\\orvdrv.dll", info->pDriverPath);
    LocalFree(info);
    EXPECT_EQ(1, FakeSpooler().CallCount("OpenPrinterW"));
    EXPECT_EQ(1, FakeSpooler().CallCount("ClosePrinter"));
}

TEST_F(DriverDataTest, UnknownPrinterNameLeavesTheInformationPointerUntouched) {
    DRIVER_INFO_3W* const untouched = reinterpret_cast<DRIVER_INFO_3W*>(0x1234);
    DRIVER_INFO_3W* info = untouched;
    EXPECT_FALSE(data_.BGetPrinterDriverInfo(0, L"No Such Printer", 0, &info));
    EXPECT_EQ(untouched, info);
    EXPECT_EQ(0, FakeSpooler().CallCount("GetPrinterDriverW"));
}

TEST_F(DriverDataTest, FailureAfterOpeningByNameStillClosesThePrinter) {
    FakeSpooler().AddPrinter(kPrinter, L"C:\\drivers\\orvdrv.dll", kFakePrinterNoDriverInfo);
    DRIVER_INFO_3W* info = 0;
    EXPECT_FALSE(data_.BGetPrinterDriverInfo(0, kPrinter, 0, &info));
    EXPECT_EQ(1, FakeSpooler().CallCount("ClosePrinter"));
}

bool IsLoaded(const wchar_t* name) { return GetModuleHandleW(name) != 0; }

TEST(DriverDataRelease, OwnedImageModuleIsReleasedWithTheObject) {
    ASSERT_FALSE(IsLoaded(L"empty_module.dll"));
    {
        DriverData data;
        data.hImageModule = LoadLibraryW(TestBinPath(L"empty_module.dll").c_str());
        ASSERT_NE(nullptr, data.hImageModule);
        data.fOwnsImageModule = TRUE;
    }
    EXPECT_FALSE(IsLoaded(L"empty_module.dll"));
}

TEST(DriverDataRelease, ImageModuleNotOwnedAndStringModuleStayLoaded) {
    HMODULE image = LoadLibraryW(TestBinPath(L"empty_module.dll").c_str());
    HMODULE strings = LoadLibraryW(TestBinPath(L"empty_module.dll").c_str());
    {
        DriverData data;
        data.hImageModule = image;
        data.fOwnsImageModule = FALSE;
        data.hStringModule = strings;
    }
    EXPECT_TRUE(IsLoaded(L"empty_module.dll"));
    FreeLibrary(image);
    EXPECT_TRUE(IsLoaded(L"empty_module.dll")) << "the string module reference must still be held";
    FreeLibrary(strings);
    EXPECT_FALSE(IsLoaded(L"empty_module.dll"));
}

}  // namespace
