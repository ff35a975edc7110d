#pragma once

// A thread of the soak program that makes the calls which block until a
// notice closes (modal dialogs, cross-session sends), while the main thread
// finds the notice and presses its buttons. It lives for the whole run, so
// the soak's own threads do not come and go with the cycles.

#include <windows.h>

#include <functional>

class CallerThread {
public:
    CallerThread();
    ~CallerThread();
    CallerThread(const CallerThread&) = delete;
    CallerThread& operator=(const CallerThread&) = delete;

    bool started() const { return thread_ != 0; }
    bool Runs(DWORD threadId) const { return threadId == id_; }
    // Hands the call to the thread; the previous one must be done.
    void Start(std::function<void()> call);
    // True once the call has returned.
    bool WaitDone(DWORD timeoutMs);

private:
    static DWORD WINAPI Run(void* self);

    std::function<void()> call_;
    HANDLE work_;
    HANDLE done_;
    HANDLE thread_;
    DWORD id_;
    volatile LONG stopping_;
};
