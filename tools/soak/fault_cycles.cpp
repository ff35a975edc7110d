#include "fault_cycles.h"

#include <string.h>
#include <wchar.h>

#include "preview_module/preview_module_record.h"
#include "support/dialog_driver.h"
#include "support/fake_spooler.h"

namespace {

const DWORD kNoticeWaitMs = 10000;
const wchar_t kAcceptingAnswer[] = kFakeAnswerTextStart L"OK" kFakeAnswerTextEnd;
const wchar_t kDuplexCaption[] = L"Print on Both Sides Instructions";

// Sends the warning across sessions under script; the result must be
// expected, and the send must end by itself.
std::wstring SendWarningUnder(SoakContext& soak, DWORD script, int expected) {
    FakeSpooler().SetChannelScript(script);
    FakeSpooler().SetAnswerText(kAcceptingAnswer);
    WarningPayload record = WarningRecord(soak.Path(L"strings_warning.dll"), false);
    int result = -1;
    soak.caller.Start([&] { result = soak.module.showWarning(soak.printer, record, 0); });
    if (!soak.caller.WaitDone(kNoticeWaitMs)) return L"the send did not return";
    if (!FakeSpooler().WaitForHostIdle(kNoticeWaitMs)) return L"the host did not finish";
    if (result != expected) return L"the send returned " + std::to_wstring(result);
    return std::wstring();
}

// The host holds its answer, so the sender must still be waiting; then the
// channel closes without any answer, which must end the wait with 0.
std::wstring ChannelClosesUnansweredCycle(SoakContext& soak, int) {
    FakeSpooler().SetChannelScript(kFakeChannelClosedWithoutData | kFakeChannelHoldAnswer);
    WarningPayload record = WarningRecord(soak.Path(L"strings_warning.dll"), false);
    int result = -1;
    soak.caller.Start([&] { result = soak.module.showWarning(soak.printer, record, 0); });
    const bool returnedEarly = soak.caller.WaitDone(20);
    FakeSpooler().ReleaseHeldAnswer();
    if (!soak.caller.WaitDone(kNoticeWaitMs)) return L"the send did not return after the channel closed";
    if (!FakeSpooler().WaitForHostIdle(kNoticeWaitMs)) return L"the host did not finish";
    if (returnedEarly) return L"the send returned before the channel closed";
    return result == 0 ? std::wstring() : L"the send returned " + std::to_wstring(result);
}

// A manual duplex notice with the given string and image modules and step
// pictures; returns its caption and default button's text.
std::wstring OpenAndCloseDuplex(SoakContext& soak, const std::wstring& strings, const std::wstring& images,
                                const DWORD (&pictures)[3], std::wstring* caption, std::wstring* button) {
    DuplexPayload record = DuplexRecord(strings, images, FALSE, 0);
    record.dwStep1Bitmap = pictures[0];
    record.dwStep2Bitmap = pictures[1];
    record.dwStep3Bitmap = pictures[2];
    soak.module.displayDialog(record, FALSE, 0);
    HWND notice = WaitForNotice(kDuplexNotice, kNoticeWaitMs);
    if (notice == 0) return L"no notice appeared";
    *caption = WindowText(notice);
    *button = ControlText(notice, IDOK);
    // Painted again from scratch: every picture is loaded and drawn once more.
    InvalidateRect(notice, 0, TRUE);
    if (!WaitUntil([&] { return !GetUpdateRect(notice, 0, FALSE); }, kNoticeWaitMs)) {
        return L"the notice was not painted";
    }
    return CloseNotice(notice, IDOK, true);
}

const DWORD kOwnPictures[3] = {105, 106, 108};

std::wstring CorruptStringModuleCycle(SoakContext& soak, int) {
    std::wstring caption, button;
    std::wstring problem = OpenAndCloseDuplex(soak, soak.Path(L"strings_corrupt.dll"), soak.Path(L"evdlgx42.dll"),
                                              kOwnPictures, &caption, &button);
    if (!problem.empty()) return problem;
    if (caption != kDuplexCaption || button != L"&OK") return L"not the English fallbacks: " + caption + L" / " + button;
    return std::wstring();
}

// Copies of a string module cut short: inside the headers, in the middle, and
// just before the end of the file.
std::vector<std::wstring> TruncatedModules(const SoakContext& soak) {
    static std::vector<std::wstring> paths;
    if (!paths.empty()) return paths;
    wchar_t temp[MAX_PATH] = {0};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring directory = std::wstring(temp) + L"evdlg_soak\\";
    CreateDirectoryW(directory.c_str(), 0);
    HANDLE source = CreateFileW(soak.Path(L"strings_full.dll").c_str(), GENERIC_READ, FILE_SHARE_READ, 0,
                                OPEN_EXISTING, 0, 0);
    if (source == INVALID_HANDLE_VALUE) return paths;
    std::vector<BYTE> bytes(GetFileSize(source, 0));
    DWORD read = 0;
    ReadFile(source, bytes.data(), static_cast<DWORD>(bytes.size()), &read, 0);
    CloseHandle(source);
    const DWORD lengths[] = {300, read / 2, read - 64};
    for (DWORD length : lengths) {
        const std::wstring path = directory + L"strings_cut_" + std::to_wstring(length) + L".dll";
        HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, 0, CREATE_ALWAYS, 0, 0);
        if (file == INVALID_HANDLE_VALUE) continue;
        DWORD written = 0;
        WriteFile(file, bytes.data(), length, &written, 0);
        CloseHandle(file);
        paths.push_back(path);
    }
    return paths;
}

