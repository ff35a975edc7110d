// The instructions on version 6 and later, shown in this process: how they
// end, Help, where they stand, the in-process paths of VDisplayDialog and the
// receiving entries' answer to a missing record.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "duplex/duplex_harness.h"
#include "duplex/foreground_window.h"
#include "duplex/in_process_paths.h"
#include "string_modules/duplex_texts.h"
#include "support/dialog_driver.h"
#include "support/dialog_spy.h"
#include "support/help_viewer.h"

namespace {

const UINT kContextHelpPopup = 17;

class DuplexVersion6 : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_GE(ReportedMajorVersion(), 6u) << "this program must run with Wine's default version";
    }
};

enum Ending { kDefaultButton, kCloseBox };

struct EndingCase {
    const char* name;
    DWORD bModal;
    Ending ending;
};

class DuplexEnding : public DuplexVersion6, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(DuplexEnding, EscLeavesItOpenTheCloseBoxAndTheDefaultButtonEndItWith1) {
    const EndingCase& c = GetParam();
    DialogSpy spy(DuplexModule());
    ASSERT_TRUE(spy.valid());
    ShownDuplex shown(MakeDuplex(c.bModal, 1, DX_ID_STEP3), FALSE);
    HWND dialog = shown.dialog();
    ASSERT_NE(nullptr, dialog);

    // Esc comes as the Cancel command; a notification from the default
    // button is not a press.
    PostKey(GetDlgItem(dialog, IDOK), VK_ESCAPE);
    PostKey(dialog, VK_ESCAPE);
    PostCommand(dialog, IDCANCEL);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_SETFOCUS), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    ASSERT_TRUE(Sync(dialog));
    EXPECT_TRUE(IsWindowVisible(dialog)) << "the dialog must stay open";
    EXPECT_EQ(0, spy.last().returns);

    if (c.ending == kDefaultButton) {
        PressButton(dialog, IDOK);
    } else {
        PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);  // what the close box sends
    }
    ASSERT_TRUE(WaitForWindowGone(dialog));
    ASSERT_TRUE(WaitUntil([&] { return spy.last().returns == 1; }));
    EXPECT_EQ(1, spy.last().result);
    EXPECT_TRUE(shown.call().Finished());
}

INSTANTIATE_TEST_SUITE_P(Endings, DuplexEnding,
                         ::testing::Values(EndingCase{"modal_default_button", 1, kDefaultButton},
                                           EndingCase{"modal_close_box", 1, kCloseBox},
                                           EndingCase{"modeless_default_button", 0, kDefaultButton},
                                           EndingCase{"modeless_close_box", 0, kCloseBox}),
                         [](const ::testing::TestParamInfo<EndingCase>& info) { return std::string(info.param.name); });

struct HelpCase {
    const char* name;
    DWORD bModal;
    DWORD context;
};

class DuplexHelp : public DuplexVersion6, public ::testing::WithParamInterface<HelpCase> {};

TEST_P(DuplexHelp, OpensTheVariantsContextInTheRecordsHelpFileAndStaysOpen) {
    const HelpCase& c = GetParam();
    HelpViewerReset();
    ShownDuplex shown(MakeDuplex(c.bModal, 0, DX_ID_STEP3), FALSE);
    HWND dialog = shown.dialog();
    ASSERT_NE(nullptr, dialog);

    for (LONG press = 1; press <= 2; ++press) {
        PressButton(dialog, kHelpButton);
        ASSERT_TRUE(WaitUntil([&] { return HelpViewerCallCount() == press; })) << "press " << press;
        HelpViewerCall call;
        ASSERT_TRUE(HelpViewerLastCall(&call));
        EXPECT_EQ(GetDlgItem(dialog, kHelpButton), call.caller);
        EXPECT_EQ(kContextHelpPopup, call.command);
        EXPECT_STREQ(kHelpFile, call.file);
        ASSERT_EQ(1, call.pairCount);
        EXPECT_EQ(static_cast<DWORD>(kHelpButton), call.pairs[0][0]);
        EXPECT_EQ(c.context, call.pairs[0][1]);
        EXPECT_TRUE(call.zeroPairFound);
        EXPECT_EQ(GetWindowThreadProcessId(dialog, nullptr), call.threadId);
        ASSERT_TRUE(Sync(dialog));
        EXPECT_TRUE(IsWindowVisible(dialog)) << "Help leaves the dialog open";
    }
}

