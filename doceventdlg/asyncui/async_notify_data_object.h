#pragma once

// The document on its way to the user's session: the object owns its own
// copies of the bytes and of the notification type, so the sender may free
// its document as soon as the send returns.

#include <windows.h>

#include "asyncui/com_object.h"
#include "asyncui/print_async_notify.h"

class AsyncNotifyDataObject : public ComObject<IPrintAsyncNotifyDataObject> {
public:
    // A new object (count 1, the caller's) holding copies of size bytes of
    // document and of notificationType. A null document or a zero size gives
    // an object with no data and size 0, a null type one with no schema.
    // Null when the object or one of its copies cannot be allocated.
    static AsyncNotifyDataObject* Create(const BYTE* document, ULONG size,
                                         const PrintAsyncNotificationType* notificationType);

    // The object's own data pointer, size and schema (never copies) with a
    // reference that ReleaseData gives up. E_INVALIDARG for a null out pointer.
    HRESULT STDMETHODCALLTYPE AcquireData(BYTE** data, ULONG* size, PrintAsyncNotificationType** schema) override;
    HRESULT STDMETHODCALLTYPE ReleaseData() override;

private:
    AsyncNotifyDataObject();
    ~AsyncNotifyDataObject() override;

    HRESULT status;  // E_FAIL until built
    BYTE* data;      // LocalAlloc, owned
    ULONG dataSize;
    PrintAsyncNotificationType* schema;  // LocalAlloc, owned
};
