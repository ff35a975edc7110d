#include "caller_thread.h"

#include <utility>

CallerThread::CallerThread()
    : work_(CreateEventW(0, FALSE, FALSE, 0)),
      done_(CreateEventW(0, TRUE, TRUE, 0)),
      thread_(0),
      id_(0),
      stopping_(0) {
    if (work_ != 0 && done_ != 0) thread_ = CreateThread(0, 0, Run, this, 0, &id_);
}

CallerThread::~CallerThread() {
    if (thread_ != 0) {
        InterlockedExchange(&stopping_, 1);
        SetEvent(work_);
        // A call that never returned keeps its thread; the process ends anyway.
        if (WaitForSingleObject(thread_, 10000) == WAIT_OBJECT_0) CloseHandle(thread_);
    }
    if (work_ != 0) CloseHandle(work_);
    if (done_ != 0) CloseHandle(done_);
}

void CallerThread::Start(std::function<void()> call) {
    call_ = std::move(call);
    ResetEvent(done_);
    SetEvent(work_);
}

bool CallerThread::WaitDone(DWORD timeoutMs) { return WaitForSingleObject(done_, timeoutMs) == WAIT_OBJECT_0; }

DWORD WINAPI CallerThread::Run(void* self) {
    CallerThread* caller = static_cast<CallerThread*>(self);
    for (;;) {
        WaitForSingleObject(caller->work_, INFINITE);
        if (caller->stopping_) return 0;
        caller->call_();
        SetEvent(caller->done_);
    }
}
