// The per-user settings store on the real registry: the key path rule, the
// binary value and its byte count, read back from HKEY_CURRENT_USER.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "services/user_setting.h"
#include "support/registry_values.h"

namespace {

const std::wstring kRoot = L"Software\\Orvantel";

// Names of this process only, so that runs never see each other's values.
std::wstring Unique(const wchar_t* stem) { return stem + std::to_wstring(GetCurrentProcessId()); }

struct KeyCase {
    const char* name;
    bool nullSubKey;
    std::wstring subKey;
    std::wstring expectedKey;  // where the value must land, below HKCU
};

class SettingKeys : public ::testing::TestWithParam<KeyCase> {
protected:
    void TearDown() override {
        DeleteRegistryValue(HKEY_CURRENT_USER, kRoot, value_.c_str());
        DeleteRegistryTree(HKEY_CURRENT_USER, kRoot + L"\\" + Unique(L"evdlg-test-"));
        if (!GetParam().subKey.empty()) DeleteRegistryTree(HKEY_CURRENT_USER, kRoot + L"\\" + GetParam().subKey);
    }
    const std::wstring value_ = Unique(L"Setting");
};

TEST_P(SettingKeys, ValueLandsUnderTheKeyTheRuleGives) {
    const KeyCase& c = GetParam();
    const BYTE data[] = {0x5A};
    EXPECT_TRUE(BWriteUserSetting(c.nullSubKey ? nullptr : c.subKey.c_str(), value_.c_str(), data, 1));

    RegistryValue written = ReadRegistryValue(HKEY_CURRENT_USER, c.expectedKey, value_.c_str());
    ASSERT_TRUE(written.found) << "no value under HKCU\\" << std::string(c.expectedKey.begin(), c.expectedKey.end());
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), written.type);
    EXPECT_EQ(std::vector<BYTE>(1, 0x5A), written.bytes);
}

// The key path has room for 260 units: the root, the sub key and 2 more.
const std::wstring kFits = Unique(L"evdlg-test-") + L"-" + std::wstring(240 - Unique(L"evdlg-test-").size() - 1, L'k');
const std::wstring kTooLong = kFits + L"k";

INSTANTIATE_TEST_SUITE_P(
    KeyPathRule, SettingKeys,
    ::testing::Values(KeyCase{"sub_key", false, Unique(L"evdlg-test-"), kRoot + L"\\" + Unique(L"evdlg-test-")},
                      KeyCase{"null_sub_key", true, L"", kRoot},
                      KeyCase{"empty_sub_key", false, L"", kRoot},
                      KeyCase{"missing_parents_created", false, Unique(L"evdlg-test-") + L"\\a\\b",
                              kRoot + L"\\" + Unique(L"evdlg-test-") + L"\\a\\b"},
                      KeyCase{"longest_that_fits", false, kFits, kRoot + L"\\" + kFits},
                      // Not cut to fit: left out, so the value goes under the root.
                      KeyCase{"one_too_long", false, kTooLong, kRoot}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST(SettingValue, SizeGivesTheByteCountWhateverFollows) {
    const std::wstring subKey = Unique(L"evdlg-test-size-");
    const BYTE data[] = {0x00, 0x11, 0x22, 0x33};
    EXPECT_TRUE(BWriteUserSetting(subKey.c_str(), L"ShowJobStorageDlg", data, 1));
    RegistryValue written = ReadRegistryValue(HKEY_CURRENT_USER, kRoot + L"\\" + subKey, L"ShowJobStorageDlg");
    EXPECT_EQ(std::vector<BYTE>(1, 0x00), written.bytes);

    EXPECT_TRUE(BWriteUserSetting(subKey.c_str(), L"ShowJobStorageDlg", data, 4));
    written = ReadRegistryValue(HKEY_CURRENT_USER, kRoot + L"\\" + subKey, L"ShowJobStorageDlg");
    EXPECT_EQ(std::vector<BYTE>(data, data + 4), written.bytes);
    DeleteRegistryTree(HKEY_CURRENT_USER, kRoot + L"\\" + subKey);
}

// A stable key cannot live below a volatile one: the creation fails, and the
// value is written nowhere else instead.
TEST(SettingValue, KeyThatCannotBeCreatedGivesZeroAndNoValue) {
    const std::wstring parent = Unique(L"evdlg-test-volatile-");
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, (kRoot + L"\\" + parent).c_str(), 0, nullptr,
                                             REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegCloseKey(key);

    const std::wstring value = Unique(L"Setting");
    const std::wstring subKey = parent + L"\\stable";
    const BYTE data[] = {1};
    EXPECT_FALSE(BWriteUserSetting(subKey.c_str(), value.c_str(), data, 1));
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, kRoot + L"\\" + subKey));
    EXPECT_FALSE(ReadRegistryValue(HKEY_CURRENT_USER, kRoot, value.c_str()).found);
    EXPECT_FALSE(ReadRegistryValue(HKEY_CURRENT_USER, kRoot + L"\\" + parent, value.c_str()).found);
    DeleteRegistryTree(HKEY_CURRENT_USER, kRoot + L"\\" + parent);
}

}  // namespace
