#pragma once

// The dialog gate (dialog_gate.dll of the test tree). While it is closed it
// holds every dialog window (class #32770) of the process at its creation,
// before the window is shown, until the gate opens or kDialogGateMaxHoldMs
// pass. Lets a test see what an entry did before the notice it started could
// reach the screen.

#include <windows.h>

const DWORD kDialogGateMaxHoldMs = 10000;

typedef BOOL(__cdecl* DialogGateCloseFn)();  // FALSE when the hook could not be set
typedef void(__cdecl* DialogGateOpenFn)();
typedef LONG(__cdecl* DialogGateHeldCountFn)();  // dialogs held right now
