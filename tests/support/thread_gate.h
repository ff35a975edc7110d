#pragma once

// The control surface of the thread gate (thread_gate.dll of the test tree).
// The first use loads it; only threads that start after that are held.

#include <windows.h>

#include "thread_gate/thread_gate_control.h"

struct ThreadGateApi {
    ThreadGateCloseFn Close;
    ThreadGateOpenFn Open;
    ThreadGateHeldCountFn HeldCount;
};

const ThreadGateApi& ThreadGate();
