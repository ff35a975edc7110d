// The text source against real string-resource modules mapped as resource
// containers: exact-language lookup, the language fallback search, the
// 255-character bound, the English fallbacks and the module handles.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "string_modules/fixture_texts.h"
#include "support/scratch_window.h"
#include "support/test_paths.h"
#include "text/string_lookup.h"
#include "text/text_context.h"
#include "text/ui_language.h"

namespace {

const LANGID kEnglishUs = 0x0409;
const LANGID kGerman = 0x0407;
const LANGID kGermanSwiss = 0x0807;
const LANGID kFrench = 0x040C;
const LANGID kItalian = 0x0410;
const LANGID kArabicSaudi = 0x0401;
const LANGID kHebrew = 0x040D;

const wchar_t kFull[] = L"strings_full.dll";
const wchar_t kEnglish[] = L"strings_english.dll";
const wchar_t kPartialGerman[] = L"strings_partial_german.dll";
const wchar_t kNamedType[] = L"strings_named_type.dll";
const wchar_t kCorrupt[] = L"strings_corrupt.dll";
const wchar_t kNoModule[] = L"no_such_strings.dll";

// Starts every lookup from a chosen interface language, as if the user had it.
void UseLanguage(LANGID language) {
    g_fUILanguageKnown = TRUE;
    g_wUILanguage = language;
}

struct LookupCase {
    const char* name;
    const wchar_t* module;
    LANGID userLanguage;
    UINT id;
    const wchar_t* expected;  // null: not found
    LANGID languageAfter;     // where the search left the cached language
};

class Lookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(Lookup, FindsTheTextInTheLanguageTheRulesGive) {
    const LookupCase& c = GetParam();
    TextContext context;
    context.VLoadStringModule(TestBinPath(c.module).c_str());
    UseLanguage(c.userLanguage);

    WCHAR buffer[TEXT_BUFFER_CCH] = L"untouched";
    BOOL found = context.BLoadText(c.id, buffer);

