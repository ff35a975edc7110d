#include "time_to_visible.h"

#include <stdio.h>

#include "paint_watch.h"

namespace {

enum BaselineKind { kMessageBox, kEmptyDialog, kOwnTemplate, kBaselineCount };

// What a baseline showing needs, on whichever thread it runs.
struct Baseline {
    BaselineKind kind;
    std::wstring text;
    HINSTANCE instance;
    WORD templateId;
    SIZE size;
};

// A MessageBoxW text of the given length: plain sentences, cut there.
std::wstring MessageText(int characters) {
    const std::wstring sentence = L"The printer needs your attention before this job can go on. ";
    std::wstring text;
    while (static_cast<int>(text.size()) < characters) text += sentence;
    return text.substr(0, characters > 0 ? characters : 0);
}

// Takes the notice's window size, so that a grown notice meets a dialog of
// its final size.
INT_PTR CALLBACK EmptyDialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const SIZE* size = reinterpret_cast<const SIZE*>(lParam);
        SetWindowPos(dialog, 0, 0, 0, size->cx, size->cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    if (message == WM_CLOSE) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

DWORD WINAPI ShowBaseline(void* argument) {
    Baseline* baseline = static_cast<Baseline*>(argument);
    if (baseline->kind == kMessageBox) {
        MessageBoxW(0, baseline->text.c_str(), L"evdlg bench", MB_OK);
    } else {
        DialogBoxParamW(baseline->instance, MAKEINTRESOURCEW(baseline->templateId), 0, EmptyDialogProc,
                        reinterpret_cast<LPARAM>(&baseline->size));
    }
    return 0;
}

bool MeasureBaseline(bool ownThread, Baseline* baseline, Showing* showing) {
    auto show = [&] {
        if (!ownThread) {
            ShowBaseline(baseline);
            return;
        }
        HANDLE thread = StartWatchedThread(ShowBaseline, baseline);
        if (thread != 0) CloseHandle(thread);
    };
    if (baseline->kind == kMessageBox) return MeasureShowing(WM_COMMAND, IDOK, show, showing);
    return MeasureShowing(WM_CLOSE, 0, show, showing);
}

// Where the time of one kind of showing goes: five phases, each a list of
// durations over the runs.
struct Phases {
    std::vector<double> phase[5];

    void Add(const Showing& showing) {
        const Painted& p = showing.painted;
        double marks[6] = {showing.startMs, p.createdMs, p.initStartMs, p.initEndMs, p.firstPaintMs, p.atMs};
        for (int i = 0; i < 5; ++i) phase[i].push_back(marks[i + 1] - marks[i]);
    }

    void Print(const char* label) const {
        printf("  %-34s", label);
        for (int i = 0; i < 5; ++i) printf(" %9.2f", SpreadOf(phase[i]).median);
        printf("\n");
    }
};

struct NoticeFigures {
    Figure against[kBaselineCount];
    Phases notice;
    Phases baseline[kBaselineCount];
};

// One notice against its baselines: a first round warms the caches and tells
// the notice's size and amount of text, then repeats rounds of all four.
bool MeasureOneNotice(const NoticeModule& notices, const NoticeRecords& records, NoticeKind kind, int repeats,
                      NoticeFigures* figures) {
    const NoticeInfo& info = InfoOf(kind);
    auto showNotice = [&] { ShowNotice(notices, records, kind); };
    Showing notice;
    if (!MeasureShowing(WM_CLOSE, 0, showNotice, &notice)) return false;

    const Painted painted = notice.painted;
    Baseline baselines[kBaselineCount] = {
        {kMessageBox, MessageText(painted.textCharacters), 0, 0, painted.size},
        {kEmptyDialog, L"", GetModuleHandleW(0), info.bareTemplate, painted.size},
        {kOwnTemplate, L"", notices.module, info.ownTemplate, painted.size},
    };
    char name[96];
    snprintf(name, sizeof(name), "MessageBoxW, %d characters", painted.textCharacters);
    figures->against[kMessageBox].baseline = name;
    snprintf(name, sizeof(name), "empty dialog %ldx%ld px", painted.size.cx, painted.size.cy);
    figures->against[kEmptyDialog].baseline = name;
    snprintf(name, sizeof(name), "template %u, no-op procedure", info.ownTemplate);
    figures->against[kOwnTemplate].baseline = name;

    Showing baseline[kBaselineCount];
    for (int run = -1; run < repeats; ++run) {
        if (run >= 0 && !MeasureShowing(WM_CLOSE, 0, showNotice, &notice)) return false;
        for (int b = 0; b < kBaselineCount; ++b) {
            if (!MeasureBaseline(info.ownThread, &baselines[b], &baseline[b])) return false;
        }
        if (run < 0) continue;
        figures->notice.Add(notice);
        for (int b = 0; b < kBaselineCount; ++b) {
            figures->against[b].values.push_back(notice.paintedMs);
            figures->against[b].baselines.push_back(baseline[b].paintedMs);
            figures->baseline[b].Add(baseline[b]);
        }
    }
    return true;
}

}  // namespace

void ShowMessageBoxOf(int characters) {
    Baseline baseline = {kMessageBox, MessageText(characters), 0, 0, {0, 0}};
    ShowBaseline(&baseline);
}

std::vector<Figure> MeasureTimeToVisible(const NoticeModule& notices, const NoticeRecords& records, int repeats,
                                         bool* complete) {
    std::vector<NoticeFigures> all(kNoticeCount);
    for (int kind = 0; kind < kNoticeCount; ++kind) {
        std::string name = InfoOf(static_cast<NoticeKind>(kind)).name;
        NoticeFigures& figures = all[kind];
        figures.against[kMessageBox] = MakeFigure(name, "ms", "MessageBoxW");
        figures.against[kEmptyDialog] = MakeFigure(name, "ms", "empty dialog", Goal{kRatioAtMost, 1.25});
        figures.against[kOwnTemplate] = MakeFigure(name, "ms", "own template");
        if (!MeasureOneNotice(notices, records, static_cast<NoticeKind>(kind), repeats, &figures)) {
            PrintNote("  %s: a showing was not painted within %lu ms", name.c_str(), kShowTimeoutMs);
            for (Figure& figure : figures.against) figure.failed = true;
            *complete = false;
        }
    }

    PrintNote(
        "\nWhere the time goes (medians, ms):  call to window | controls created | WM_INITDIALOG |"
        " to first WM_PAINT | painting");
    std::vector<Figure> table;
    for (int kind = 0; kind < kNoticeCount; ++kind) {
        all[kind].notice.Print(InfoOf(static_cast<NoticeKind>(kind)).name);
        for (int b = 0; b < kBaselineCount; ++b) {
            all[kind].baseline[b].Print(("  " + all[kind].against[b].baseline).c_str());
            table.push_back(all[kind].against[b]);
        }
    }
    return table;
}
