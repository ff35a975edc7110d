#include "soak_module.h"

#include <stdlib.h>
#include <string.h>
#include <wchar.h>

#include "string_modules/warning_texts.h"
#include "support/dialog_driver.h"

namespace {

template <typename Fn>
bool BResolve(HMODULE module, const char* name, Fn* fn) {
    *fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return *fn != 0;
}

template <size_t N>
void Put(WCHAR (&field)[N], const std::wstring& text) {
    wcsncpy(field, text.c_str(), N - 1);
    field[N - 1] = 0;
}

// A control that only that kind of notice has.
int IdentifyingControl(NoticeKind kind) {
    switch (kind) {
    case kJobStorageNotice: return 1025;  // the user name field
    case kDuplexNotice: return 1001;      // the introduction
    case kWarningNotice: return 1033;     // the message
    case kDuplexMessageBox: return 0;
    }
    return 0;
}

// The message box the modal receiving entry shows before its dialog.
bool IsDuplexMessageBox(HWND dialog) {
    if (GetDlgItem(dialog, 1001) != 0 || GetDlgItem(dialog, 1033) != 0 || GetDlgItem(dialog, 1025) != 0) {
        return false;
    }
    return GetDlgItem(dialog, IDOK) != 0;
}

}  // namespace

bool BLoadSoakModule(const std::wstring& directory, SoakModule* m) {
    m->module = LoadLibraryW((directory + L"evdlgx42.dll").c_str());
    if (m->module == 0) return false;
    return BResolve(m->module, "EvtDlgAsyncUIEntryPointJobStorage", &m->jobStorageEntry) &&
           BResolve(m->module, "EvtDlgAsyncUIEntryPointJobUI", &m->jobUiEntry) &&
           BResolve(m->module, "EvtDlgAsyncUIEntryPointManualDuplexModal", &m->duplexModalEntry) &&
           BResolve(m->module, "EvtDlgAsyncUIEntryPointManualDuplexModeless", &m->duplexModelessEntry) &&
           BResolve(m->module, "EvtDlgAsyncUIEntryPointPrintPreview", &m->previewEntry) &&
           BResolve(m->module, "EvtDlgAsyncUIEntryPointPrintPreviewICD", &m->previewIcdEntry) &&
           BResolve(m->module, "IShowWarningDialog", &m->showWarning) &&
           BResolve(m->module, "VDisplayDialog", &m->displayDialog) &&
           BResolve(m->module, "VJobStorageDialog", &m->jobStorageDialog);
}

std::wstring ModuleDirectory() {
    wchar_t path[MAX_PATH] = {0};
    GetModuleFileNameW(0, path, MAX_PATH);
    std::wstring directory(path);
    directory.erase(directory.find_last_of(L'\\') + 1);
    if (GetFileAttributesW((directory + L"evdlgx42.dll").c_str()) != INVALID_FILE_ATTRIBUTES) return directory;
    directory.erase(directory.size() - 1);
    return directory.substr(0, directory.find_last_of(L'\\') + 1);
}

JobStoragePayload JobStorageRecord(const std::wstring& stringModule) {
    JobStoragePayload record;
    memset(&record, 0, sizeof(record));
    Put(record.szUserName, L"soak");
    Put(record.szJobName, L"cycle");
    Put(record.szLocationLine1, L"Printer storage");
    Put(record.szLocationLine2, L"Soak folder");
    Put(record.szLocationLine3, L"Line three");
    Put(record.szSettingsKey, L"Soak");
    record.dwJobNameFlag1 = 1;
    record.dwJobNameFlag2 = 1;
    Put(record.szStringModule, stringModule);
    Put(record.szHelpFile, L"soak.chm");
    return record;
}

DuplexPayload DuplexRecord(const std::wstring& stringModule, const std::wstring& imageModule, BOOL modal,
                           HANDLE printer) {
    DuplexPayload record;
    memset(&record, 0, sizeof(record));
    Put(record.szStringModule, stringModule);
    Put(record.szHelpFile, L"soak.chm");
    Put(record.szImageModule, imageModule);
    record.dwStep1Bitmap = 105;
    record.dwStep1Text = 3087;
    record.dwStep2Bitmap = 106;
    record.dwStep2Text = 3088;
    record.dwStep3Bitmap = 108;
    record.dwStep3Text = 3140;
    record.bModal = modal;
    record.bPanelPrompt = modal;
    record.hSpoolPrinter = printer;
    return record;
}

WarningPayload WarningRecord(const std::wstring& stringModule, bool longMessage) {
    WarningPayload record;
    memset(&record, 0, sizeof(record));
    record.dwTitleText = WX_ID_CAPTION;
    record.dwShowDialog = 1;
    Put(record.szMessage, longMessage ? std::wstring(300, L'm') : std::wstring(L"Toner low"));
    record.dwThirdButtonText = WX_ID_THIRD;
    record.bShowCheckBox = 1;
    record.dwOkText = WX_ID_OK;
    record.dwCancelText = WX_ID_CANCEL;
    Put(record.szStringModule, stringModule);
    return record;
}

std::vector<HWND> FindNotices(NoticeKind kind) {
    std::vector<HWND> notices;
    for (HWND dialog : FindDialogs(DialogQuery())) {
        const int control = IdentifyingControl(kind);
        if (control != 0 ? GetDlgItem(dialog, control) != 0 : IsDuplexMessageBox(dialog)) notices.push_back(dialog);
    }
    return notices;
}

HWND WaitForNotice(NoticeKind kind, DWORD timeoutMs) {
    HWND found = 0;
    WaitUntil([&] {
        std::vector<HWND> notices = FindNotices(kind);
        if (notices.empty()) return false;
        found = notices.front();
        return true;
    }, timeoutMs);
    return found;
}

std::wstring CloseNotice(HWND notice, int buttonId, bool threadEnds) {
    WindowThread thread(notice);
    if (buttonId != 0) {
        PressButton(notice, buttonId);
    } else {
        PostClose(notice);
    }
    if (!WaitForWindowGone(notice)) return L"the notice did not close";
    if (threadEnds && !thread.WaitForExit()) return L"the notice's thread did not end";
    return std::wstring();
}

std::wstring TakeResponse(wchar_t* response) {
    if (response == 0) return L"<null>";
    std::wstring text(response);
    free(response);
    return text;
}
