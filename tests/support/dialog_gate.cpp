#include "support/dialog_gate.h"

#include "support/double_exports.h"

namespace {

const wchar_t kModule[] = L"dialog_gate.dll";

}  // namespace

BOOL DialogGateClose() { return DoubleFunction<DialogGateCloseFn>(kModule, "DialogGateClose")(); }

void DialogGateOpen() { DoubleFunction<DialogGateOpenFn>(kModule, "DialogGateOpen")(); }

LONG DialogGateHeldCount() { return DoubleFunction<DialogGateHeldCountFn>(kModule, "DialogGateHeldCount")(); }
