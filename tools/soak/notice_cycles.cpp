#include "notice_cycles.h"

#include "process_figures.h"
#include "support/dialog_driver.h"
#include "support/fake_spooler.h"

namespace {

const DWORD kNoticeWaitMs = 10000;
const DWORD kCrowdWaitMs = 60000;
const int kWarningThirdButton = 285;
const int kJobStorageHelp = 1020;
const int kDuplexHelp = 1027;

// Every sixteenth notice has its Help button pressed before it closes, every
// fourth closes through its close box.
bool BHelpCycle(int cycle) { return cycle % 16 == 5; }
int CloseButton(int cycle) { return cycle % 4 == 3 ? 0 : IDOK; }

std::wstring Expect(const std::wstring& got, const wchar_t* wanted, const wchar_t* what) {
    if (got == wanted) return std::wstring();
    return std::wstring(what) + L" answered " + got + L" instead of " + wanted;
}

std::wstring PressHelp(HWND notice, int helpId) {
    PressButton(notice, helpId);
    return Sync(notice) ? std::wstring() : L"the notice hung after Help";
}

// Finds the notice, presses Help on some cycles and closes it.
std::wstring FindAndClose(NoticeKind kind, int cycle, int helpId, int button, bool threadEnds) {
    HWND notice = WaitForNotice(kind, kNoticeWaitMs);
    if (notice == 0) return L"no notice appeared";
    if (helpId != 0 && BHelpCycle(cycle)) {
        std::wstring problem = PressHelp(notice, helpId);
        if (!problem.empty()) return problem;
    }
    return CloseNotice(notice, button, threadEnds);
}

std::wstring WaitCaller(SoakContext& soak) {
    return soak.caller.WaitDone(kNoticeWaitMs) ? std::wstring() : L"the call did not return after the notice closed";
}

std::wstring CloseMessageBox() {
    HWND box = WaitForNotice(kDuplexMessageBox, kNoticeWaitMs);
    if (box == 0) return L"no message box before the modal instructions";
    return CloseNotice(box, IDOK, false);
}

DuplexPayload SoakDuplexRecord(const SoakContext& soak, BOOL modal) {
    return DuplexRecord(soak.Path(L"strings_full.dll"), soak.Path(L"evdlgx42.dll"), modal, soak.printer);
}

// First problem of a sequence of steps.
std::wstring First(std::initializer_list<std::wstring> problems) {
    for (const std::wstring& problem : problems) {
        if (!problem.empty()) return problem;
    }
    return std::wstring();
}

}  // namespace

std::wstring JobStorageCycle(SoakContext& soak, int cycle) {
    JobStoragePayload record = JobStorageRecord(soak.Path(L"strings_full.dll"));
    std::wstring answer;
    if (cycle % 2 == 0) {
        soak.module.jobStorageDialog(record);
    } else {
        answer = Expect(TakeResponse(soak.module.jobStorageEntry(&record)), L"Cancel", L"the receiving entry");
    }
    return First({answer, FindAndClose(kJobStorageNotice, cycle, kJobStorageHelp, CloseButton(cycle), true)});
}

std::wstring DuplexModalCycle(SoakContext& soak, int cycle) {
    DuplexPayload record = SoakDuplexRecord(soak, TRUE);
    std::wstring response;
    const bool entry = cycle % 2 == 1;
    if (entry) {
        soak.caller.Start([&] { response = TakeResponse(soak.module.duplexModalEntry(&record)); });
    } else {
        soak.caller.Start([&] { soak.module.displayDialog(record, soak.allowSend, 0); });
    }
    std::wstring problem = entry ? CloseMessageBox() : std::wstring();
    if (problem.empty()) problem = FindAndClose(kDuplexNotice, cycle, kDuplexHelp, CloseButton(cycle), false);
    if (problem.empty()) problem = WaitCaller(soak);
    if (problem.empty() && entry) problem = Expect(response, L"Cancel", L"the receiving entry");
    return problem;
}

