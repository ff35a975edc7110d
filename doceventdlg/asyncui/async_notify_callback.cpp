#include "asyncui/async_notify_callback.h"

#include <new>

#include "asyncui/module_release_thread.h"

AsyncNotifyCallback::AsyncNotifyCallback() : answerCode(ANSWER_NONE), hAnswerEvent(0), hReleaseModule(0) {}

AsyncNotifyCallback::~AsyncNotifyCallback() {
    if (hAnswerEvent != 0) CloseHandle(hAnswerEvent);
}

AsyncNotifyCallback* AsyncNotifyCallback::Create() { return new (std::nothrow) AsyncNotifyCallback(); }

BOOL AsyncNotifyCallback::BSetAnswerEvent(HANDLE event) {
    HANDLE duplicate = 0;
    if (event == 0 || !DuplicateHandle(GetCurrentProcess(), event, GetCurrentProcess(), &duplicate, 0, FALSE,
                                       DUPLICATE_SAME_ACCESS)) {
        return FALSE;
    }
    HANDLE earlier = InterlockedExchangePointer(&hAnswerEvent, duplicate);
    if (earlier != 0) CloseHandle(earlier);
    return TRUE;
}

void AsyncNotifyCallback::VSetReleaseModule(HMODULE module) {
    InterlockedExchangePointer(reinterpret_cast<void* volatile*>(&hReleaseModule), module);
}

AnswerCode AsyncNotifyCallback::GetAnswerCode() const {
    return static_cast<AnswerCode>(InterlockedCompareExchange(const_cast<LONG volatile*>(&answerCode), 0, 0));
}

HRESULT AsyncNotifyCallback::AcquireAndClassify(IPrintAsyncNotifyDataObject* answer) {
    BYTE* bytes = 0;
    ULONG size = 0;
    PrintAsyncNotificationType* schema = 0;
    HRESULT result = answer->AcquireData(&bytes, &size, &schema);
    if (FAILED(result)) return result;
    if (bytes != 0) {
        AnswerCode code = ClassifyAnswer(reinterpret_cast<const wchar_t*>(bytes), size / sizeof(wchar_t));
        InterlockedExchange(&answerCode, code);
    }
    return result;
}

void AsyncNotifyCallback::VSignalAnswer() {
    if (!SetEvent(hAnswerEvent)) OutputDebugStringA("OnEventNotify: SetEvent failed !!!\n");
}

void AsyncNotifyCallback::VStartModuleRelease() {
    HMODULE module = static_cast<HMODULE>(
        InterlockedExchangePointer(reinterpret_cast<void* volatile*>(&hReleaseModule), 0));
    if (module != 0) BStartModuleReleaseThread(module);
}

HRESULT STDMETHODCALLTYPE AsyncNotifyCallback::OnEventNotify(IPrintAsyncNotifyChannel* /*channel*/,
                                                             IPrintAsyncNotifyDataObject* answer) {
    if (answer == 0) {
        VSignalAnswer();
        return E_FAIL;
    }
    HRESULT result = AcquireAndClassify(answer);
    if (FAILED(result)) {
        VSignalAnswer();
        return result;
    }
    answer->ReleaseData();
    VSignalAnswer();
    VStartModuleRelease();
    return result;
}

HRESULT STDMETHODCALLTYPE AsyncNotifyCallback::ChannelClosed(IPrintAsyncNotifyChannel* channel,
                                                             IPrintAsyncNotifyDataObject* answer) {
    HRESULT result = S_OK;
    if (channel == 0) {
        result = E_FAIL;
    } else if (answer != 0) {
        result = AcquireAndClassify(answer);
    }
    VSignalAnswer();
    if (channel != 0 && answer != 0 && SUCCEEDED(result)) answer->ReleaseData();
    return result;
}