std::wstring TruncatedStringModuleCycle(SoakContext& soak, int cycle) {
    const std::vector<std::wstring> modules = TruncatedModules(soak);
    if (modules.empty()) return L"cannot write the truncated string modules";
    std::wstring caption, button;
    std::wstring problem = OpenAndCloseDuplex(soak, modules[cycle % modules.size()], soak.Path(L"evdlgx42.dll"),
                                              kOwnPictures, &caption, &button);
    if (!problem.empty()) return problem;
    if (caption.empty() || button.empty()) return L"a text is missing";
    return std::wstring();
}

// Bitmaps of every wrong kind under the step identifiers (bad_bitmaps.dll).
std::wstring BadBitmapCycle(SoakContext& soak, int cycle) {
    static const DWORD kBad[] = {105, 106, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119};
    const size_t n = sizeof(kBad) / sizeof(kBad[0]);
    const DWORD pictures[3] = {kBad[cycle % n], kBad[(cycle + 1) % n], kBad[(cycle + 2) % n]};
    std::wstring caption, button;
    return OpenAndCloseDuplex(soak, soak.Path(L"strings_full.dll"), soak.Path(L"bad_bitmaps.dll"), pictures,
                              &caption, &button);
}

PreviewModuleRecord g_previewRecord;

// A preview request as the host delivers it: the record, then three list
// records linked 1, 1, 0.
struct PreviewRequest {
    PreviewPayload payload;
    PreviewEntry entries[3];
};

std::wstring PreviewCycle(SoakContext& soak, const wchar_t* printer, bool icd, BOOL moduleAnswer,
                          const wchar_t* expected) {
    memset(&g_previewRecord, 0, sizeof(g_previewRecord));
    g_previewRecord.answer = moduleAnswer;
    PreviewRequest request;
    memset(&request, 0, sizeof(request));
    wcsncpy(request.payload.szPrinterName, printer, 613);
    request.payload.dwEntryCount = 3;
    request.entries[0].pNext = &request.entries[1];
    request.entries[1].pNext = &request.entries[2];
    const SoakModule& m = soak.module;
    std::wstring answer = TakeResponse((icd ? m.previewIcdEntry : m.previewEntry)(&request.payload));
    if (answer != expected) return L"the preview entry answered " + answer;
    if (FakeSpooler().OpenHandleCount() != 1) return L"a printer handle was left open";  // the soak's own
    return std::wstring();
}

