#include "working_set.h"

#include <psapi.h>
#include <stdio.h>
#include <string.h>

#include "paint_watch.h"
#include "time_to_visible.h"

namespace {

const DWORD kChildTimeoutMs = 60000;

DWORD RunChild(int kind, int characters) {
    wchar_t self[MAX_PATH] = {0};
    GetModuleFileNameW(0, self, MAX_PATH);
    wchar_t commandLine[MAX_PATH + 64];
    _snwprintf(commandLine, MAX_PATH + 64, L"\"%ls\" --child %d %d", self, kind, characters);
    commandLine[MAX_PATH + 63] = 0;
    STARTUPINFOW startup;
    memset(&startup, 0, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process;
    if (!CreateProcessW(self, commandLine, 0, 0, FALSE, 0, 0, 0, &startup, &process)) return 0;
    DWORD peakKb = 0;
    if (WaitForSingleObject(process.hProcess, kChildTimeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &peakKb);
    } else {
        TerminateProcess(process.hProcess, 0);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return peakKb;
}

}  // namespace

std::vector<Figure> MeasurePeakWorkingSet(const NoticeModule& notices, const NoticeRecords& records, int repeats) {
    std::vector<Figure> figures;
    for (int kind = 0; kind < kNoticeCount; ++kind) {
        Figure figure = MakeFigure(InfoOf(static_cast<NoticeKind>(kind)).name, "KB", "process showing MessageBoxW");
        Showing showing;
        figure.failed = !MeasureShowing(
            WM_CLOSE, 0, [&] { ShowNotice(notices, records, static_cast<NoticeKind>(kind)); }, &showing);
        for (int run = 0; run < repeats && !figure.failed; ++run) {
            DWORD notice = RunChild(kind, 0);
            DWORD messageBox = RunChild(kNoticeCount, showing.painted.textCharacters);
            figure.failed = notice == 0 || messageBox == 0;
            figure.values.push_back(notice);
            figure.baselines.push_back(messageBox);
        }
        figures.push_back(figure);
    }
    return figures;
}

int RunWorkingSetChild(int kind, int characters) {
    NoticeModule notices = {0, 0, 0, 0, 0};
    NoticeRecords records;
    bool notice = kind >= 0 && kind < kNoticeCount;
    if (notice && !LoadNoticeModule(&notices)) return 0;
    HMODULE watched[] = {notices.module};
    InstallPaintWatch(watched, notice ? 1 : 0);
    MakeNoticeRecords(L"bench_strings_us.dll", &records);
    Showing showing;
    bool shown = notice
                     ? MeasureShowing(
                           WM_CLOSE, 0, [&] { ShowNotice(notices, records, static_cast<NoticeKind>(kind)); }, &showing)
                     : MeasureShowing(
                           WM_COMMAND, IDOK, [&] { ShowMessageBoxOf(characters); }, &showing);
    PROCESS_MEMORY_COUNTERS counters;
    memset(&counters, 0, sizeof(counters));
    counters.cb = sizeof(counters);
    if (!shown || !GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters))) return 0;
    return static_cast<int>(counters.PeakWorkingSetSize / 1024);
}
