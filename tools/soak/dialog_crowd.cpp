// Whether the platform copes with dialogs created on several threads at the
// same moment; no part of evdlgx42 is involved. Each round starts N threads
// that each run a modal dialog from the same template (owned by the
// foreground window, or by none), waits until they are on screen, closes them
// all and waits for the threads to end. Exits with 1 at the first round whose
// threads do not end within 20 s. Under Wine 8.0 this hangs from N = 4 on
// unless each dialog is on screen before the next thread starts (--stagger);
// see docs/reliability.md.
//
//   evdlg_dialog_crowd [--threads N] [--rounds R] [--owner] [--stagger]

#include <windows.h>

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include <vector>

namespace {

const DWORD kRoundLimitMs = 20000;
bool g_owned = false;

struct Template {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
};
Template g_template;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_CLOSE) {
        EndDialog(dialog, 1);
        return TRUE;
    }
    return FALSE;
}

DWORD WINAPI ShowDialog(void*) {
    DialogBoxIndirectParamW(0, &g_template.dialog, g_owned ? GetForegroundWindow() : 0, DialogProc, 0);
    return 0;
}

std::vector<HWND> Dialogs() {
    std::vector<HWND> found;
    for (HWND window = 0; (window = FindWindowExW(0, window, L"#32770", 0)) != 0;) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId() && IsWindowVisible(window)) found.push_back(window);
    }
    return found;
}

bool WaitForDialogs(size_t count) {
    const DWORD start = GetTickCount();
    while (Dialogs().size() < count) {
        if (GetTickCount() - start > kRoundLimitMs) return false;
        Sleep(2);
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int threads = 16, rounds = 20;
    bool stagger = false;
    for (int i = 1; i < argc; ++i) {
        if (wcscmp(argv[i], L"--threads") == 0 && i + 1 < argc) threads = _wtoi(argv[++i]);
        else if (wcscmp(argv[i], L"--rounds") == 0 && i + 1 < argc) rounds = _wtoi(argv[++i]);
        else if (wcscmp(argv[i], L"--owner") == 0) g_owned = true;
        else if (wcscmp(argv[i], L"--stagger") == 0) stagger = true;
    }
    memset(&g_template, 0, sizeof(g_template));
    g_template.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    g_template.dialog.cx = 100;
    g_template.dialog.cy = 50;

    for (int round = 0; round < rounds; ++round) {
        std::vector<HANDLE> started;
        for (int i = 0; i < threads; ++i) {
            started.push_back(CreateThread(0, 0, ShowDialog, 0, 0, 0));
            if (stagger) WaitForDialogs(i + 1);
        }
        const bool allShown = WaitForDialogs(threads);
        for (HWND dialog : Dialogs()) PostMessageW(dialog, WM_CLOSE, 0, 0);
        const bool ended = WaitForMultipleObjects(threads, started.data(), TRUE, kRoundLimitMs) == WAIT_OBJECT_0;
        wprintf(L"round %d: %d threads, %ls shown, %ls\n", round, threads, allShown ? L"all" : L"NOT ALL",
                ended ? L"all ended" : L"NOT ALL ENDED (hang)");
        fflush(stdout);
        if (!ended) return 1;  // the hung threads stay; the process is abandoned
        for (HANDLE thread : started) CloseHandle(thread);
    }
    return 0;
}