const wchar_t kPreviewRefuses[] = L"Orvantel Soak Preview (refuses)";
const wchar_t kPreviewPartial[] = L"Orvantel Soak Preview (plain function only)";

void AddPreviewPrinters(const SoakContext& soak) {
    static bool added = false;
    if (added) return;
    FakeSpooler().AddPrinter(kPreviewRefuses, soak.Path(L"preview_full\\driver.dll").c_str(), 0);
    FakeSpooler().AddPrinter(kPreviewPartial, soak.Path(L"preview_partial\\driver.dll").c_str(), 0);
    added = true;
}

// The preview module returns 0 at once: both entries answer "Cancel".
std::wstring PreviewReturnsZeroCycle(SoakContext& soak, int cycle) {
    AddPreviewPrinters(soak);
    return PreviewCycle(soak, kPreviewRefuses, cycle % 2 == 1, FALSE, L"Cancel");
}

// The preview module lacks BDisplayOVPrintPreviewICD: that entry answers
// "Cancel", the other one what the module says.
std::wstring PreviewWithoutExportCycle(SoakContext& soak, int cycle) {
    AddPreviewPrinters(soak);
    const bool icd = cycle % 2 == 1;
    return PreviewCycle(soak, kPreviewPartial, icd, TRUE, icd ? L"Cancel" : L"OK");
}

}  // namespace

extern "C" __declspec(dllexport) PreviewModuleRecord* __cdecl PreviewModuleRecorder() { return &g_previewRecord; }

void ResetChannelScript() {
    FakeSpooler().SetChannelScript(kFakeChannelAnswer);
    FakeSpooler().SetAnswerText(0);
}

std::vector<FaultRun> FaultRuns() {
    return {
        {L"fault_channel_closes_unanswered", ChannelClosesUnansweredCycle},
        {L"fault_answer_without_data",
         [](SoakContext& soak, int) { return SendWarningUnder(soak, kFakeChannelNullAnswerBytes, 0); }},
        {L"fault_acquire_data_fails",
         [](SoakContext& soak, int) { return SendWarningUnder(soak, kFakeChannelAcquireFails, 0); }},
        {L"fault_send_fails", [](SoakContext& soak, int) { return SendWarningUnder(soak, kFakeChannelSendFails, 0); }},
        {L"fault_no_channel", [](SoakContext& soak, int) { return SendWarningUnder(soak, kFakeChannelNone, 0); }},
        {L"fault_late_callbacks",
         [](SoakContext& soak, int) {
             return SendWarningUnder(soak, kFakeChannelAnswer | kFakeChannelAnswerTwice | kFakeChannelCloseAfterAnswer,
                                     1);
         }},
        {L"fault_corrupt_string_module", CorruptStringModuleCycle},
        {L"fault_truncated_string_module", TruncatedStringModuleCycle},
        {L"fault_bad_bitmaps", BadBitmapCycle},
        {L"fault_preview_returns_zero", PreviewReturnsZeroCycle},
        {L"fault_preview_without_export", PreviewWithoutExportCycle},
    };
}

std::wstring SpoolerWithoutChannelCycle(SoakContext& soak, int cycle) {
    int result = 0;
    if (cycle % 2 == 0) {
        WarningPayload record = WarningRecord(soak.Path(L"strings_warning.dll"), false);
        soak.caller.Start([&] { result = soak.module.showWarning(soak.printer, record, 0); });
    } else {
        DuplexPayload record = DuplexRecord(soak.Path(L"strings_full.dll"), soak.Path(L"evdlgx42.dll"), TRUE,
                                            soak.printer);
        soak.caller.Start([&] { soak.module.displayDialog(record, TRUE, 0); });
    }
    // Nothing can be sent, so nothing is waited for and nothing is shown.
    if (!soak.caller.WaitDone(kNoticeWaitMs)) return L"the send did not return";
    if (result != 0) return L"the send returned " + std::to_wstring(result);
    return FindNotices(kDuplexNotice).empty() ? std::wstring() : L"a notice appeared";
}
