#pragma once

#include <windows.h>

// How many threads this process has now (-1 when they cannot be listed):
// the module release threads show only as one more thread each.
LONG ThreadsOfThisProcess();
