#pragma once

// The test tree's print spooler (winspool.drv loaded through the DLL
// override), whose asynchronous notification channel plays the platform's
// asynchronous print UI host: the gallery shows the cross-session road
// through it. On a platform whose own spooler is loaded it is absent.

#include <windows.h>

#include <string>

#include "fake_spooler/fake_spooler_control.h"

class SpoolerDouble {
public:
    // True when the winspool.drv of this process is the test spooler.
    bool Load();
    bool loaded() const { return loaded_; }

    // A fresh spooler with one printer, whose host loads the receiving
    // entries' module from hostDirectory; the printer's open handle, or null.
    HANDLE OpenFreshPrinter(const std::wstring& hostDirectory);
    void ClosePrinterHandle(HANDLE printer);

    // Waits (bounded) until the host has finished, then reads what went over
    // the channel.
    void ReadChannel(FakeChannelRecord* record);

    static const wchar_t* PrinterName();

private:
    typedef BOOL(WINAPI* OpenPrinterFn)(LPWSTR, LPHANDLE, LPPRINTER_DEFAULTSW);
    typedef BOOL(WINAPI* ClosePrinterFn)(HANDLE);

    bool loaded_ = false;
    FakeSpoolerResetFn reset_ = nullptr;
    FakeSpoolerAddPrinterFn addPrinter_ = nullptr;
    FakeSpoolerSetHostModuleDirectoryFn setHostDirectory_ = nullptr;
    FakeSpoolerWaitForHostIdleFn waitForHostIdle_ = nullptr;
    FakeSpoolerGetChannelRecordFn getChannelRecord_ = nullptr;
    OpenPrinterFn openPrinter_ = nullptr;
    ClosePrinterFn closePrinter_ = nullptr;
};
