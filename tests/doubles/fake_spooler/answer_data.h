#pragma once

// The answer that comes back from the user's session, as a data object the
// callback acquires and releases.

#include <windows.h>

#include "asyncui/com_object.h"
#include "asyncui/print_async_notify.h"

class FakeAnswer : public ComObject<IPrintAsyncNotifyDataObject> {
public:
    // size bytes copied from bytes; flags are FakeAnswerFlags. Null when
    // there is no memory.
    static FakeAnswer* Create(const BYTE* bytes, DWORD size, DWORD flags);
    // text with its NUL.
    static FakeAnswer* FromText(const wchar_t* text, DWORD flags);

    HRESULT STDMETHODCALLTYPE AcquireData(BYTE** data, ULONG* size, PrintAsyncNotificationType** schema) override;
    HRESULT STDMETHODCALLTYPE ReleaseData() override;

private:
    FakeAnswer(DWORD flags);
    ~FakeAnswer() override;
    bool BPlaceBytes(const BYTE* bytes, DWORD size);

    DWORD flags_;
    BYTE* region_;  // VirtualAlloc: the bytes, then (kFakeAnswerAtPageEnd) one inaccessible page
    BYTE* bytes_;
    DWORD size_;
    PrintAsyncNotificationType schema_;
};
