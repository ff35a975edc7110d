#include "support/thread_gate.h"

#include "support/double_exports.h"

namespace {

const wchar_t kModule[] = L"thread_gate.dll";

ThreadGateApi Load() {
    ThreadGateApi api;
    api.Close = DoubleFunction<ThreadGateCloseFn>(kModule, "ThreadGateClose");
    api.Open = DoubleFunction<ThreadGateOpenFn>(kModule, "ThreadGateOpen");
    api.HeldCount = DoubleFunction<ThreadGateHeldCountFn>(kModule, "ThreadGateHeldCount");
    return api;
}

}  // namespace

const ThreadGateApi& ThreadGate() {
    static const ThreadGateApi api = Load();
    return api;
}
