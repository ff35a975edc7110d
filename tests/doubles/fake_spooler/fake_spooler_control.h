#pragma once

// What a test tells the fake spooler (winspool.drv of the test tree) and asks
// it back. The functions are cdecl exports of that module; tests reach them
// through FakeSpooler() in tests/support.

#include <windows.h>

enum FakePrinterFlags {
    kFakePrinterNormal = 0,
    kFakePrinterNoDriverInfo = 1,        // the level-3 size query answers 0
    kFakePrinterDriverInfoFails = 2,     // the size query works, the fetch fails
    kFakePrinterNoPrinterInfo = 4,       // the level-4 size query answers 0
    kFakePrinterNullDriverPath = 8,      // pDriverPath is null
};

typedef void(__cdecl* FakeSpoolerResetFn)();
typedef BOOL(__cdecl* FakeSpoolerAddPrinterFn)(const wchar_t* name, const wchar_t* driverPath, DWORD flags);
typedef LONG(__cdecl* FakeSpoolerOpenHandleCountFn)();
typedef BOOL(__cdecl* FakeSpoolerIsHandleOpenFn)(HANDLE printer);
typedef LONG(__cdecl* FakeSpoolerCallCountFn)(const char* function);
