// The warning notice as the host shows it: the receiving entry on this
// process's thread, its texts, visible controls and growth, and its answers.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "string_modules/warning_texts.h"
#include "support/blocking_call.h"
#include "support/dialog_driver.h"
#include "support/test_paths.h"
#include "warning/warning_harness.h"

namespace {

const int kThirdButton = 285;
const int kCheckBox = 475;
const int kMessage = 1033;

// The entry on a thread of its own, with its answer.
class ShownWarning {
public:
    explicit ShownWarning(const WarningPayload& record)
        : record_(record), call_([this] { response_ = JobUIEntry()(&record_); }) {
        dialog_ = WaitForDialog(DialogQuery{GetCurrentProcessId(), call_.threadId()});
    }
    ~ShownWarning() {
        if (!call_.Finished(0) && dialog_ != nullptr) PostClose(dialog_);
        call_.Finished();
        free(response_);
    }

    HWND dialog() const { return dialog_; }

    // Waits for the entry to return and gives its answer ("<null>" for none).
    std::wstring Answer() {
        if (!call_.Finished()) return L"<still running>";
        return response_ ? std::wstring(response_) : L"<null>";
    }

private:
    WarningPayload record_;
    wchar_t* response_ = nullptr;
    BlockingCall call_;
    HWND dialog_ = nullptr;
};

POINT ClientTopLeft(HWND dialog, HWND control) {
    RECT rect = WindowRect(control);
    POINT corner = {rect.left, rect.top};
    ScreenToClient(dialog, &corner);
    return corner;
}

LONG Height(const RECT& rect) { return rect.bottom - rect.top; }

struct VisibilityCase {
    const char* name;
    WarningButtons buttons;
    int pressed;  // the control that ends it; 0: the close box
};

class WarningVisibility : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(WarningVisibility, ShowsAndEnablesExactlyTheControlsAskedFor) {
    const VisibilityCase& c = GetParam();
    ShownWarning shown(MakeWarning(L"Toner is running low.", c.buttons));
    HWND dialog = shown.dialog();
    ASSERT_NE(nullptr, dialog);

    struct { int id; DWORD wanted; } controls[] = {
        {IDOK, c.buttons.ok}, {IDCANCEL, c.buttons.cancel}, {kThirdButton, c.buttons.third}, {kCheckBox, c.buttons.checkBox}};
    for (const auto& control : controls) {
        HWND window = GetDlgItem(dialog, control.id);
        EXPECT_EQ(control.wanted != 0, IsWindowVisible(window) != FALSE) << "control " << control.id;
        EXPECT_EQ(control.wanted != 0, IsWindowEnabled(window) != FALSE) << "control " << control.id;
    }
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, kMessage)));

    if (c.pressed != 0) {
        PressButton(dialog, c.pressed);
    } else {
        PostClose(dialog);
    }
    // Whichever way a shown notice ends, the host hears "OK".
    EXPECT_EQ(L"OK", shown.Answer());
}

INSTANTIATE_TEST_SUITE_P(
    ButtonSets, WarningVisibility,
    ::testing::Values(VisibilityCase{"all", {WX_ID_OK, WX_ID_CANCEL, WX_ID_THIRD, 1}, IDOK},
                      VisibilityCase{"cancel_only", {0, WX_ID_CANCEL, 0, 0}, IDCANCEL},
                      VisibilityCase{"ok_and_check_box", {WX_ID_OK, 0, 0, 1}, IDOK},
                      VisibilityCase{"third_only", {0, 0, WX_ID_THIRD, 0}, kThirdButton},
                      VisibilityCase{"none_closed_by_its_box", {0, 0, 0, 0}, 0}),
    [](const ::testing::TestParamInfo<VisibilityCase>& info) { return std::string(info.param.name); });

