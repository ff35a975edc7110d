#pragma once

// The control surface of the dialog gate (dialog_gate.dll of the test tree).
// The first call loads it into the process.

#include <windows.h>

#include "dialog_gate/dialog_gate_control.h"

// FALSE when the gate's hook could not be set.
BOOL DialogGateClose();
void DialogGateOpen();
// Dialogs held at their creation right now.
LONG DialogGateHeldCount();
