#include "send_in_background.h"

#include <gtest/gtest.h>

#include "asyncui/channel_session.h"

struct BackgroundSend::Call {
    bool printerGiven;
    std::wstring printerName;
    bool styleGiven;
    std::wstring style;
    std::vector<BYTE> document;
    HMODULE hReleaseModule;
    BOOL result;
};

DWORD WINAPI BackgroundSend::Run(void* parameter) {
    Call* call = static_cast<Call*>(parameter);
    call->result = BSendAsyncUIRequest(call->printerGiven ? call->printerName.c_str() : 0,
                                       call->styleGiven ? call->style.c_str() : 0,
                                       call->document.empty() ? 0 : call->document.data(),
                                       static_cast<DWORD>(call->document.size()), call->hReleaseModule);
    return 0;
}

BackgroundSend::BackgroundSend(const wchar_t* printerName, const wchar_t* style, const BYTE* document,
                               DWORD documentSize, HMODULE hReleaseModule)
    : call_(new Call()), thread_(0) {
    call_->printerGiven = printerName != 0;
    if (printerName) call_->printerName = printerName;
    call_->styleGiven = style != 0;
    if (style) call_->style = style;
    if (document) call_->document.assign(document, document + documentSize);
    call_->hReleaseModule = hReleaseModule;
    call_->result = -1;
    thread_ = CreateThread(0, 0, Run, call_, 0, 0);
}

BackgroundSend::~BackgroundSend() {
    if (Finished(0)) delete call_;
    if (thread_) CloseHandle(thread_);
}

bool BackgroundSend::Finished(DWORD timeoutMs) { return thread_ && WaitForSingleObject(thread_, timeoutMs) == WAIT_OBJECT_0; }

BOOL BackgroundSend::Result() const { return call_->result; }

BOOL SendWithin(DWORD timeoutMs, const wchar_t* printerName, const wchar_t* style, const BYTE* document,
                DWORD documentSize, HMODULE hReleaseModule) {
    BackgroundSend send(printerName, style, document, documentSize, hReleaseModule);
    if (!send.Finished(timeoutMs)) {
        ADD_FAILURE() << "BSendAsyncUIRequest still waits after " << timeoutMs << " ms";
        return 0;
    }
    return send.Result();
}
