#pragma once

#include <windows.h>

// Runs the manual duplex instructions for a heap copy of a DuplexPayload (a
// LocalAlloc block whose ownership it takes) and releases everything after
// the dialog: owned by the foreground window when the record asks for a modal
// dialog, template 104 for a right-to-left interface language. Called directly
// for modal dialogs and as a thread's start routine for modeless ones.
DWORD WINAPI DuplexThreadProc(void* copy);
