#include "asyncui/async_notify_data_object.h"

#include <new>
#include <string.h>

#include "unique_resource.h"

namespace {

// A zero-filled local copy of size bytes, or null when there is no room.
BYTE* LocalCopy(const void* source, SIZE_T size) {
    UniqueLocal block = AllocZeroedLocal(size);
    if (!block) return 0;
    memcpy(block.get(), source, size);
    return static_cast<BYTE*>(block.release());
}

}  // namespace

AsyncNotifyDataObject::AsyncNotifyDataObject() : status(E_FAIL), data(0), dataSize(0), schema(0) {}

AsyncNotifyDataObject::~AsyncNotifyDataObject() {
    if (data != 0) LocalFree(data);
    if (schema != 0) LocalFree(schema);
}

AsyncNotifyDataObject* AsyncNotifyDataObject::Create(const BYTE* document, ULONG size,
                                                     const PrintAsyncNotificationType* notificationType) {
    AsyncNotifyDataObject* object = new (std::nothrow) AsyncNotifyDataObject();
    if (object == 0) return 0;
    bool copied = true;
    if (document != 0 && size != 0) {
        object->data = LocalCopy(document, size);
        object->dataSize = size;
        copied = object->data != 0;
    }
    if (copied && notificationType != 0) {
        object->schema = reinterpret_cast<PrintAsyncNotificationType*>(
            LocalCopy(notificationType, sizeof(PrintAsyncNotificationType)));
        copied = object->schema != 0;
    }
    if (!copied) {
        // An object without the document would send an empty request that
        // can never be answered: report no object at all.
        object->Release();
        return 0;
    }
    object->status = S_OK;
    return object;
}

HRESULT STDMETHODCALLTYPE AsyncNotifyDataObject::AcquireData(BYTE** dataOut, ULONG* sizeOut,
                                                             PrintAsyncNotificationType** schemaOut) {
    if (FAILED(status)) return status;
    if (dataOut == 0 || sizeOut == 0 || schemaOut == 0) return E_INVALIDARG;
    *dataOut = data;
    *sizeOut = dataSize;
    *schemaOut = schema;
    AddRef();
    return S_OK;
}

HRESULT STDMETHODCALLTYPE AsyncNotifyDataObject::ReleaseData() {
    HRESULT result = status;
    Release();
    return result;
}
