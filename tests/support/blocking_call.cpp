#include "support/blocking_call.h"

struct BlockingCall::State {
    std::function<void()> call;
};

BlockingCall::BlockingCall(std::function<void()> call)
    : state_(new State{std::move(call)}), thread_(nullptr), threadId_(0), finished_(false) {
    thread_ = CreateThread(nullptr, 0, Run, state_, 0, &threadId_);
}

BlockingCall::~BlockingCall() {
    if (thread_ == nullptr) {
        delete state_;
        return;
    }
    if (Finished(0)) delete state_;  // else leaked on purpose: the thread may still use it
    CloseHandle(thread_);
}

bool BlockingCall::Finished(DWORD timeoutMs) {
    if (!finished_ && thread_ != nullptr) finished_ = WaitForSingleObject(thread_, timeoutMs) == WAIT_OBJECT_0;
    return finished_;
}

DWORD WINAPI BlockingCall::Run(void* state) {
    static_cast<State*>(state)->call();
    return 0;
}
