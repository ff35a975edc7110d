#pragma once

// Runs a call that blocks (an entry that shows a modal dialog) on a thread of
// its own, so that the test thread can drive the dialog and wait for the call
// with a time bound instead of hanging with it.
//
//   BlockingCall call([&] { response = entry(&record); });
//   HWND dialog = WaitForDialog(DialogQuery());
//   PressButton(dialog, IDOK);
//   ASSERT_TRUE(call.Finished());

#include <windows.h>

#include <functional>

#include "support/wait.h"

class BlockingCall {
public:
    explicit BlockingCall(std::function<void()> call);
    // A call that never returned keeps its state alive: it may still wake.
    ~BlockingCall();
    BlockingCall(const BlockingCall&) = delete;
    BlockingCall& operator=(const BlockingCall&) = delete;

    // True once the call has returned, waiting at most timeoutMs.
    bool Finished(DWORD timeoutMs = kTestWaitMs);
    DWORD threadId() const { return threadId_; }

private:
    struct State;
    static DWORD WINAPI Run(void* state);

    State* state_;
    HANDLE thread_;
    DWORD threadId_;
    bool finished_;
};
