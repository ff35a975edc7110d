#include "round_trip.h"

#include <winspool.h>

#include "fake_spooler/fake_spooler_control.h"
#include "paint_watch.h"

namespace {

const double kPauseAfterAnswerMs = 50;
const wchar_t kPrinter[] = L"Orvantel Bench Printer";

struct HostDouble {
    FakeSpoolerResetFn reset;
    FakeSpoolerAddPrinterFn addPrinter;
    FakeSpoolerWaitForHostIdleFn waitForHostIdle;
    FakeSpoolerSetAnswerTextFn setAnswerText;
};

template <typename Fn>
Fn Control(HMODULE spooler, const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(spooler, name)));
}

bool FindHostDouble(HostDouble* host) {
    HMODULE spooler = GetModuleHandleW(L"winspool.drv");
    if (spooler == 0) return false;
    host->reset = Control<FakeSpoolerResetFn>(spooler, "FakeSpoolerReset");
    host->addPrinter = Control<FakeSpoolerAddPrinterFn>(spooler, "FakeSpoolerAddPrinter");
    host->waitForHostIdle = Control<FakeSpoolerWaitForHostIdleFn>(spooler, "FakeSpoolerWaitForHostIdle");
    host->setAnswerText = Control<FakeSpoolerSetAnswerTextFn>(spooler, "FakeSpoolerSetAnswerText");
    return host->reset && host->addPrinter && host->waitForHostIdle && host->setAnswerText;
}

struct DirectCall {
    const NoticeModule* notices;
    const WarningPayload* record;
};

DWORD WINAPI CallEntry(void* argument) {
    const DirectCall* call = static_cast<const DirectCall*>(argument);
    call->notices->warningEntry(call->record);
    return 0;
}

// The transport alone: the host answers "OK" at once without running an
// entry, against the sender's pause by itself.
Figure MeasureTransport(const NoticeModule& notices, const HostDouble& host, HANDLE printer,
                        const WarningPayload& record, int repeats) {
    Figure figure = MakeFigure("warning sent, answered at once", "ms", "Sleep(50) alone", Goal{kExcessAtMost, 10});
    host.setAnswerText(kFakeAnswerTextStart L"OK" kFakeAnswerTextEnd);
    for (int run = -1; run < repeats; ++run) {
        double start = NowMs();
        notices.showWarning(printer, record, 0);
        double sent = NowMs() - start;
        if (!host.waitForHostIdle(kShowTimeoutMs)) {
            figure.failed = true;
            break;
        }
        start = NowMs();
        Sleep(static_cast<DWORD>(kPauseAfterAnswerMs));
        double pause = NowMs() - start;
        if (run < 0) continue;
        figure.values.push_back(sent);
        figure.baselines.push_back(pause);
    }
    host.setAnswerText(0);
    return figure;
}

}  // namespace

std::vector<Figure> MeasureRoundTrip(const NoticeModule& notices, const NoticeRecords& records, int repeats) {
    const std::string sent = "warning sent, less the 50 ms pause";
    std::vector<Figure> figures;
    figures.push_back(MakeFigure(sent, "ms", "direct call of the entry", Goal{kExcessAtMost, 10}));
    figures.push_back(MakeFigure(sent, "ms", "direct call on a new thread"));
    HostDouble host;
    if (!FindHostDouble(&host)) {
        PrintNote("  winspool.drv in this process is not the host double: no round trip to measure");
        return std::vector<Figure>();
    }
    host.reset();
    HANDLE printer = 0;
    if (!host.addPrinter(kPrinter, L"C:\\drivers\\orvdrv.dll", kFakePrinterNormal) ||
        !OpenPrinterW(const_cast<wchar_t*>(kPrinter), &printer, 0)) {
        for (Figure& figure : figures) figure.failed = true;
        return figures;
    }
    const WarningPayload& record = records.warningShort;
    DirectCall call = {&notices, &record};
    auto send = [&] { notices.showWarning(printer, record, 0); };
    auto direct = [&] { CallEntry(&call); };
    auto directOnThread = [&] {
        HANDLE thread = StartWatchedThread(CallEntry, &call);
        if (thread != 0) WaitForSingleObject(thread, kShowTimeoutMs);
        if (thread != 0) CloseHandle(thread);
    };
    Showing viaHost, called, calledOnThread;
    // The first round warms the caches; it is not counted.
    for (int run = -1; run < repeats; ++run) {
        bool measured = MeasureShowing(WM_CLOSE, 0, send, &viaHost) && host.waitForHostIdle(kShowTimeoutMs) &&
                        MeasureShowing(WM_CLOSE, 0, direct, &called) &&
                        MeasureShowing(WM_CLOSE, 0, directOnThread, &calledOnThread);
        if (!measured) {
            for (Figure& figure : figures) figure.failed = true;
            break;
        }
        if (run < 0) continue;
        for (Figure& figure : figures) figure.values.push_back(viaHost.returnedMs - kPauseAfterAnswerMs);
        figures[0].baselines.push_back(called.returnedMs);
        figures[1].baselines.push_back(calledOnThread.returnedMs);
    }
    figures.push_back(MeasureTransport(notices, host, printer, record, repeats));
    ClosePrinter(printer);
    return figures;
}
