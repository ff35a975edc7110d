// The job storage notice under the user interface language of the process's
// locale: CTest runs this program once per locale (LC_ALL) and names the
// language Wine must report for it in EVDLG_EXPECTED_UI_LANGUAGE (hex).
// Which template, which texts, and how the language fallback settles all
// follow from that language.

#include <gtest/gtest.h>
#include <windows.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "notice_driver.h"
#include "string_modules/fixture_texts.h"
#include "support/dialog_driver.h"
#include "support/registry_values.h"
#include "support/test_paths.h"
#include "text/text_context.h"

namespace {

typedef std::vector<std::wstring> Texts;  // caption, 1018, 1019, 1024, 1017, 1, 1020

const Texts kEnglish = {L"" FX_EN_3064, L"" FX_EN_844, L"" FX_EN_845, L"" FX_EN_3062,
                        L"" FX_EN_3063, L"" FX_EN_849, L"" FX_EN_797};
const Texts kGerman = {L"" FX_DE_3064, L"" FX_DE_844, L"" FX_DE_845, L"" FX_DE_3062,
                       L"" FX_DE_3063, L"" FX_DE_849, L"" FX_DE_797};
const Texts kArabic = {L"" FX_AR_3064, L"" FX_AR_844, L"" FX_AR_845, L"" FX_AR_3062,
                       L"" FX_AR_3063, L"" FX_AR_849, L"" FX_AR_797};
const Texts kHebrew = {L"" FX_HE_3064, L"" FX_HE_844, L"" FX_HE_845, L"" FX_HE_3062,
                       L"" FX_HE_3063, L"" FX_HE_849, L"" FX_HE_797};
// The module that lacks German in block 192: German settles from the first
// block, so the texts of block 192 fall back to the compiled-in English.
const Texts kGermanWithoutBlock192 = {L"Job Storage Identification",
                                      L"" FX_DE_844,
                                      L"" FX_DE_845,
                                      L"This print Job will be stored at:",
                                      L"In the future, do not show this information.",
                                      L"" FX_DE_849,
                                      L"" FX_DE_797};

struct LocaleCase {
    LANGID language;
    bool rightToLeft;
    const Texts* fullModule;     // strings_full.dll: all four languages
    const Texts* partialModule;  // strings_partial_german.dll: English, German below 3062
};

const LocaleCase kLocales[] = {
    {0x0409, false, &kEnglish, &kEnglish},
    {0x0407, false, &kGerman, &kGermanWithoutBlock192},
    // Swiss German: no exact tables; the search settles on German.
    {0x0807, false, &kGerman, &kGermanWithoutBlock192},
    // French: no French anywhere; the search settles on English.
    {0x040C, false, &kEnglish, &kEnglish},
    {0x0401, true, &kArabic, &kEnglish},
    {0x040D, true, &kHebrew, &kEnglish},
};

const LocaleCase* ExpectedLocale() {
    const char* expected = getenv("EVDLG_EXPECTED_UI_LANGUAGE");
    if (expected == nullptr) return nullptr;
    const LANGID language = static_cast<LANGID>(strtoul(expected, nullptr, 16));
    for (const LocaleCase& locale : kLocales) {
        if (locale.language == language) return &locale;
    }
    return nullptr;
}

class NoticeInLocale : public ::testing::Test {
protected:
    void SetUp() override {
        locale_ = ExpectedLocale();
        ASSERT_NE(nullptr, locale_) << "run through CTest: EVDLG_EXPECTED_UI_LANGUAGE names no known language";
        ASSERT_EQ(locale_->language, GetUserDefaultUILanguage()) << "the locale did not reach Wine";
        key_ = L"evdlg-locale-" + std::to_wstring(GetCurrentProcessId());
    }
    void TearDown() override {
        EXPECT_TRUE(CloseAllNotices());
        DeleteRegistryTree(HKEY_CURRENT_USER, SettingsKeyPath(key_.c_str()));
    }

    Texts ShownTexts(HWND notice) {
        return {WindowText(notice),        ControlText(notice, 1018), ControlText(notice, 1019),
                ControlText(notice, 1024), ControlText(notice, 1017), ControlText(notice, IDOK),
                ControlText(notice, 1020)};
    }

    const LocaleCase* locale_ = nullptr;
    std::wstring key_;
};

TEST_F(NoticeInLocale, RightToLeftFollowsTheUsersLanguage) {
    TextContext context;
    EXPECT_EQ(locale_->rightToLeft, context.fRightToLeft != FALSE);
}

TEST_F(NoticeInLocale, TemplateAndTextsFollowTheLanguage) {
    HWND notice = ShowNotice(MakeRecord(key_.c_str()));
    ASSERT_NE(nullptr, notice);
    EXPECT_EQ(*locale_->fullModule, ShownTexts(notice));

    // Template 103 centres the location lines and field 1024 and reads the
    // three edit fields right to left; 102 does neither.
    const bool rtl = locale_->rightToLeft;
    EXPECT_EQ(rtl ? SS_CENTER : SS_LEFT, WindowStyle(GetDlgItem(notice, 1014)) & SS_TYPEMASK);
    EXPECT_EQ(rtl ? SS_CENTER : SS_LEFT, WindowStyle(GetDlgItem(notice, 1016)) & SS_TYPEMASK);
    EXPECT_EQ(rtl, (WindowStyle(GetDlgItem(notice, 1024)) & ES_CENTER) != 0);
    for (int field : {1024, 1025, 1026}) {
        EXPECT_EQ(rtl, (WindowExStyle(GetDlgItem(notice, field)) & WS_EX_RTLREADING) != 0) << "field " << field;
    }
    EXPECT_EQ(0, WindowExStyle(notice) & WS_EX_LAYOUTRTL);
}

TEST_F(NoticeInLocale, LanguageFallbackSettlesFromTheFirstBlock) {
    HWND notice = ShowNotice(MakeRecord(key_.c_str(), L"strings_partial_german.dll"));
    ASSERT_NE(nullptr, notice);
    EXPECT_EQ(*locale_->partialModule, ShownTexts(notice));
}

}  // namespace
