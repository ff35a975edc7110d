#pragma once

// The control surface of the help viewer double (hhctrl.ocx of the test tree,
// loaded through the DLL override). The first call loads it into the process.

#include <windows.h>

#include "help_viewer/help_viewer_control.h"

void HelpViewerReset();
LONG HelpViewerCallCount();
// FALSE when no call was recorded since the last reset.
BOOL HelpViewerLastCall(HelpViewerCall* call);