std::wstring DuplexModelessCycle(SoakContext& soak, int cycle) {
    DuplexPayload record = SoakDuplexRecord(soak, FALSE);
    std::wstring answer;
    if (cycle % 2 == 0) {
        soak.module.displayDialog(record, soak.allowSend, 0);
    } else {
        answer = Expect(TakeResponse(soak.module.duplexModelessEntry(&record)), L"Cancel", L"the receiving entry");
    }
    return First({answer, FindAndClose(kDuplexNotice, cycle, kDuplexHelp, CloseButton(cycle), true)});
}

std::wstring WarningCycle(SoakContext& soak, int cycle) {
    static const int kButtons[] = {IDOK, IDCANCEL, kWarningThirdButton, 0};
    WarningPayload record = WarningRecord(soak.Path(L"strings_warning.dll"), cycle % 2 == 1);
    std::wstring response;
    soak.caller.Start([&] { response = TakeResponse(soak.module.jobUiEntry(&record)); });
    std::wstring problem = FindAndClose(kWarningNotice, cycle, 0, kButtons[cycle % 4], false);
    if (problem.empty()) problem = WaitCaller(soak);
    if (problem.empty()) problem = Expect(response, L"OK", L"the receiving entry");
    return problem;
}

std::wstring WarningDirectCycle(SoakContext& soak, int cycle) {
    static const int kButtons[] = {IDOK, IDCANCEL, kWarningThirdButton, 0};
    const int button = kButtons[cycle % 4];
    WarningPayload record = WarningRecord(soak.Path(L"strings_warning.dll"), cycle % 2 == 1);
    int result = -1;
    soak.caller.Start([&] { result = soak.module.showWarning(soak.printer, record, 0); });
    std::wstring problem = First({FindAndClose(kWarningNotice, cycle, 0, button, false), WaitCaller(soak)});
    const int expected = button == 0 ? IDCANCEL : button;  // the close box counts as Cancel
    if (problem.empty() && result != expected) problem = L"the warning returned " + std::to_wstring(result);
    return problem;
}

std::wstring CrossSessionCycle(SoakContext& soak, int cycle) {
    std::wstring problem;
    switch (cycle % 3) {
    case 0: {
        WarningPayload record = WarningRecord(soak.Path(L"strings_warning.dll"), cycle % 2 == 1);
        int result = -1;
        soak.caller.Start([&] { result = soak.module.showWarning(soak.printer, record, 0); });
        problem = First({FindAndClose(kWarningNotice, cycle, 0, cycle % 6 == 3 ? 0 : IDCANCEL, false),
                         WaitCaller(soak)});
        if (problem.empty() && result != 1) problem = L"the cross-session warning did not return 1";
        break;
    }
    case 1: {
        DuplexPayload record = SoakDuplexRecord(soak, TRUE);
        soak.caller.Start([&] { soak.module.displayDialog(record, TRUE, 0); });
        problem = First({CloseMessageBox(), FindAndClose(kDuplexNotice, cycle, 0, CloseButton(cycle), false),
                         WaitCaller(soak)});
        break;
    }
    default: {
        DuplexPayload record = SoakDuplexRecord(soak, FALSE);
        soak.caller.Start([&] { soak.module.displayDialog(record, TRUE, 0); });
        problem = First({FindAndClose(kDuplexNotice, cycle, 0, CloseButton(cycle), true), WaitCaller(soak)});
        break;
    }
    }
    if (problem.empty() && !FakeSpooler().WaitForHostIdle(kNoticeWaitMs)) problem = L"the host did not finish";
    if (problem.empty() && FakeSpooler().ChannelRecord().hostOutcome != kFakeHostAnswered) {
        problem = L"the host did not run the entry the document names";
    }
    return problem;
}

