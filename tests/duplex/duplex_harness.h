#pragma once

// Records, entries and dialogs of the manual duplex instructions for tests:
// the built DLL loaded as the host loads it, records that name the test
// string module and the DLL's own step pictures, and the shown dialog.

#include <windows.h>

#include <string>

#include "evdlgx42.h"
#include "support/blocking_call.h"
#include "support/wait.h"

typedef wchar_t*(WINAPI* DuplexEntryFn)(const DuplexPayload*);
typedef void(WINAPI* DisplayDialogFn)(DuplexPayload, BOOL, HMODULE);

const int kIntro = 1001;
const int kStepNumbers[3] = {1021, 1022, 1023};
const int kStepTexts[3] = {1002, 1003, 1004};
const int kStepFrames[3] = {1005, 1006, 1008};
const int kHelpButton = 1027;

// The pictures the records of the tests show, one per step.
const DWORD kStepPictures[3] = {105, 133, 164};

const wchar_t kHelpFile[] = L"C:\\drivers\\orvdrv\\orvhelp.chm";

// A record for the variant asked for, with the test string module
// (strings_duplex.dll), the step texts it holds, the DLL's own file as the
// image module and kStepPictures.
DuplexPayload MakeDuplex(DWORD bModal, DWORD bPanelPrompt, DWORD step3Text);

// The built evdlgx42.dll, loaded once per test program.
HMODULE DuplexModule();
std::wstring DuplexModulePath();
DuplexEntryFn ModalEntry();
DuplexEntryFn ModelessEntry();
DisplayDialogFn DisplayDialog();

// The major version the platform reports to this program.
DWORD ReportedMajorVersion();

// 104 when this process's interface language reads right to left, else 101.
WORD ExpectedDuplexTemplate();

// Any manual duplex dialog of this process (threadId 0: on any thread).
HWND WaitForDuplexDialog(DWORD threadId = 0, DWORD timeoutMs = kTestWaitMs);

// The instructions as VDisplayDialog shows them in this process (version 5,
// or bAsyncUI zero): on the call's own thread for a modal record, on a thread
// the module starts for a modeless one.
class ShownDuplex {
public:
    ShownDuplex(const DuplexPayload& record, BOOL bAsyncUI, HMODULE hReleaseModule = nullptr);
    // Closes a dialog still open and waits (bounded) for the call.
    ~ShownDuplex();
    ShownDuplex(const ShownDuplex&) = delete;
    ShownDuplex& operator=(const ShownDuplex&) = delete;

    // Null when no dialog appeared in time.
    HWND dialog() const { return dialog_; }
    BlockingCall& call() { return call_; }

private:
    BlockingCall call_;
    HWND dialog_;
};
