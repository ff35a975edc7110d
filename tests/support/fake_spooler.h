#pragma once

// The control surface of the fake spooler, looked up in the winspool.drv that
// the process has loaded (the test tree's own, through the DLL override).

#include <windows.h>

#include "fake_spooler/fake_spooler_control.h"

struct FakeSpoolerApi {
    FakeSpoolerResetFn Reset;
    FakeSpoolerAddPrinterFn AddPrinter;
    FakeSpoolerOpenHandleCountFn OpenHandleCount;
    FakeSpoolerIsHandleOpenFn IsHandleOpen;
    FakeSpoolerCallCountFn CallCount;
    FakeSpoolerSetChannelScriptFn SetChannelScript;
    FakeSpoolerSetAnswerTextFn SetAnswerText;
    FakeSpoolerSetHostModuleDirectoryFn SetHostModuleDirectory;
    FakeSpoolerReleaseHeldAnswerFn ReleaseHeldAnswer;
    FakeSpoolerWaitForHostIdleFn WaitForHostIdle;
    FakeSpoolerGetChannelRecordFn GetChannelRecord;
    FakeSpoolerCreateAnswerFn CreateAnswer;

    FakeChannelRecord ChannelRecord() const {
        FakeChannelRecord record;
        GetChannelRecord(&record);
        return record;
    }
};

// Aborts the test program when the loaded winspool.drv is not the fake one:
// every later result would be meaningless.
const FakeSpoolerApi& FakeSpooler();
