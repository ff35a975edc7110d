#pragma once

// A growable array that owns the objects its pointers name: destroying it
// deletes each non-null element in index order, then frees the storage.
template <typename T>
class PointerArray {
public:
    PointerArray() : pStorage(0), count(0), capacity(0), growStep(0) {}
    ~PointerArray() { VDeleteAll(); }

    void VDeleteAll() {
        for (unsigned i = 0; i < count; ++i) delete pStorage[i];
        delete[] pStorage;
        pStorage = 0;
        count = 0;
        capacity = 0;
    }

    T** pStorage;
    unsigned count;
    unsigned capacity;
    unsigned growStep;

private:
    PointerArray(const PointerArray&);
    PointerArray& operator=(const PointerArray&);
};