INSTANTIATE_TEST_SUITE_P(Variants, DuplexHelp,
                         ::testing::Values(HelpCase{"modal", 1, 15275}, HelpCase{"modeless", 0, 15274}),
                         [](const ::testing::TestParamInfo<HelpCase>& info) { return std::string(info.param.name); });

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Where the platform itself puts a dialog from the same template and owner.
POINT PlatformPlacement(HWND owner) {
    HWND reference = CreateDialogParamW(DuplexModule(), MAKEINTRESOURCEW(ExpectedDuplexTemplate()), owner,
                                        PlainDialogProc, 0);
    RECT rect = WindowRect(reference);
    DestroyWindow(reference);
    return POINT{rect.left, rect.top};
}

class DuplexPlacementOnVersion6 : public DuplexVersion6, public ::testing::WithParamInterface<DWORD> {};

TEST_P(DuplexPlacementOnVersion6, StaysWhereThePlatformPutItWithoutACaptionHelpButton) {
    ForegroundWindow foreground(RECT{100, 100, 500, 400});
    ASSERT_NE(nullptr, foreground.window());
    ASSERT_EQ(foreground.window(), GetForegroundWindow());
    DWORD bModal = GetParam();
    POINT platform = PlatformPlacement(bModal ? foreground.window() : nullptr);

    ShownDuplex shown(MakeDuplex(bModal, 0, DX_ID_STEP3), FALSE);
    HWND dialog = shown.dialog();
    ASSERT_NE(nullptr, dialog);
    RECT rect = WindowRect(dialog);
    EXPECT_EQ(platform.x, rect.left);
    EXPECT_EQ(platform.y, rect.top);
    LONG centredX = 300 - (rect.right - rect.left) / 2;
    EXPECT_NE(centredX, rect.left) << "not centred on the foreground window";
    EXPECT_EQ(0, WindowExStyle(dialog) & WS_EX_CONTEXTHELP);
}

INSTANTIATE_TEST_SUITE_P(Variants, DuplexPlacementOnVersion6, ::testing::Values(1u, 0u),
                         [](const ::testing::TestParamInfo<DWORD>& info) {
                             return std::string(info.param ? "modal" : "modeless");
                         });

INSTANTIATE_TEST_SUITE_P(Version6, DuplexInProcess,
                         ::testing::Values(InProcessCase{"modal_bAsyncUI_0", 1, FALSE},
                                           InProcessCase{"modeless_bAsyncUI_0", 0, FALSE}),
                         InProcessCaseName);

class DuplexNullRecord : public DuplexVersion6, public ::testing::WithParamInterface<const char*> {};

TEST_P(DuplexNullRecord, AnswersCancelAndShowsNothing) {
    DuplexEntryFn entry = reinterpret_cast<DuplexEntryFn>(
        reinterpret_cast<void*>(GetProcAddress(DuplexModule(), GetParam())));
    ASSERT_NE(nullptr, entry);
    wchar_t* response = nullptr;
    BlockingCall call([&] { response = entry(nullptr); });
    bool finished = call.Finished();
    std::vector<HWND> shown = FindDialogs(DialogQuery());
    // Whatever appeared goes again, so that a failure cannot hang the program.
    for (HWND dialog : shown) PostClose(dialog);
    ASSERT_TRUE(finished || call.Finished()) << "the entry did not return";
    EXPECT_TRUE(shown.empty()) << "the entry showed a window";
    ASSERT_NE(nullptr, response);
    EXPECT_STREQ(L"Cancel", response);
    free(response);
}

INSTANTIATE_TEST_SUITE_P(Entries, DuplexNullRecord,
                         ::testing::Values("EvtDlgAsyncUIEntryPointManualDuplexModal",
                                           "EvtDlgAsyncUIEntryPointManualDuplexModeless"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param).substr(sizeof("EvtDlgAsyncUIEntryPointManualDuplex") - 1);
                         });

}  // namespace
