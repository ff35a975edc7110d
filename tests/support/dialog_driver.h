#pragma once

// Driving real dialogs from a test thread while they run their own modal
// loops on other threads: find a dialog window, read its controls, press its
// buttons and wait for it to go. Every call that needs the dialog's thread to
// answer is bounded by kTestWaitMs, so a hung dialog fails the test rather than
// hanging it.
//
//   HWND dialog = WaitForDialog(DialogQuery());        // any dialog of this process
//   EXPECT_EQ(L"Job:", ControlText(dialog, 1019));
//   PressButton(dialog, IDOK);
//   EXPECT_TRUE(WaitForWindowGone(dialog));

#include <windows.h>

#include <string>
#include <vector>

#include "support/wait.h"

// Which top-level dialog windows (class #32770) to look for. Zero or null
// fields match anything.
struct DialogQuery {
    DWORD processId = GetCurrentProcessId();
    DWORD threadId = 0;
    const wchar_t* caption = nullptr;  // exact caption
    bool visibleOnly = true;
};

std::vector<HWND> FindDialogs(const DialogQuery& query);

// The first matching dialog once there is one, or null after timeoutMs.
HWND WaitForDialog(const DialogQuery& query, DWORD timeoutMs = kTestWaitMs);

// All matching dialogs once there are at least count of them, or fewer after
// timeoutMs.
std::vector<HWND> WaitForDialogs(const DialogQuery& query, size_t count, DWORD timeoutMs = kTestWaitMs);

// The window's text as its thread answers WM_GETTEXT.
std::wstring WindowText(HWND window);
std::wstring ControlText(HWND dialog, int controlId);

// Weight of the font the window draws with (WM_GETFONT), or -1 when it uses
// the system font.
LONG FontWeight(HWND window);
HFONT WindowFont(HWND window);

RECT WindowRect(HWND window);
LONG_PTR WindowStyle(HWND window);
LONG_PTR WindowExStyle(HWND window);

// Button state (BM_GETCHECK) as the dialog's thread answers it.
LRESULT CheckState(HWND dialog, int controlId);

// Presses a button as a click would (BM_CLICK posted to the button): auto
// check boxes toggle, the dialog gets BN_CLICKED.
void PressButton(HWND dialog, int controlId);
// Posts WM_COMMAND(controlId, BN_CLICKED) to the dialog itself.
void PostCommand(HWND dialog, int controlId);
// Posts WM_CLOSE, as the close box does.
void PostClose(HWND window);
// Posts a key press and release to the window, as typed while it has focus.
void PostKey(HWND window, UINT virtualKey);

// Returns once the window's thread has taken everything posted to it so far:
// a marker is posted behind it (the window's big icon, put back afterwards)
// and awaited. False when the window went away or did not answer in time.
// A sent message would not do: sent messages overtake posted ones.
bool Sync(HWND window);

bool WaitForWindowGone(HWND window, DWORD timeoutMs = kTestWaitMs);

// Threads of this process that exist right now, ended ones not counted. A
// thread counts from the moment CreateThread returns its handle.
int CountProcessThreads();

// The thread that runs a window, held open from construction so that its end
// can be awaited after the window and every other handle to it are gone.
class WindowThread {
public:
    explicit WindowThread(HWND window);
    ~WindowThread();
    WindowThread(const WindowThread&) = delete;
    WindowThread& operator=(const WindowThread&) = delete;

    DWORD id() const { return id_; }
    // True once the thread has ended; its exit code goes to exitCode.
    bool WaitForExit(DWORD* exitCode = nullptr, DWORD timeoutMs = kTestWaitMs);

private:
    DWORD id_;
    HANDLE handle_;
};
