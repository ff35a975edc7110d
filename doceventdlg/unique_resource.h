#pragma once

// Move-only owners for the handles the module holds. put() releases what is
// held before handing out the address, so an out-parameter never leaks the
// earlier handle.

#include <windows.h>
#include <winspool.h>

template <typename Traits>
class UniqueResource {
public:
    typedef typename Traits::Type Type;

    UniqueResource() : value_(Traits::Invalid()) {}
    explicit UniqueResource(Type value) : value_(value) {}
    ~UniqueResource() { reset(); }

    UniqueResource(UniqueResource&& other) : value_(other.release()) {}
    UniqueResource& operator=(UniqueResource&& other) {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;

    Type get() const { return value_; }
    bool valid() const { return value_ != Traits::Invalid(); }
    explicit operator bool() const { return valid(); }

    Type release() {
        Type value = value_;
        value_ = Traits::Invalid();
        return value;
    }
    void reset(Type value = Traits::Invalid()) {
        Type old = value_;
        value_ = value;
        if (old != Traits::Invalid()) Traits::Close(old);
    }
    Type* put() {
        reset();
        return &value_;
    }

private:
    Type value_;
};

struct LocalMemoryTraits {
    typedef HLOCAL Type;
    static Type Invalid() { return 0; }
    static void Close(Type h) { LocalFree(h); }
};
struct ModuleTraits {
    typedef HMODULE Type;
    static Type Invalid() { return 0; }
    static void Close(Type h) { FreeLibrary(h); }
};
struct KernelHandleTraits {
    typedef HANDLE Type;
    static Type Invalid() { return 0; }
    static void Close(Type h) { CloseHandle(h); }
};
struct RegistryKeyTraits {
    typedef HKEY Type;
    static Type Invalid() { return 0; }
    static void Close(Type h) { RegCloseKey(h); }
};
struct PrinterTraits {
    typedef HANDLE Type;
    static Type Invalid() { return 0; }
    static void Close(Type h) { ClosePrinter(h); }
};
struct GdiObjectTraits {
    typedef HGDIOBJ Type;
    static Type Invalid() { return 0; }
    static void Close(Type h) { DeleteObject(h); }
};
struct MemoryDcTraits {
    typedef HDC Type;
    static Type Invalid() { return 0; }
    static void Close(Type h) { DeleteDC(h); }
};

typedef UniqueResource<LocalMemoryTraits> UniqueLocal;
typedef UniqueResource<ModuleTraits> UniqueModule;
typedef UniqueResource<KernelHandleTraits> UniqueHandle;
typedef UniqueResource<RegistryKeyTraits> UniqueKey;
typedef UniqueResource<PrinterTraits> UniquePrinter;
typedef UniqueResource<GdiObjectTraits> UniqueGdiObject;
typedef UniqueResource<MemoryDcTraits> UniqueMemoryDc;

// A zero-filled local-heap block, the documented carrier of records,
// documents, paths and printer information.
inline UniqueLocal AllocZeroedLocal(SIZE_T bytes) {
    return UniqueLocal(LocalAlloc(LMEM_ZEROINIT, bytes));
}
