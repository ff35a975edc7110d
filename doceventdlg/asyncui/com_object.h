#pragma once

// IUnknown for an object that implements one interface: an interlocked count
// that starts at 1 (the creator's reference) and deletes the object at 0.

#include <windows.h>
#include <unknwn.h>

template <typename Interface>
class ComObject : public Interface {
public:
    // E_POINTER for a null out pointer; otherwise *object is set, to null with
    // E_NOINTERFACE unless iid is Interface's (tested first) or IUnknown's.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (object == 0) return E_POINTER;
        *object = 0;
        if (!IsEqualGUID(iid, __uuidof(Interface)) && !IsEqualGUID(iid, __uuidof(IUnknown))) return E_NOINTERFACE;
        *object = static_cast<Interface*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refCount_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG count = InterlockedDecrement(&refCount_);
        if (count == 0) delete this;
        return static_cast<ULONG>(count);
    }

protected:
    ComObject() : refCount_(1) {}
    virtual ~ComObject() {}

private:
    ComObject(const ComObject&);
    ComObject& operator=(const ComObject&);

    LONG volatile refCount_;
};