    if (c.expected == nullptr) {
        EXPECT_FALSE(found);
        EXPECT_STREQ(L"untouched", buffer);
    } else {
        EXPECT_TRUE(found);
        EXPECT_STREQ(c.expected, buffer);
    }
    EXPECT_EQ(c.languageAfter, g_wUILanguage);
}

// The fixture's texts are UTF-8 narrow literals shared with the resource
// scripts; L"" in front makes them wide.
INSTANTIATE_TEST_SUITE_P(
    StringModules, Lookup,
    ::testing::Values(
        LookupCase{"english_caption", kFull, kEnglishUs, 3064, L"" FX_EN_3064, kEnglishUs},
        LookupCase{"english_help_block_50", kFull, kEnglishUs, 797, L"" FX_EN_797, kEnglishUs},
        LookupCase{"german_exact", kFull, kGerman, 3064, L"" FX_DE_3064, kGerman},
        LookupCase{"arabic_exact", kFull, kArabicSaudi, 3063, L"" FX_AR_3063, kArabicSaudi},
        LookupCase{"hebrew_exact", kFull, kHebrew, 797, L"" FX_HE_797, kHebrew},
        // Same primary language in the first block: German for Swiss German.
        LookupCase{"swiss_german_settles_on_german", kFull, kGermanSwiss, 844, L"" FX_DE_844, kGerman},
        LookupCase{"swiss_german_english_only", kEnglish, kGermanSwiss, 844, L"" FX_EN_844, kEnglishUs},
        LookupCase{"french_settles_on_english", kFull, kFrench, 845, L"" FX_EN_845, kEnglishUs},
        LookupCase{"french_english_only", kEnglish, kFrench, 3064, L"" FX_EN_3064, kEnglishUs},
        // German comes from the first block; block 192 has no German.
        LookupCase{"later_block_lacks_the_language", kPartialGerman, kGermanSwiss, 3064, nullptr, kGerman},
        LookupCase{"earlier_block_has_it", kPartialGerman, kGermanSwiss, 849, L"" FX_DE_849, kGerman},
        // A type named "RT_STRING" counts as the string type.
        LookupCase{"named_string_type_decides", kNamedType, kGermanSwiss, 844, nullptr, kGerman},
        LookupCase{"italian_exact_beside_named_type", kNamedType, kItalian, 844, L"" FX_IT_844, kItalian},
        LookupCase{"empty_entry", kFull, kEnglishUs, FX_ID_EMPTY, nullptr, kEnglishUs},
        LookupCase{"entry_after_empty", kFull, kEnglishUs, FX_ID_AFTER_EMPTY, L"" FX_EN_AFTER_EMPTY, kEnglishUs},
        // No block at all is not a language miss: no search, no change.
        LookupCase{"missing_block", kFull, kGermanSwiss, FX_ID_NO_BLOCK, nullptr, kGermanSwiss},
        LookupCase{"missing_module", kNoModule, kEnglishUs, 3064, nullptr, kEnglishUs},
        // Hand-written blocks that end before their entries do.
        LookupCase{"corrupt_sound_entry", kCorrupt, kEnglishUs, 0, L"abc", kEnglishUs},
        LookupCase{"corrupt_length_past_end", kCorrupt, kEnglishUs, 1, nullptr, kEnglishUs},
        LookupCase{"corrupt_after_bad_entry", kCorrupt, kEnglishUs, 2, nullptr, kEnglishUs},
        LookupCase{"truncated_sound_entry", kCorrupt, kEnglishUs, 16, L"hi", kEnglishUs},
        LookupCase{"truncated_before_index", kCorrupt, kEnglishUs, 20, nullptr, kEnglishUs},
        LookupCase{"half_unit_at_end", kCorrupt, kEnglishUs, 32, nullptr, kEnglishUs},
        LookupCase{"last_index_of_sound_block", kCorrupt, kEnglishUs, 63, L"end", kEnglishUs}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

TEST(LookupBound, LongEntryIsShownAsItsFirst255Characters) {
    TextContext context;
    context.VLoadStringModule(TestBinPath(kFull).c_str());
    UseLanguage(kEnglishUs);

    WCHAR buffer[TEXT_BUFFER_CCH + 8];
    for (WCHAR& unit : buffer) unit = L'#';
    EXPECT_EQ(300, ILoadStringFromModule(context.hStringModule, FX_ID_LONG, buffer, TEXT_BUFFER_CCH));
    EXPECT_EQ(std::wstring(L"" FX_LONG_TEXT).substr(0, 255), std::wstring(buffer));
    EXPECT_EQ(L'#', buffer[TEXT_BUFFER_CCH]) << "wrote past the buffer";
}

class TextOnWindow : public ::testing::Test {
protected:
    std::wstring Text() const {
        wchar_t text[1024] = {0};
        GetWindowTextW(window_.get(), text, 1024);
        return text;
    }
    ScratchWindow window_{L"STATIC"};
};

struct SetTextCase {
    const char* name;
    const wchar_t* module;
    UINT id;
    std::wstring fallback;
    std::wstring expected;
};

class SetText : public TextOnWindow, public ::testing::WithParamInterface<SetTextCase> {};

TEST_P(SetText, ShowsTheTextOrTheFallback) {
    const SetTextCase& c = GetParam();
    TextContext context;
    context.VLoadStringModule(TestBinPath(c.module).c_str());
    UseLanguage(kEnglishUs);
    SetWindowTextW(window_.get(), L"before");
    context.VSetTextFromId(c.id, window_.get(), c.fallback.c_str());
    EXPECT_EQ(c.expected, Text());
}

const std::wstring kLongFallback(300, L'f');

INSTANTIATE_TEST_SUITE_P(
    Sources, SetText,
    ::testing::Values(SetTextCase{"looked_up", kFull, 3064, L"Job Storage Identification", L"" FX_EN_3064},
                      SetTextCase{"long_entry", kFull, FX_ID_LONG, L"fallback",
                                  std::wstring(L"" FX_LONG_TEXT).substr(0, 255)},
                      SetTextCase{"empty_entry", kFull, FX_ID_EMPTY, L"&Help", L"&Help"},
                      SetTextCase{"missing_module", kNoModule, 3064, L"Job Storage Identification",
                                  L"Job Storage Identification"},
                      SetTextCase{"long_fallback", kNoModule, 797, kLongFallback, kLongFallback.substr(0, 255)},
                      SetTextCase{"empty_fallback", kNoModule, 797, L"", L""}),
    [](const ::testing::TestParamInfo<SetTextCase>& info) { return std::string(info.param.name); });

bool IsLoaded(const wchar_t* fileName) { return GetModuleHandleW(TestBinPath(fileName).c_str()) != nullptr; }

TEST(StringModule, SecondLoadKeepsTheFirstModule) {
    TextContext context;
    context.VLoadStringModule(TestBinPath(kFull).c_str());
    HMODULE first = context.hStringModule;
    ASSERT_NE(nullptr, first);
    context.VLoadStringModule(TestBinPath(kEnglish).c_str());
    EXPECT_EQ(first, context.hStringModule);
    EXPECT_FALSE(IsLoaded(kEnglish));

    UseLanguage(kGerman);
    WCHAR buffer[TEXT_BUFFER_CCH] = {0};
    EXPECT_TRUE(context.BLoadText(797, buffer));
    EXPECT_STREQ(L"" FX_DE_797, buffer);
}

TEST(StringModule, ReleasedWithTheContext) {
    {
        TextContext context;
        context.VLoadStringModule(TestBinPath(kEnglish).c_str());
        ASSERT_NE(nullptr, context.hStringModule);
        EXPECT_TRUE(IsLoaded(kEnglish));
    }
    EXPECT_FALSE(IsLoaded(kEnglish));
}

TEST(StringModule, FailedLoadLeavesNoHandle) {
    TextContext context;
    SetLastError(0xdeadbeef);
    context.VLoadStringModule(TestBinPath(kNoModule).c_str());
    EXPECT_EQ(nullptr, context.hStringModule);
}

TEST(ImageModule, OwnedOnlyWhenLoadedAndReleasedWithTheContext) {
    {
        TextContext context;
        context.VLoadImageModule(TestBinPath(kNoModule).c_str());
        EXPECT_EQ(nullptr, context.hImageModule);
        EXPECT_FALSE(context.fOwnsImageModule);

        context.VLoadImageModule(TestBinPath(kEnglish).c_str());
        HMODULE first = context.hImageModule;
        ASSERT_NE(nullptr, first);
        EXPECT_TRUE(context.fOwnsImageModule);
        context.VLoadImageModule(TestBinPath(kFull).c_str());
        EXPECT_EQ(first, context.hImageModule);
        EXPECT_FALSE(IsLoaded(kFull));
    }
    EXPECT_FALSE(IsLoaded(kEnglish));
}

TEST(UiLanguage, FirstQueryFetchesTheUsersLanguageThenTheCacheAnswers) {
    g_fUILanguageKnown = FALSE;
    g_wUILanguage = kItalian;
    EXPECT_EQ(GetUserDefaultUILanguage(), WGetUILanguage());
    EXPECT_TRUE(g_fUILanguageKnown);

    g_wUILanguage = kGermanSwiss;
    EXPECT_EQ(kGermanSwiss, WGetUILanguage());
}

TEST(UiLanguage, EveryContextResetsTheLanguageToTheUsers) {
    UseLanguage(kGermanSwiss);
    TextContext context;
    EXPECT_EQ(GetUserDefaultUILanguage(), g_wUILanguage);
    EXPECT_TRUE(g_fUILanguageKnown);
    const WORD primary = PRIMARYLANGID(GetUserDefaultUILanguage());
    EXPECT_EQ(primary == LANG_ARABIC || primary == LANG_HEBREW, context.fRightToLeft != FALSE);
}

}  // namespace