TEST(WarningTexts, CaptionButtonsAndCheckBoxComeFromTheStringModule) {
    WarningPayload record = MakeWarning(L"Paper of another size is loaded in Tray 1.");
    ShownWarning shown(record);
    HWND dialog = shown.dialog();
    ASSERT_NE(nullptr, dialog);

    EXPECT_EQ(L"" WX_CAPTION, WindowText(dialog));
    EXPECT_EQ(L"Paper of another size is loaded in Tray 1.", ControlText(dialog, kMessage));
    EXPECT_EQ(L"" WX_OK, ControlText(dialog, IDOK));
    EXPECT_EQ(L"" WX_CANCEL, ControlText(dialog, IDCANCEL));
    EXPECT_EQ(L"" WX_THIRD, ControlText(dialog, kThirdButton));
    EXPECT_EQ(L"" WX_DO_NOT_SHOW, ControlText(dialog, kCheckBox));
    PressButton(dialog, IDOK);
}

TEST(WarningTexts, WithoutTheirTextsOkAndCancelReadInEnglishAndTheRestStaysBlank) {
    WarningPayload record = MakeWarning(L"No string module.");
    wcscpy(record.szStringModule, L"C:\\nowhere\\missing_strings.dll");
    ShownWarning shown(record);
    HWND dialog = shown.dialog();
    ASSERT_NE(nullptr, dialog);

    EXPECT_EQ(L"", WindowText(dialog));
    EXPECT_EQ(L"OK", ControlText(dialog, IDOK));
    EXPECT_EQ(L"Cancel", ControlText(dialog, IDCANCEL));
    EXPECT_EQ(L"", ControlText(dialog, kThirdButton));
    EXPECT_EQ(L"In the future, do not show this information.", ControlText(dialog, kCheckBox));
    PressButton(dialog, IDCANCEL);
    EXPECT_EQ(L"OK", shown.Answer());
}

TEST(WarningTexts, AnIdMissingFromTheModuleGivesTheEnglishButtonText) {
    WarningPayload record = MakeWarning(L"Missing ids.", WarningButtons{WX_ID_MISSING, WX_ID_CANCEL, 0, 0});
    ShownWarning shown(record);
    ASSERT_NE(nullptr, shown.dialog());
    EXPECT_EQ(L"OK", ControlText(shown.dialog(), IDOK));
    EXPECT_EQ(L"" WX_CANCEL, ControlText(shown.dialog(), IDCANCEL));
    PressButton(shown.dialog(), IDOK);
}

TEST(WarningTexts, AMessageWithoutItsNulIsShownCutAt1023Characters) {
    WarningPayload record = MakeWarning(L"");
    for (int i = 0; i < 1024; ++i) record.szMessage[i] = static_cast<wchar_t>(L'a' + i % 26);
    std::wstring expected(record.szMessage, 1023);

    ShownWarning shown(record);
    ASSERT_NE(nullptr, shown.dialog());
    EXPECT_EQ(expected, ControlText(shown.dialog(), kMessage));
    PressButton(shown.dialog(), IDOK);
}

// Client-coordinate layout of the notice, as a test reads it back.
struct Layout {
    RECT message;
    LONG dialogHeight;
    POINT checkBox;
    LONG checkBoxHeight;
    POINT ok, cancel, third;
};

Layout ReadLayout(HWND dialog) {
    Layout layout;
    HWND message = GetDlgItem(dialog, kMessage);
    RECT rect = WindowRect(message);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    layout.message = rect;
    layout.dialogHeight = Height(WindowRect(dialog));
    layout.checkBox = ClientTopLeft(dialog, GetDlgItem(dialog, kCheckBox));
    layout.checkBoxHeight = Height(WindowRect(GetDlgItem(dialog, kCheckBox)));
    layout.ok = ClientTopLeft(dialog, GetDlgItem(dialog, IDOK));
    layout.cancel = ClientTopLeft(dialog, GetDlgItem(dialog, IDCANCEL));
    layout.third = ClientTopLeft(dialog, GetDlgItem(dialog, kThirdButton));
    return layout;
}

Layout LayoutFor(const std::wstring& message, DWORD checkBox) {
    ShownWarning shown(MakeWarning(message, WarningButtons{WX_ID_OK, WX_ID_CANCEL, WX_ID_THIRD, checkBox}));
    Layout layout = {};
    EXPECT_NE(nullptr, shown.dialog());
    if (shown.dialog() == nullptr) return layout;
    layout = ReadLayout(shown.dialog());
    PressButton(shown.dialog(), IDOK);
    EXPECT_EQ(L"OK", shown.Answer());
    return layout;
}

