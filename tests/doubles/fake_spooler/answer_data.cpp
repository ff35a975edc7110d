#include "answer_data.h"

#include <new>
#include <string.h>
#include <wchar.h>

#include "channel_state.h"
#include "fake_spooler_control.h"

namespace {

DWORD PageSize() {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
}

}  // namespace

FakeAnswer::FakeAnswer(DWORD flags) : flags_(flags), region_(0), bytes_(0), size_(0), schema_(ASYNC_UI_NOTIFICATION_TYPE) {
    channel_state::LockedRecord()->answersAlive++;
}

FakeAnswer::~FakeAnswer() {
    if (region_ != 0) VirtualFree(region_, 0, MEM_RELEASE);
    channel_state::LockedRecord()->answersAlive--;
}

bool FakeAnswer::BPlaceBytes(const BYTE* bytes, DWORD size) {
    const DWORD page = PageSize();
    const DWORD dataPages = (size + page - 1) / page + 1;
    region_ = static_cast<BYTE*>(VirtualAlloc(0, (dataPages + 1) * page, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (region_ == 0) return false;
    BYTE* guard = region_ + dataPages * page;
    DWORD old = 0;
    if (flags_ & kFakeAnswerAtPageEnd) VirtualProtect(guard, page, PAGE_NOACCESS, &old);
    bytes_ = (flags_ & kFakeAnswerAtPageEnd) ? guard - size : region_;
    if (size != 0) memcpy(bytes_, bytes, size);
    size_ = size;
    return true;
}

FakeAnswer* FakeAnswer::Create(const BYTE* bytes, DWORD size, DWORD flags) {
    FakeAnswer* answer = new (std::nothrow) FakeAnswer(flags);
    if (answer != 0 && !answer->BPlaceBytes(bytes, bytes ? size : 0)) {
        answer->Release();
        answer = 0;
    }
    return answer;
}

FakeAnswer* FakeAnswer::FromText(const wchar_t* text, DWORD flags) {
    return Create(reinterpret_cast<const BYTE*>(text), static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)), flags);
}

HRESULT STDMETHODCALLTYPE FakeAnswer::AcquireData(BYTE** data, ULONG* size, PrintAsyncNotificationType** schema) {
    if (flags_ & kFakeAnswerAcquireFails) return E_FAIL;
    if (data == 0 || size == 0 || schema == 0) return E_INVALIDARG;
    *data = (flags_ & kFakeAnswerNullBytes) ? 0 : bytes_;
    *size = size_;
    *schema = &schema_;
    AddRef();
    channel_state::LockedRecord()->answerAcquires++;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE FakeAnswer::ReleaseData() {
    channel_state::LockedRecord()->answerReleases++;
    Release();
    return S_OK;
}
