#include "notice_driver.h"

#include <stdio.h>
#include <stdlib.h>

#include "support/dialog_driver.h"
#include "support/test_paths.h"

namespace {

JobStorageEntries Load() {
    HMODULE module = LoadLibraryW(TestBinPath(L"evdlgx42.dll").c_str());
    JobStorageEntries entries = {};
    if (module != nullptr) {
        entries.receive = reinterpret_cast<JobStorageEntryFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "EvtDlgAsyncUIEntryPointJobStorage")));
        entries.send =
            reinterpret_cast<JobStorageSenderFn>(reinterpret_cast<void*>(GetProcAddress(module, "VJobStorageDialog")));
    }
    if (entries.receive == nullptr || entries.send == nullptr) {
        fprintf(stderr, "evdlgx42.dll or its job storage entries could not be loaded\n");
        abort();
    }
    return entries;
}

}  // namespace

const JobStorageEntries& JobStorage() {
    static const JobStorageEntries entries = Load();
    return entries;
}

JobStoragePayload MakeRecord(const wchar_t* settingsKey, const wchar_t* stringModule) {
    JobStoragePayload record;
    ZeroMemory(&record, sizeof(record));
    SetField(record.szUserName, L"jdoe");
    SetField(record.szJobName, L"Quarterly");
    SetField(record.szLocationLine1, L"Printer: Orvantel Office 4200");
    SetField(record.szLocationLine2, L"  Folder: Private Jobs  ");
    SetField(record.szLocationLine3, L"PIN required");
    SetField(record.szSettingsKey, settingsKey);
    SetField(record.szStringModule, TestBinPath(stringModule));
    SetField(record.szHelpFile, L"C:\\Orvantel\\Driver\\orvhelp.chm");
    return record;
}

std::wstring SettingsKeyPath(const wchar_t* settingsKey) { return std::wstring(L"Software\\Orvantel\\") + settingsKey; }

std::wstring ReceiveAnswer(const JobStoragePayload* record) {
    wchar_t* response = JobStorage().receive(record);
    if (response == nullptr) return L"(null)";
    std::wstring answer(response);
    free(response);
    return answer;
}

HWND ShowNotice(const JobStoragePayload& record) {
    if (ReceiveAnswer(&record) != L"Cancel") return nullptr;
    return WaitForDialog(DialogQuery());
}

bool CloseAllNotices() {
    DialogQuery anyNotice;
    anyNotice.visibleOnly = false;
    for (HWND notice : FindDialogs(anyNotice)) PostClose(notice);
    return WaitUntil([&] { return FindDialogs(anyNotice).empty(); });
}
