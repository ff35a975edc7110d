// The warning on a platform below version 6 (this program is told it runs on
// Windows XP): shown on the caller's own thread, returning the pressed button.

#include <gtest/gtest.h>
#include <windows.h>

#include "support/blocking_call.h"
#include "support/dialog_driver.h"
#include "support/fake_spooler.h"
#include "warning/warning_harness.h"

namespace {

struct DirectCase {
    const char* name;
    WarningButtons buttons;
    int pressed;  // 0: the close box
    int result;
};

class WarningDirect : public ::testing::TestWithParam<DirectCase> {
protected:
    void SetUp() override {
        OSVERSIONINFOW version = {};
        version.dwOSVersionInfoSize = sizeof(version);
        GetVersionExW(&version);
        ASSERT_EQ(5u, version.dwMajorVersion) << "this program must be told it runs on Windows XP";
        FakeSpooler().Reset();
    }
};

TEST_P(WarningDirect, ShowsOnTheCallersThreadAndReturnsThePressedButton) {
    const DirectCase& c = GetParam();
    DialogSpy spy(WarningModule());
    int result = -99;
    DWORD callerThread = 0;
    BlockingCall call([&] { result = ShowWarning()(nullptr, MakeWarning(L"Direct path.", c.buttons), nullptr); });

    HWND dialog = WaitForDialog(DialogQuery{GetCurrentProcessId(), call.threadId()});
    ASSERT_NE(nullptr, dialog) << "no notice on the caller's thread";
    callerThread = GetWindowThreadProcessId(dialog, nullptr);
    if (c.pressed != 0) {
        PressButton(dialog, c.pressed);
    } else {
        PostClose(dialog);
    }
    ASSERT_TRUE(call.Finished());

    EXPECT_EQ(c.result, result);
    EXPECT_EQ(call.threadId(), callerThread);
    EXPECT_EQ(0, FakeSpooler().CallCount("GetPrinterW")) << "the direct path asks the spooler nothing";
    EXPECT_EQ(GetForegroundWindow(), spy.last().owner);
    EXPECT_EQ(ExpectedWarningTemplate(), spy.last().templateId);
}

INSTANTIATE_TEST_SUITE_P(
    Endings, WarningDirect,
    ::testing::Values(DirectCase{"ok", {3210, 3211, 3212, 1}, IDOK, 1},
                      DirectCase{"cancel", {3210, 3211, 3212, 1}, IDCANCEL, 2},
                      DirectCase{"third", {3210, 3211, 3212, 1}, 285, 285},
                      DirectCase{"close_box_with_cancel_hidden", {3210, 0, 0, 0}, 0, 2}),
    [](const ::testing::TestParamInfo<DirectCase>& info) { return std::string(info.param.name); });

}  // namespace