namespace {

// Notices of this process on screen now, of every kind.
std::vector<HWND> OpenNotices() {
    std::vector<HWND> open = FindNotices(kJobStorageNotice);
    for (NoticeKind kind : {kDuplexNotice, kWarningNotice}) {
        std::vector<HWND> more = FindNotices(kind);
        open.insert(open.end(), more.begin(), more.end());
    }
    return open;
}

// Starts the call that opens notice i of a round on its own thread.
void StartCrowdCall(SoakContext& soak, int i, const JobStoragePayload& jobStorage, const DuplexPayload& modal,
                    const DuplexPayload& modeless, const WarningPayload& warning) {
    const SoakModule& m = soak.module;
    switch (i % 4) {
    case 0:
        soak.crowd[i]->Start([&m, &jobStorage, i] {
            if (i % 8 == 0) {
                m.jobStorageDialog(jobStorage);
            } else {
                TakeResponse(m.jobStorageEntry(&jobStorage));
            }
        });
        break;
    case 1: soak.crowd[i]->Start([&m, &modal] { m.displayDialog(modal, FALSE, 0); }); break;
    case 2:
        soak.crowd[i]->Start([&m, &modeless, i] {
            if (i % 8 == 2) {
                m.displayDialog(modeless, FALSE, 0);
            } else {
                TakeResponse(m.duplexModelessEntry(&modeless));
            }
        });
        break;
    default: soak.crowd[i]->Start([&m, &warning] { TakeResponse(m.jobUiEntry(&warning)); }); break;
    }
}

}  // namespace

std::wstring ConcurrentRound(SoakContext& soak, int count, ProcessFigures* peak) {
    while (static_cast<int>(soak.crowd.size()) < count) soak.crowd.emplace_back(new CallerThread);
    const std::wstring strings = soak.Path(L"strings_full.dll");
    const JobStoragePayload jobStorage = JobStorageRecord(strings);
    const DuplexPayload modal = SoakDuplexRecord(soak, TRUE);
    const DuplexPayload modeless = SoakDuplexRecord(soak, FALSE);
    const WarningPayload warning = WarningRecord(soak.Path(L"strings_warning.dll"), false);

    // One call on each thread, each once the notice before it is on screen:
    // Wine 8 hangs or corrupts its heap when several threads create dialogs
    // at the same moment (docs/reliability.md), with or without this module.
    std::vector<HWND> open;
    bool allOpen = true;
    for (int i = 0; i < count && allOpen; ++i) {
        StartCrowdCall(soak, i, jobStorage, modal, modeless, warning);
        allOpen = WaitUntil([&] {
            open = OpenNotices();
            return static_cast<int>(open.size()) > i;
        }, kNoticeWaitMs);
    }
    *peak = MeasureProcess();

    // Press every button first, then wait: they close side by side.
    std::vector<std::unique_ptr<WindowThread>> threads;
    for (size_t i = 0; i < open.size(); ++i) {
        threads.emplace_back(new WindowThread(open[i]));
        if (i % 5 == 4) {
            PostClose(open[i]);
        } else {
            PressButton(open[i], IDOK);
        }
    }
    // Once something failed the run ends: the rest is looked at without waiting.
    std::wstring problem = allOpen ? std::wstring() : L"not every notice came on screen";
    auto wait = [&problem] { return problem.empty() ? kCrowdWaitMs : 0; };
    for (size_t i = 0; i < open.size(); ++i) {
        if (!WaitForWindowGone(open[i], wait()) && problem.empty()) problem = L"a notice did not close";
    }
    for (int i = 0; i < count; ++i) {
        if (!soak.crowd[i]->WaitDone(wait()) && problem.empty()) problem = L"a caller did not return";
    }
    for (size_t i = 0; i < threads.size(); ++i) {
        // The modal notices run on the callers' threads, which live on.
        if (threads[i]->id() == 0) continue;
        bool callerThread = false;
        for (const std::unique_ptr<CallerThread>& caller : soak.crowd) callerThread |= caller->Runs(threads[i]->id());
        if (!callerThread && !threads[i]->WaitForExit(nullptr, wait()) && problem.empty()) {
            problem = L"a notice's thread did not end";
        }
    }
    return problem;
}
