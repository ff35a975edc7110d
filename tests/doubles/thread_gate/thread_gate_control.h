#pragma once

// The thread gate (thread_gate.dll of the test tree): while it is closed,
// every thread that starts in the process waits in its thread-attach
// notification, before its own routine runs, until the gate opens or
// kThreadGateMaxWaitMs pass. Lets a test see what an entry does before the
// thread it started gets anywhere.

#include <windows.h>

const DWORD kThreadGateMaxWaitMs = 10000;

typedef void(__cdecl* ThreadGateCloseFn)();
typedef void(__cdecl* ThreadGateOpenFn)();
typedef LONG(__cdecl* ThreadGateHeldCountFn)();  // threads waiting right now
