#pragma once

// Members that every dialog context carries for the driver and that nothing in
// this module fills; only their release rules matter here.

#include <windows.h>

#include "driverdata/pointer_array.h"

// Six blocks from the general-purpose allocator.
struct DriverOwnedRecord {
    DriverOwnedRecord() {
        for (int i = 0; i < 6; ++i) apBlocks[i] = 0;
    }
    ~DriverOwnedRecord() {
        for (int i = 0; i < 6; ++i) delete[] apBlocks[i];
    }
    char* apBlocks[6];
};

// Owns two local-heap blocks.
struct DriverEntryItem {
    DriverEntryItem() : hFirst(0), hSecond(0) {}
    ~DriverEntryItem() {
        if (hFirst != 0) LocalFree(hFirst);
        if (hSecond != 0) LocalFree(hSecond);
    }
    HLOCAL hFirst;
    HLOCAL hSecond;
};

// Owns a local-heap block and its items; the block goes first.
struct DriverEntry {
    DriverEntry() : hBlock(0) {}
    ~DriverEntry() {
        if (hBlock != 0) LocalFree(hBlock);
        hBlock = 0;
        items.VDeleteAll();
    }
    HLOCAL hBlock;
    PointerArray<DriverEntryItem> items;
};
