#include "support/dialog_gate.h"

#include "support/double_exports.h"

namespace {

const wchar_t kModule[] = L"dialog_gate.dll";

DialogGateApi Load() {
    DialogGateApi api;
    api.Close = DoubleFunction<DialogGateCloseFn>(kModule, "DialogGateClose");
    api.Open = DoubleFunction<DialogGateOpenFn>(kModule, "DialogGateOpen");
    api.HeldCount = DoubleFunction<DialogGateHeldCountFn>(kModule, "DialogGateHeldCount");
    return api;
}

}  // namespace

const DialogGateApi& DialogGate() {
    static const DialogGateApi api = Load();
    return api;
}
