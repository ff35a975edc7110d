// Soak and load run of evdlgx42.dll under the platform (or Wine): notices
// opened and closed through their buttons thousands of times, many of them at
// once, sends over the cross-session road, and fault runs; before and after
// each phase the process's handles, GDI and USER objects, threads and heap
// blocks are counted. Prints the figures and exits with 1 when any figure
// grew or a notice misbehaved. Runs beside the test spooler in the build's
// bin directory: tools/run-soak starts it.
//
//   evdlg_soak [--cycles N] [--warmup N] [--rounds N] [--open N] [--fault-cycles N] [--phases a,b,...]

#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <functional>
#include <string>
#include <vector>

#include "fault_cycles.h"
#include "notice_cycles.h"
#include "process_figures.h"
#include "support/fake_spooler.h"

namespace {

struct Options {
    int cycles = 10000;
    int warmup = 100;
    int rounds = 20;
    int open = 64;
    int faultCycles = 500;
    std::wstring phases;  // empty: all that this spooler allows
};

typedef std::function<std::wstring(SoakContext&, int)> Cycle;

struct Phase {
    const wchar_t* name;
    Cycle cycle;
    int cycles;
    int warmup;
};

bool BSelected(const Options& options, const wchar_t* name) {
    if (options.phases.empty()) return true;
    const std::wstring list = L"," + options.phases + L",";
    return list.find(std::wstring(L",") + name + L",") != std::wstring::npos;
}

Options ParseOptions(int argc, wchar_t** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring name = argv[i];
        const wchar_t* value = argv[i + 1];
        if (name == L"--cycles") options.cycles = _wtoi(value);
        else if (name == L"--warmup") options.warmup = _wtoi(value);
        else if (name == L"--rounds") options.rounds = _wtoi(value);
        else if (name == L"--open") options.open = _wtoi(value);
        else if (name == L"--fault-cycles") options.faultCycles = _wtoi(value);
        else if (name == L"--phases") options.phases = value;
        else fwprintf(stderr, L"unknown option %ls\n", name.c_str());
    }
    return options;
}

// Lets what the last cycle started finish: the host's threads, and threads
// that are leaving the module.
void Settle() {
    FakeSpooler().WaitForHostIdle(10000);
    Sleep(200);
}

void Print(const std::wstring& line) {
    wprintf(L"%ls\n", line.c_str());
    fflush(stdout);
}

// Warm-up cycles, then the counted ones between two measurements. False when
// a cycle failed or a figure grew.
bool BRunPhase(SoakContext& soak, const Phase& phase) {
    for (int i = 0; i < phase.warmup; ++i) {
        std::wstring problem = phase.cycle(soak, i);
        if (!problem.empty()) {
            Print(std::wstring(phase.name) + L": warm-up cycle " + std::to_wstring(i) + L" failed: " + problem);
            return false;
        }
    }
    Settle();
    const ProcessFigures before = MeasureProcess(true);
    const ULONGLONG start = GetTickCount64();
    for (int i = 0; i < phase.cycles; ++i) {
        std::wstring problem = phase.cycle(soak, phase.warmup + i);
        if (!problem.empty()) {
            Print(std::wstring(phase.name) + L": cycle " + std::to_wstring(i) + L" failed: " + problem);
            return false;
        }
        if ((i + 1) % 1000 == 0 && i + 1 < phase.cycles) {
            Print(std::wstring(L"  ") + phase.name + L" " + std::to_wstring(i + 1) + L" cycles: " +
                  FigureChanges(before, MeasureProcess()));
        }
    }
    const ULONGLONG elapsed = GetTickCount64() - start;
    Settle();
    const ProcessFigures after = MeasureProcess();
    const std::wstring grown = GrownFigures(before, after);
    wchar_t head[160];
    swprintf(head, 160, L"%-28ls %6d cycles %7.1f s %7.1f ms/cycle  ", phase.name, phase.cycles, elapsed / 1000.0,
             phase.cycles ? static_cast<double>(elapsed) / phase.cycles : 0.0);
    Print(std::wstring(head) + FigureChanges(before, after) + (grown.empty() ? L"  no growth" : L"  GREW: " + grown));
    if (after.gdiObjects > before.gdiObjects) Print(L"  GDI objects not there before: " + NewGdiObjects());
    return grown.empty();
}

bool BChannelAvailable() {
    return GetProcAddress(GetModuleHandleW(L"winspool.drv"), "CreatePrintAsyncNotifyChannel") != 0;
}

DWORD PlatformMajorVersion() {
    OSVERSIONINFOW version;
    version.dwOSVersionInfoSize = sizeof(version);
    return GetVersionExW(&version) ? version.dwMajorVersion : 0;
}

