#include "support/fake_spooler.h"

#include <stdio.h>
#include <stdlib.h>

namespace {

template <typename Fn>
void Resolve(HMODULE spooler, const char* name, Fn* fn) {
    *fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(spooler, name)));
    if (*fn == 0) {
        fprintf(stderr, "winspool.drv in this process is not the test spooler (no %s)\n", name);
        abort();
    }
}

FakeSpoolerApi Load() {
    HMODULE spooler = LoadLibraryW(L"winspool.drv");
    FakeSpoolerApi api;
    Resolve(spooler, "FakeSpoolerReset", &api.Reset);
    Resolve(spooler, "FakeSpoolerAddPrinter", &api.AddPrinter);
    Resolve(spooler, "FakeSpoolerOpenHandleCount", &api.OpenHandleCount);
    Resolve(spooler, "FakeSpoolerIsHandleOpen", &api.IsHandleOpen);
    Resolve(spooler, "FakeSpoolerCallCount", &api.CallCount);
    Resolve(spooler, "FakeSpoolerSetChannelScript", &api.SetChannelScript);
    Resolve(spooler, "FakeSpoolerSetAnswerText", &api.SetAnswerText);
    Resolve(spooler, "FakeSpoolerSetHostModuleDirectory", &api.SetHostModuleDirectory);
    Resolve(spooler, "FakeSpoolerReleaseHeldAnswer", &api.ReleaseHeldAnswer);
    Resolve(spooler, "FakeSpoolerWaitForHostIdle", &api.WaitForHostIdle);
    Resolve(spooler, "FakeSpoolerGetChannelRecord", &api.GetChannelRecord);
    Resolve(spooler, "FakeSpoolerCreateAnswer", &api.CreateAnswer);
    return api;
}

}  // namespace

const FakeSpoolerApi& FakeSpooler() {
    static const FakeSpoolerApi api = Load();
    return api;
}
