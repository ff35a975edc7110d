#pragma once

// The control surface of the help viewer double (hhctrl.ocx of the test tree,
// loaded through the DLL override). The first use loads it into the process.

#include <windows.h>

#include "help_viewer/help_viewer_control.h"

struct HelpViewerApi {
    HelpViewerResetFn Reset;
    HelpViewerCallCountFn CallCount;
    HelpViewerLastCallFn LastCall;
};

const HelpViewerApi& HelpViewer();
