#include "support/interface_language.h"

#include <gtest/gtest.h>
#include <windows.h>

bool InterfaceReadsRightToLeft() {
    WORD primary = PRIMARYLANGID(GetUserDefaultUILanguage());
    bool rightToLeft = primary == LANG_ARABIC || primary == LANG_HEBREW;
    if (GetEnvironmentVariableW(L"EVDLG_EXPECT_RIGHT_TO_LEFT", nullptr, 0) != 0) {
        EXPECT_TRUE(rightToLeft) << "interface language " << std::hex << GetUserDefaultUILanguage();
    }
    return rightToLeft;
}