class WarningGrowth : public ::testing::TestWithParam<DWORD> {};

TEST_P(WarningGrowth, From151CharactersTheMessageAndTheNoticeGrow100PixelsAndTheControlsFollow) {
    DWORD checkBox = GetParam();
    Layout short150 = LayoutFor(std::wstring(150, L'm'), checkBox);
    Layout long151 = LayoutFor(std::wstring(151, L'm'), checkBox);

    EXPECT_EQ(short150.message.left, long151.message.left);
    EXPECT_EQ(short150.message.top, long151.message.top);
    EXPECT_EQ(short150.message.right, long151.message.right);
    EXPECT_EQ(short150.message.bottom + 100, long151.message.bottom);
    EXPECT_EQ(short150.dialogHeight + 100, long151.dialogHeight);

    EXPECT_EQ(long151.message.bottom, long151.checkBox.y);
    EXPECT_EQ(short150.checkBox.x, long151.checkBox.x);
    LONG buttonsTop = long151.checkBox.y + long151.checkBoxHeight;
    EXPECT_EQ(buttonsTop, long151.ok.y);
    EXPECT_EQ(buttonsTop, long151.cancel.y);
    EXPECT_EQ(buttonsTop, long151.third.y);
    EXPECT_EQ(short150.ok.x, long151.ok.x);
    EXPECT_EQ(short150.cancel.x, long151.cancel.x);
    EXPECT_EQ(short150.third.x, long151.third.x);

    // At 150 characters the template's own gaps are kept.
    EXPECT_LT(short150.message.bottom, short150.checkBox.y);
    EXPECT_LT(short150.checkBox.y + short150.checkBoxHeight, short150.ok.y);
}

INSTANTIATE_TEST_SUITE_P(CheckBoxShownOrHidden, WarningGrowth, ::testing::Values(1u, 0u),
                         [](const ::testing::TestParamInfo<DWORD>& info) {
                             return std::string(info.param ? "check_box_shown" : "check_box_hidden");
                         });

TEST(WarningCommands, ACommandWithANotificationCodeAndACheckBoxClickLeaveItOpen) {
    ShownWarning shown(MakeWarning(L"Still here?"));
    HWND dialog = shown.dialog();
    ASSERT_NE(nullptr, dialog);

    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_SETFOCUS), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    PressButton(dialog, kCheckBox);
    ASSERT_TRUE(Sync(dialog));
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(BST_CHECKED, CheckState(dialog, kCheckBox));

    PressButton(dialog, kThirdButton);
    EXPECT_EQ(L"OK", shown.Answer());
}

TEST(WarningEntry, ANullRecordShowsNothingAndAnswersCancel) {
    wchar_t* response = JobUIEntry()(nullptr);
    ASSERT_NE(nullptr, response);
    EXPECT_STREQ(L"Cancel", response);
    free(response);
    EXPECT_TRUE(FindDialogs(DialogQuery()).empty());
}

TEST(WarningEntry, ChoosesItsTemplateByTheInterfaceLanguageAndOwnerByTheShowFlag) {
    DialogSpy spy(WarningModule());
    ASSERT_TRUE(spy.valid());
    WarningPayload record = MakeWarning(L"Which template?");
    record.dwShowDialog = 2;
    {
        ShownWarning shown(record);
        ASSERT_NE(nullptr, shown.dialog());
        PressButton(shown.dialog(), IDOK);
        EXPECT_EQ(L"OK", shown.Answer());
    }
    DialogRequest request = spy.last();
    EXPECT_EQ(1, request.calls);
    EXPECT_EQ(ExpectedWarningTemplate(), request.templateId) << "interface language " << std::hex
                                                              << GetUserDefaultUILanguage();
    EXPECT_EQ(nullptr, request.owner) << "a notice not asked to show is owned by nothing";
}

}  // namespace
