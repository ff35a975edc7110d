#include "paint_watch.h"

#include <string.h>

#include <new>
#include <vector>

#include "bench_table.h"
#include "support/import_patch.h"

namespace {

const wchar_t kOriginalProcProperty[] = L"evdlg_bench.proc";

struct WatchState {
    volatile LONG armed;
    volatile LONG done;
    HWND volatile dialog;
    UINT closeMessage;
    WPARAM closeWParam;
    Painted painted;
    HANDLE paintedEvent;
};

WatchState g_watch;
CRITICAL_SECTION g_threadsLock;
std::vector<HANDLE> g_threads;
std::vector<ImportPatch*> g_patches;

bool IsDialogClass(HWND window) {
    wchar_t name[16] = {0};
    return GetClassNameW(window, name, 16) > 0 && lstrcmpW(name, L"#32770") == 0;
}

bool HasUpdateRegion(HWND window) { return GetUpdateRect(window, 0, FALSE) != FALSE; }

BOOL CALLBACK FindChildToPaint(HWND child, LPARAM found) {
    if (IsWindowVisible(child) && HasUpdateRegion(child)) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CountChildText(HWND child, LPARAM total) {
    if (IsWindowVisible(child)) *reinterpret_cast<int*>(total) += GetWindowTextLengthW(child);
    return TRUE;
}

bool FirstPaintComplete(HWND dialog) {
    if (!IsWindowVisible(dialog) || HasUpdateRegion(dialog)) return false;
    bool childToPaint = false;
    EnumChildWindows(dialog, FindChildToPaint, reinterpret_cast<LPARAM>(&childToPaint));
    return !childToPaint;
}

// Runs on the dialog's thread after a watched window returned from WM_PAINT.
void VCheckPaint() {
    HWND dialog = g_watch.dialog;
    if (!g_watch.armed || g_watch.done || dialog == 0 || !FirstPaintComplete(dialog)) return;
    double at = NowMs();
    if (InterlockedExchange(&g_watch.done, 1) != 0) return;
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(dialog, &rect);
    int characters = GetWindowTextLengthW(dialog);
    EnumChildWindows(dialog, CountChildText, reinterpret_cast<LPARAM>(&characters));
    g_watch.painted.atMs = at;
    g_watch.painted.size.cx = rect.right - rect.left;
    g_watch.painted.size.cy = rect.bottom - rect.top;
    g_watch.painted.textCharacters = characters;
    PostMessageW(dialog, g_watch.closeMessage, g_watch.closeWParam, 0);
    SetEvent(g_watch.paintedEvent);
}

LRESULT CALLBACK WatchedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WNDPROC original = reinterpret_cast<WNDPROC>(GetPropW(window, kOriginalProcProperty));
    bool measured = g_watch.armed && !g_watch.done;
    if (measured && message == WM_INITDIALOG && window == g_watch.dialog) g_watch.painted.initStartMs = NowMs();
    if (measured && message == WM_PAINT && g_watch.painted.firstPaintMs == 0) g_watch.painted.firstPaintMs = NowMs();
    LRESULT result = CallWindowProcW(original, window, message, wParam, lParam);
    if (measured && message == WM_INITDIALOG && window == g_watch.dialog) g_watch.painted.initEndMs = NowMs();
    if (message == WM_PAINT) VCheckPaint();
    if (message == WM_NCDESTROY) RemovePropW(window, kOriginalProcProperty);
    return result;
}

void VSubclass(HWND window) {
    LONG_PTR original = GetWindowLongPtrW(window, GWLP_WNDPROC);
    SetPropW(window, kOriginalProcProperty, reinterpret_cast<HANDLE>(original));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchedWindowProc));
}

LRESULT CALLBACK WatchWindowCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && g_watch.armed && !g_watch.done) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCTW* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        bool topLevel = (create->style & WS_CHILD) == 0;
        if (g_watch.dialog == 0 && topLevel && IsDialogClass(window)) {
            g_watch.dialog = window;
            g_watch.painted.createdMs = NowMs();
            VSubclass(window);
        } else if (g_watch.dialog != 0 && create->hwndParent == g_watch.dialog) {
            VSubclass(window);
        }
    }
    return CallNextHookEx(0, code, wParam, lParam);
}

