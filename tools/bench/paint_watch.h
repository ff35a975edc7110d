#pragma once

// When is a dialog on screen? The watch hooks window creation (WH_CBT) on the
// threads that show dialogs: the bench's own threads and every thread that a
// watched module (the notices' DLL, the host double) starts, found by
// patching that module's import of CreateThread. It subclasses the first
// top-level dialog window created after Arm() and the controls created inside
// it. After each WM_PAINT any of them returns, it checks the dialog: visible,
// and no update region left on it nor on any visible child. The first time
// that holds is the end of the dialog's first complete paint; the watch takes
// the time, posts the closing message to the dialog and signals the waiter.
// The same method measures the notices and the platform's dialogs alike.

#include <windows.h>

#include "bench_table.h"

// Hooks the calling thread, and every thread that one of the modules starts
// from now on. False when a module's import of CreateThread was not found.
bool InstallPaintWatch(const HMODULE* modules, int moduleCount);
// Undoes the import patches (the calling thread stays hooked).
void RemovePaintWatch();

// Watches for the next dialog; message/wParam are posted to it once painted.
void ArmPaintWatch(UINT closeMessage, WPARAM closeWParam);

struct Painted {
    // NowMs() when the dialog window was created, when its WM_INITDIALOG began
    // and returned, when the first watched window began WM_PAINT, and at the
    // end of the first complete paint.
    double createdMs;
    double initStartMs;
    double initEndMs;
    double firstPaintMs;
    double atMs;
    SIZE size;           // the dialog's window size then
    int textCharacters;  // characters in the texts of the dialog and its visible controls
};

// Waits up to timeoutMs for the armed dialog's first complete paint.
bool WaitForPaint(DWORD timeoutMs, Painted* painted);

// Starts routine on a thread that the watch hooks (as if a watched module had
// started it).
HANDLE StartWatchedThread(LPTHREAD_START_ROUTINE routine, void* parameter);

// Waits up to timeoutMs for every thread started through the watch to end.
bool WaitForWatchedThreads(DWORD timeoutMs);

// How long a showing may take before the bench gives up on it.
const DWORD kShowTimeoutMs = 10000;

struct Showing {
    double startMs;     // NowMs() at the call of show
    double paintedMs;   // from the call of show to the end of the first complete paint
    double returnedMs;  // from the call of show to its return
    Painted painted;
};

// One showing: arms the watch, calls show, waits for the dialog's first
// complete paint and for every thread started meanwhile to end. False when
// no dialog was painted within kShowTimeoutMs.
template <typename Show>
bool MeasureShowing(UINT closeMessage, WPARAM closeWParam, Show show, Showing* showing) {
    ArmPaintWatch(closeMessage, closeWParam);
    double start = NowMs();
    show();
    showing->startMs = start;
    showing->returnedMs = NowMs() - start;
    bool shown = WaitForPaint(kShowTimeoutMs, &showing->painted);
    bool ended = WaitForWatchedThreads(kShowTimeoutMs);
    showing->paintedMs = showing->painted.atMs - start;
    return shown && ended;
}
