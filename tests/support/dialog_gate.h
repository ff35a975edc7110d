#pragma once

// The control surface of the dialog gate (dialog_gate.dll of the test tree).
// The first use loads it.

#include <windows.h>

#include "dialog_gate/dialog_gate_control.h"

struct DialogGateApi {
    DialogGateCloseFn Close;
    DialogGateOpenFn Open;
    DialogGateHeldCountFn HeldCount;
};

const DialogGateApi& DialogGate();
