#include "notices.h"

#include <string.h>
#include <wchar.h>

#include "bench_dialogs.h"
#include "bench_texts.h"

namespace {

const NoticeInfo kNotices[kNoticeCount] = {
    {"job storage", true, BENCH_BARE_JOB_STORAGE, 102},
    {"duplex modal", false, BENCH_BARE_DUPLEX, 101},
    {"duplex modeless", true, BENCH_BARE_DUPLEX, 101},
    {"warning short", false, BENCH_BARE_WARNING, 261},
    {"warning long", false, BENCH_BARE_WARNING, 261},
};

const wchar_t kShortMessage[] = L"The toner cartridge is low. Printing goes on for now.";
const wchar_t kLongSentence[] =
    L"The toner cartridge is low and the printer may soon stop printing. Keep a new cartridge at hand. ";

// Copies text into a record's field of capacity units, cut and terminated.
void CopyField(wchar_t* field, size_t capacity, const wchar_t* text) {
    wcsncpy(field, text, capacity - 1);
    field[capacity - 1] = 0;
}

template <typename Fn>
void FindEntry(HMODULE module, const char* name, Fn* entry) {
    *entry = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

void MakeJobStorage(const std::wstring& strings, JobStoragePayload* record) {
    memset(record, 0, sizeof(*record));
    CopyField(record->szUserName, 17, L"jsmith");
    CopyField(record->szJobName, 17, L"Quarterly");
    CopyField(record->szLocationLine1, 256, L"Printer storage: Orvantel Office 4200");
    CopyField(record->szLocationLine2, 256, L"Folder: jsmith");
    CopyField(record->szLocationLine3, 256, L"Print it at the printer's panel.");
    CopyField(record->szSettingsKey, 38, L"Bench");
    record->dwJobNameFlag1 = 1;
    record->dwJobNameFlag2 = 1;
    CopyField(record->szStringModule, 256, strings.c_str());
}

void MakeDuplex(const std::wstring& strings, DWORD modal, DuplexPayload* record) {
    memset(record, 0, sizeof(*record));
    CopyField(record->szStringModule, 256, strings.c_str());
    CopyField(record->szImageModule, 256, BinPath(L"evdlgx42.dll").c_str());
    record->dwStep1Bitmap = 105;
    record->dwStep1Text = BT_DUPLEX_STEP1;
    record->dwStep2Bitmap = 106;
    record->dwStep2Text = BT_DUPLEX_STEP2;
    record->dwStep3Bitmap = 108;
    record->dwStep3Text = BT_DUPLEX_STEP3_INSERT;
    record->bModal = modal;
}

void MakeWarning(const std::wstring& strings, const std::wstring& message, WarningPayload* record) {
    memset(record, 0, sizeof(*record));
    record->dwTitleText = BT_WARNING_CAPTION;
    record->dwShowDialog = 1;
    CopyField(record->szMessage, 1024, message.c_str());
    record->dwOkText = BT_WARNING_OK;
    record->dwCancelText = BT_WARNING_CANCEL;
    record->dwThirdButtonText = BT_WARNING_THIRD;
    record->bShowCheckBox = 1;
    CopyField(record->szStringModule, 256, strings.c_str());
}

}  // namespace

std::wstring BinPath(const wchar_t* fileName) {
    wchar_t path[MAX_PATH] = {0};
    GetModuleFileNameW(0, path, MAX_PATH);
    std::wstring directory(path);
    return directory.substr(0, directory.find_last_of(L'\\') + 1) + fileName;
}

bool LoadNoticeModule(NoticeModule* notices) {
    notices->module = LoadLibraryW(BinPath(L"evdlgx42.dll").c_str());
    if (notices->module == 0) return false;
    FindEntry(notices->module, "VJobStorageDialog", &notices->jobStorage);
    FindEntry(notices->module, "VDisplayDialog", &notices->displayDialog);
    FindEntry(notices->module, "EvtDlgAsyncUIEntryPointJobUI", &notices->warningEntry);
    FindEntry(notices->module, "IShowWarningDialog", &notices->showWarning);
    return notices->jobStorage && notices->displayDialog && notices->warningEntry && notices->showWarning;
}

const NoticeInfo& InfoOf(NoticeKind kind) { return kNotices[kind]; }

void MakeNoticeRecords(const wchar_t* stringModule, NoticeRecords* records) {
    std::wstring strings = BinPath(stringModule);
    MakeJobStorage(strings, &records->jobStorage);
    MakeDuplex(strings, 1, &records->duplexModal);
    MakeDuplex(strings, 0, &records->duplexModeless);
    MakeWarning(strings, kShortMessage, &records->warningShort);
    std::wstring longMessage;
    while (longMessage.size() < 400) longMessage += kLongSentence;
    MakeWarning(strings, longMessage.substr(0, 400), &records->warningLong);
}

void ShowNotice(const NoticeModule& notices, const NoticeRecords& records, NoticeKind kind) {
    switch (kind) {
    case kJobStorage: notices.jobStorage(records.jobStorage); break;
    case kDuplexModal: notices.displayDialog(records.duplexModal, FALSE, 0); break;
    case kDuplexModeless: notices.displayDialog(records.duplexModeless, FALSE, 0); break;
    case kWarningShort: notices.warningEntry(&records.warningShort); break;
    case kWarningLong: notices.warningEntry(&records.warningLong); break;
    default: break;
    }
}
