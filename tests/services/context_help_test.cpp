// Context help through the help viewer double (hhctrl.ocx beside the tests):
// the viewer is loaded on first use only, and is asked for exactly one
// {control, context} pair with the file passed unchanged.

#include <gtest/gtest.h>
#include <windows.h>

#include "services/context_help.h"
#include "support/help_viewer.h"
#include "support/scratch_window.h"

namespace {

const UINT kContextHelpPopup = 17;

class ContextHelp : public ::testing::Test {
protected:

    void ExpectOnePopupRequest(const wchar_t* file, DWORD control, DWORD context) {
        ASSERT_EQ(1, HelpViewerCallCount());
        HelpViewerCall call;
        ASSERT_TRUE(HelpViewerLastCall(&call));
        EXPECT_EQ(button_, call.caller);
        EXPECT_EQ(kContextHelpPopup, call.command);
        EXPECT_STREQ(file, call.file);
        ASSERT_EQ(1, call.pairCount);
        EXPECT_EQ(control, call.pairs[0][0]);
        EXPECT_EQ(context, call.pairs[0][1]);
        EXPECT_TRUE(call.zeroPairFound);
        EXPECT_EQ(GetCurrentThreadId(), call.threadId);
    }

    ScratchWindow window_{L"BUTTON"};
    const HWND button_ = window_.get();
};

// Must run first in this program: nothing else may have loaded the viewer.
TEST_F(ContextHelp, ViewerIsLoadedWhenHelpIsFirstAskedFor) {
    ASSERT_EQ(nullptr, GetModuleHandleW(L"hhctrl.ocx")) << "the viewer was loaded before help was asked for";
    VShowContextHelp(button_, 1020, 15220, L"C:\\Driver\\orvhelp.chm");
    EXPECT_NE(nullptr, GetModuleHandleW(L"hhctrl.ocx"));
    ExpectOnePopupRequest(L"C:\\Driver\\orvhelp.chm", 1020, 15220);
}

TEST_F(ContextHelp, FileAndTopicSyntaxPassUnchanged) {
    HelpViewerReset();
    const wchar_t file[] = L"\\\\server\\share\\orv help.chm::/popups/job storage.txt";
    VShowContextHelp(button_, 7, 0x7FFFFFFF, file);
    ExpectOnePopupRequest(file, 7, 0x7FFFFFFF);
}

TEST_F(ContextHelp, EachRequestReachesTheViewer) {
    HelpViewerReset();
    VShowContextHelp(button_, 1020, 15220, L"a.chm");
    VShowContextHelp(button_, 1020, 15220, L"a.chm");
    EXPECT_EQ(2, HelpViewerCallCount());
}

}  // namespace