std::vector<Phase> Phases(const Options& options, ProcessFigures* peak) {
    std::vector<Phase> phases;
    if (PlatformMajorVersion() < 6) {
        // Nothing is sent below version 6: the sending entries show the notices here.
        phases.push_back({L"duplex_modal_direct", DuplexModalCycle, options.cycles, options.warmup});
        phases.push_back({L"duplex_modeless_direct", DuplexModelessCycle, options.cycles, options.warmup});
        phases.push_back({L"warning_direct", WarningDirectCycle, options.cycles, options.warmup});
        return phases;
    }
    if (!BChannelAvailable()) {
        // Beside the spooler without the channel function only the sends can be tried.
        phases.push_back({L"fault_spooler_without_channel", SpoolerWithoutChannelCycle, options.faultCycles,
                          options.warmup});
        return phases;
    }
    const int open = options.open;
    phases.push_back({L"concurrent_notices",
                      [open, peak](SoakContext& soak, int) { return ConcurrentRound(soak, open, peak); },
                      options.rounds, 1});
    phases.push_back({L"job_storage", JobStorageCycle, options.cycles, options.warmup});
    phases.push_back({L"duplex_modal", DuplexModalCycle, options.cycles, options.warmup});
    phases.push_back({L"duplex_modeless", DuplexModelessCycle, options.cycles, options.warmup});
    phases.push_back({L"warning", WarningCycle, options.cycles, options.warmup});
    phases.push_back({L"cross_session", CrossSessionCycle, options.cycles, options.warmup});
    for (const FaultRun& fault : FaultRuns()) {
        phases.push_back({fault.name, fault.cycle, options.faultCycles, options.warmup});
    }
    return phases;
}

// Wine keeps up to 64 cached device contexts for GetDC and BeginPaint and
// never deletes one; a new entry is made whenever more are in use at once
// than the cache holds free. Holding 64 at once here fills it before any
// baseline, so that the phase that first paints the most windows at once does
// not show the cache as growth.
void FillDeviceContextCache() {
    const int kCacheSize = 64;
    HWND windows[kCacheSize] = {0};
    HDC contexts[kCacheSize] = {0};
    for (int i = 0; i < kCacheSize; ++i) {
        windows[i] = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, 0, 0, 0, 0);
        contexts[i] = windows[i] ? GetDC(windows[i]) : 0;
    }
    for (int i = 0; i < kCacheSize; ++i) {
        if (contexts[i] != 0) ReleaseDC(windows[i], contexts[i]);
        if (windows[i] != 0) DestroyWindow(windows[i]);
    }
}

// Wine makes the brush of a system colour the first time anything asks for
// it (a window class's background, a control's colours) and keeps it for the
// life of the process; a notice painted at the wrong moment can make one in
// the middle of a phase. All of them are made here, before any baseline.
void MakeSystemColourBrushes() {
    for (int colour = 0; colour <= COLOR_MENUBAR; ++colour) GetSysColorBrush(colour);
}

bool BPrepare(SoakContext& soak) {
    soak.directory = ModuleDirectory();
    if (!BLoadSoakModule(soak.directory, &soak.module)) {
        Print(L"cannot load evdlgx42.dll with its nine entries from " + soak.directory);
        return false;
    }
    FakeSpooler().Reset();
    FakeSpooler().AddPrinter(kSoakPrinter, (soak.directory + L"driver.dll").c_str(), 0);
    FakeSpooler().SetHostModuleDirectory(soak.directory.c_str());
    soak.printer = 0;
    soak.allowSend = PlatformMajorVersion() < 6;
    if (!OpenPrinterW(const_cast<wchar_t*>(kSoakPrinter), &soak.printer, 0) || !soak.caller.started()) {
        Print(L"cannot open the test spooler's printer or start the caller thread");
        return false;
    }
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const Options options = ParseOptions(argc, argv);
    SoakContext soak;
    if (!BPrepare(soak)) return 2;
    FillDeviceContextCache();
    MakeSystemColourBrushes();
    Print(L"at the start: " + FigureLine(MeasureProcess()));
    Print(L"figures taken as follows:\n" + FigureSources());

    ProcessFigures peak = {};
    bool clean = true;
    for (const Phase& phase : Phases(options, &peak)) {
        if (!BSelected(options, phase.name)) continue;
        ResetChannelScript();
        clean = BRunPhase(soak, phase) && clean;
        if (std::wstring(phase.name) == L"concurrent_notices") {
            Print(L"  while " + std::to_wstring(options.open) + L" notices were open: " + FigureLine(peak));
        }
    }
    ClosePrinter(soak.printer);
    Print(clean ? L"RESULT: every phase passed with no growth" : L"RESULT: FAILED");
    return clean ? 0 : 1;
}
