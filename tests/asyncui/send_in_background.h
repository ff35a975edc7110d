#pragma once

// BSendAsyncUIRequest on a thread of its own, so that a test can bound how
// long it waits for the call instead of hanging with it.

#include <windows.h>

#include <string>
#include <vector>

class BackgroundSend {
public:
    BackgroundSend(const wchar_t* printerName, const wchar_t* style, const BYTE* document, DWORD documentSize,
                   HMODULE hReleaseModule);
    // A call still blocked keeps its state: it may still wake and use it.
    ~BackgroundSend();

    // True once the call has returned, waiting at most timeoutMs for it.
    bool Finished(DWORD timeoutMs);
    BOOL Result() const;

private:
    BackgroundSend(const BackgroundSend&);
    BackgroundSend& operator=(const BackgroundSend&);

    struct Call;
    static DWORD WINAPI Run(void* call);

    Call* call_;
    HANDLE thread_;
};

// Sends and waits at most timeoutMs; a call that does not return in time is
// a test failure, reported with what, and the result is then 0.
BOOL SendWithin(DWORD timeoutMs, const wchar_t* printerName, const wchar_t* style, const BYTE* document,
                DWORD documentSize, HMODULE hReleaseModule = 0);
