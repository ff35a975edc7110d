#include "duplex/in_process_paths.h"

#include "duplex/duplex_harness.h"
#include "duplex/foreground_window.h"
#include "string_modules/duplex_texts.h"
#include "support/dialog_driver.h"
#include "support/dialog_spy.h"
#include "support/fake_spooler.h"
#include "support/test_paths.h"

TEST_P(DuplexInProcess, ModalHoldsTheCallerOnItsThreadModelessRunsOnANewThread) {
    const InProcessCase& c = GetParam();
    FakeSpooler().Reset();
    ForegroundWindow foreground(RECT{100, 100, 500, 400});
    ASSERT_NE(nullptr, foreground.window());
    HMODULE releaseModule = LoadLibraryW(TestBinPath(L"empty_module.dll").c_str());
    ASSERT_NE(nullptr, releaseModule);
    DialogSpy spy(DuplexModule());
    ASSERT_TRUE(spy.valid());
    {
        ShownDuplex shown(MakeDuplex(c.bModal, 0, DX_ID_STEP3), c.bAsyncUI, releaseModule);
        HWND dialog = shown.dialog();
        ASSERT_NE(nullptr, dialog) << "nothing shown in this process";
        DWORD dialogThread = GetWindowThreadProcessId(dialog, nullptr);
        if (c.bModal) {
            EXPECT_EQ(shown.call().threadId(), dialogThread) << "a modal dialog runs on the caller's thread";
            EXPECT_FALSE(shown.call().Finished(0)) << "the caller is held while the dialog is open";
            EXPECT_EQ(foreground.window(), spy.last().owner) << "owned by the foreground window";
        } else {
            EXPECT_TRUE(shown.call().Finished()) << "the caller goes on while the dialog is open";
            EXPECT_TRUE(IsWindow(dialog));
            EXPECT_NE(shown.call().threadId(), dialogThread);
            EXPECT_NE(GetCurrentThreadId(), dialogThread);
            EXPECT_EQ(nullptr, spy.last().owner) << "a modeless dialog has no owner";
        }
        EXPECT_EQ(ExpectedDuplexTemplate(), spy.last().templateId);
        PressButton(dialog, IDOK);
        EXPECT_TRUE(WaitForWindowGone(dialog));
        EXPECT_TRUE(shown.call().Finished());
    }
    EXPECT_TRUE(WaitUntil([&] { return spy.last().returns == 1; }));
    EXPECT_EQ(1, spy.last().calls);
    EXPECT_EQ(1, spy.last().result);
    EXPECT_EQ(0, FakeSpooler().CallCount("GetPrinterW")) << "nothing is sent from these paths";
    EXPECT_EQ(0, FakeSpooler().ChannelRecord().channelRequests);
    EXPECT_EQ(releaseModule, GetModuleHandleW(L"empty_module.dll")) << "hReleaseModule is left alone";
    FreeLibrary(releaseModule);
}