struct ThreadStart {
    LPTHREAD_START_ROUTINE routine;
    void* parameter;
};

DWORD WINAPI RunWatchedThread(void* argument) {
    ThreadStart start = *static_cast<ThreadStart*>(argument);
    delete static_cast<ThreadStart*>(argument);
    HHOOK hook = SetWindowsHookExW(WH_CBT, WatchWindowCreation, 0, GetCurrentThreadId());
    DWORD code = start.routine(start.parameter);
    if (hook != 0) UnhookWindowsHookEx(hook);
    return code;
}

HANDLE WINAPI CreateWatchedThread(SECURITY_ATTRIBUTES* security, SIZE_T stackSize, LPTHREAD_START_ROUTINE routine,
                                  void* parameter, DWORD flags, DWORD* threadId) {
    ThreadStart* start = new (std::nothrow) ThreadStart{routine, parameter};
    if (start == 0) return 0;
    HANDLE thread = CreateThread(security, stackSize, RunWatchedThread, start, flags, threadId);
    if (thread == 0) {
        delete start;
        return 0;
    }
    HANDLE kept = 0;
    if (DuplicateHandle(GetCurrentProcess(), thread, GetCurrentProcess(), &kept, SYNCHRONIZE, FALSE, 0)) {
        EnterCriticalSection(&g_threadsLock);
        g_threads.push_back(kept);
        LeaveCriticalSection(&g_threadsLock);
    }
    return thread;
}

}  // namespace

bool InstallPaintWatch(const HMODULE* modules, int moduleCount) {
    InitializeCriticalSection(&g_threadsLock);
    g_watch.paintedEvent = CreateEventW(0, TRUE, FALSE, 0);
    SetWindowsHookExW(WH_CBT, WatchWindowCreation, 0, GetCurrentThreadId());
    bool all = true;
    for (int i = 0; i < moduleCount; ++i) {
        ImportPatch* patch =
            new ImportPatch(modules[i], "kernel32.dll", "CreateThread", reinterpret_cast<void*>(&CreateWatchedThread));
        all = all && patch->valid();
        g_patches.push_back(patch);
    }
    return all;
}

void RemovePaintWatch() {
    for (ImportPatch* patch : g_patches) delete patch;
    g_patches.clear();
}

void ArmPaintWatch(UINT closeMessage, WPARAM closeWParam) {
    g_watch.armed = 0;
    g_watch.dialog = 0;
    g_watch.done = 0;
    g_watch.closeMessage = closeMessage;
    g_watch.closeWParam = closeWParam;
    memset(&g_watch.painted, 0, sizeof(g_watch.painted));
    ResetEvent(g_watch.paintedEvent);
    InterlockedExchange(&g_watch.armed, 1);
}

bool WaitForPaint(DWORD timeoutMs, Painted* painted) {
    bool done = WaitForSingleObject(g_watch.paintedEvent, timeoutMs) == WAIT_OBJECT_0;
    InterlockedExchange(&g_watch.armed, 0);
    if (done) *painted = g_watch.painted;
    return done;
}

HANDLE StartWatchedThread(LPTHREAD_START_ROUTINE routine, void* parameter) {
    return CreateWatchedThread(0, 0, routine, parameter, 0, 0);
}

bool WaitForWatchedThreads(DWORD timeoutMs) {
    DWORD deadline = GetTickCount() + timeoutMs;
    bool all = true;
    EnterCriticalSection(&g_threadsLock);
    std::vector<HANDLE> threads;
    threads.swap(g_threads);
    LeaveCriticalSection(&g_threadsLock);
    for (HANDLE thread : threads) {
        DWORD now = GetTickCount();
        DWORD left = static_cast<LONG>(deadline - now) > 0 ? deadline - now : 0;
        all = WaitForSingleObject(thread, left) == WAIT_OBJECT_0 && all;
        CloseHandle(thread);
    }
    return all;
}
