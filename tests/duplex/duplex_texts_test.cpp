// The texts of the manual duplex instructions, read from the real dialog:
// which text each control gets per bModal / bPanelPrompt / dwStep3Text, from
// the string module or, when it has none, the English fallbacks.

#include <gtest/gtest.h>
#include <windows.h>

#include <string.h>

#include <string>

#include "duplex/duplex_harness.h"
#include "string_modules/duplex_texts.h"
#include "support/dialog_driver.h"
#include "support/test_paths.h"

namespace {

const DWORD kJoinedStep3 = 3140;

// What the dialog shows in every control that carries a text.
struct DialogTexts {
    std::wstring caption, intro, number1, step1, number2, step2, number3, step3, defaultButton, help;
};

DialogTexts ReadTexts(HWND dialog) {
    DialogTexts texts;
    texts.caption = WindowText(dialog);
    texts.intro = ControlText(dialog, kIntro);
    texts.number1 = ControlText(dialog, kStepNumbers[0]);
    texts.step1 = ControlText(dialog, kStepTexts[0]);
    texts.number2 = ControlText(dialog, kStepNumbers[1]);
    texts.step2 = ControlText(dialog, kStepTexts[1]);
    texts.number3 = ControlText(dialog, kStepNumbers[2]);
    texts.step3 = ControlText(dialog, kStepTexts[2]);
    texts.defaultButton = ControlText(dialog, IDOK);
    texts.help = ControlText(dialog, kHelpButton);
    return texts;
}

DialogTexts TextsShownFor(const DuplexPayload& record) {
    ShownDuplex shown(record, FALSE);
    DialogTexts texts;
    EXPECT_NE(nullptr, shown.dialog()) << "no dialog";
    if (shown.dialog() != nullptr) texts = ReadTexts(shown.dialog());
    return texts;
}

void ExpectTexts(const DialogTexts& want, const DialogTexts& got) {
    EXPECT_EQ(want.caption, got.caption);
    EXPECT_EQ(want.intro, got.intro);
    EXPECT_EQ(want.number1, got.number1);
    EXPECT_EQ(want.step1, got.step1);
    EXPECT_EQ(want.number2, got.number2);
    EXPECT_EQ(want.step2, got.step2);
    EXPECT_EQ(want.number3, got.number3);
    EXPECT_EQ(want.step3, got.step3);
    EXPECT_EQ(want.defaultButton, got.defaultButton);
    EXPECT_EQ(want.help, got.help);
}

// The module's 3140 has 300 characters; a shown text keeps 255.
const std::wstring kInsert = std::wstring(L"" DX_INSERT_LONG).substr(0, 255);

struct LookedUpCase {
    const char* name;
    DWORD bModal;
    DWORD bPanelPrompt;
    DWORD step3Text;
    const wchar_t* intro;
    std::wstring step3;
    const wchar_t* defaultButton;
};

class DuplexLookedUpTexts : public ::testing::TestWithParam<LookedUpCase> {};

TEST_P(DuplexLookedUpTexts, EachControlShowsTheTextItsVariantAsksFor) {
    const LookedUpCase& c = GetParam();
    DialogTexts want = {L"" DX_CAPTION, c.intro,  L"" DX_NUMBER1,    L"" DX_STEP1, L"" DX_NUMBER2,
                        L"" DX_STEP2,   L"" DX_NUMBER3, c.step3, c.defaultButton, L"" DX_HELP};
    ExpectTexts(want, TextsShownFor(MakeDuplex(c.bModal, c.bPanelPrompt, c.step3Text)));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, DuplexLookedUpTexts,
    ::testing::Values(
        LookedUpCase{"modal_panel_prompt", 1, 1, DX_ID_STEP3, L"" DX_INTRO_PANEL, L"" DX_STEP3, L"" DX_CONTINUE},
        LookedUpCase{"modeless_odd_pages", 0, 0, DX_ID_STEP3, L"" DX_INTRO_ODD, L"" DX_STEP3, L"" DX_OK},
        // Only the modeless variant joins 3140 and 3066 with a line feed,
        // each part cut to 255 characters on its own.
        LookedUpCase{"modeless_3140_joined_with_3066", 0, 1, kJoinedStep3, L"" DX_INTRO_PANEL,
                     kInsert + L"\n" DX_PRESS_GO, L"" DX_OK},
        LookedUpCase{"modal_3140_alone", 1, 0, kJoinedStep3, L"" DX_INTRO_ODD, kInsert, L"" DX_CONTINUE},
        LookedUpCase{"bModal_any_nonzero_value", 0x80000000u, 1, kJoinedStep3, L"" DX_INTRO_PANEL, kInsert,
                     L"" DX_CONTINUE}),
    [](const ::testing::TestParamInfo<LookedUpCase>& info) { return std::string(info.param.name); });

const wchar_t kCaption[] = L"Print on Both Sides Instructions";
const wchar_t kIntroPanel[] =
    L"After the even-numbered pages have printed, a message will appear on the printer's display instructing you "
    L"where to load the paper.  Follow the instructions below to print the odd-numbered pages (second sides).";
const wchar_t kIntroOdd[] =
    L"The odd-numbered pages of your document are printing.  Remove the printed pages from the OUT tray when "
    L"printing is complete.  Follow the instructions below to print the second side of your pages.";
const wchar_t kStep1[] =
    L"Without changing the orientation, remove the  paper stack from the Output Bin.  Do not discard blank sheets.";
const wchar_t kStep2[] = L"Maintaining the same orientation, insert the paper stack into Tray 1";
const wchar_t kStep3[] = L"If printing does not automatically continue, press the Go or Check button.";
const wchar_t kJoined[] =
    L"Insert the stack into the IN tray with the top of the pages toward the device, as shown.\n"
    L"Press the Go or Select button to continue printing.";

struct FallbackCase {
    const char* name;
    DWORD bModal;
    DWORD bPanelPrompt;
    DWORD step3Text;
    const wchar_t* intro;
    const wchar_t* step3;
    const wchar_t* defaultButton;
};

class DuplexFallbackTexts : public ::testing::TestWithParam<FallbackCase> {};

// The string module does not exist and this program's own image holds no
// string tables, so every lookup fails.
TEST_P(DuplexFallbackTexts, WithoutTheStringModuleEveryTextIsItsEnglishFallback) {
    const FallbackCase& c = GetParam();
    DuplexPayload record = MakeDuplex(c.bModal, c.bPanelPrompt, c.step3Text);
    wcscpy(record.szStringModule, L"C:\\nowhere\\missing_strings.dll");
    DialogTexts want = {kCaption, c.intro, L"1.", kStep1, L"2.", kStep2, L"3.", c.step3, c.defaultButton, L"&Help"};
    ExpectTexts(want, TextsShownFor(record));
}

INSTANTIATE_TEST_SUITE_P(
    Variants, DuplexFallbackTexts,
    ::testing::Values(FallbackCase{"modal_panel_prompt", 1, 1, DX_ID_STEP3, kIntroPanel, kStep3, L"C&ontinue"},
                      FallbackCase{"modeless_odd_pages", 0, 0, DX_ID_STEP3, kIntroOdd, kStep3, L"&OK"},
                      FallbackCase{"modeless_3140_joined_with_3066", 0, 0, kJoinedStep3, kIntroOdd, kJoined, L"&OK"},
                      // The step-3 fallback whatever the identifier.
                      FallbackCase{"modal_3140_alone", 1, 1, kJoinedStep3, kIntroPanel, kStep3, L"C&ontinue"}),
    [](const ::testing::TestParamInfo<FallbackCase>& info) { return std::string(info.param.name); });

TEST(DuplexStepTexts, IdentifiersTheModuleLacksGiveTheStepFallbacksAndTheRestIsLookedUp) {
    DuplexPayload record = MakeDuplex(1, 1, DX_ID_MISSING);
    record.dwStep1Text = DX_ID_MISSING;
    record.dwStep2Text = 0xFFFFFFFFu;
    DialogTexts want = {L"" DX_CAPTION, L"" DX_INTRO_PANEL, L"" DX_NUMBER1, kStep1, L"" DX_NUMBER2,
                        kStep2,         L"" DX_NUMBER3,     kStep3,         L"" DX_CONTINUE, L"" DX_HELP};
    ExpectTexts(want, TextsShownFor(record));
}

// The test string module's path, lengthened with "x\..\" and ".\" steps to
// exactly length units.
std::wstring PathOfLength(size_t length) {
    std::wstring directory = TestBinDirectory();
    std::wstring name = L"strings_duplex.dll";
    size_t missing = length - directory.size() - name.size();
    if (missing % 2 == 1) {
        directory += L"x\\..\\";
        missing -= 5;
    }
    for (; missing > 0; missing -= 2) directory += L".\\";
    return directory + name;
}

struct PathCase {
    const char* name;
    size_t length;          // of the module's path in the field
    const wchar_t* caption; // what the dialog then shows
};

class DuplexStringModulePath : public ::testing::TestWithParam<PathCase> {};

// A path that fills the whole field leaves no room for its NUL: the module
// keeps 255 units of it, which name no module (the last letter is gone),
// instead of reading on into the help file's field.
TEST_P(DuplexStringModulePath, AFieldWithoutItsNulIsCutAtItsLastUnit) {
    const PathCase& c = GetParam();
    std::wstring path = PathOfLength(c.length);
    ASSERT_EQ(c.length, path.size());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(path.c_str())) << "the padded path must name the module";
    DuplexPayload record = MakeDuplex(0, 0, DX_ID_STEP3);
    memset(record.szStringModule, 0, sizeof(record.szStringModule));
    memcpy(record.szStringModule, path.c_str(), c.length * sizeof(wchar_t));
    record.szHelpFile[0] = 0;
    EXPECT_EQ(c.caption, TextsShownFor(record).caption);
}

INSTANTIATE_TEST_SUITE_P(Lengths, DuplexStringModulePath,
                         ::testing::Values(PathCase{"255_units_and_nul", 255, L"" DX_CAPTION},
                                           PathCase{"256_units_no_nul", 256, kCaption}),
                         [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

}  // namespace
