#pragma once

// The notices of the built evdlgx42.dll as the bench shows them: the module,
// its entries, a record for each notice, and the entry call that shows it.

#include <windows.h>

#include <string>

#include "evdlgx42.h"

// Path of fileName in the directory of the bench program, where the build
// puts the DLL, its doubles and the bench's string modules.
std::wstring BinPath(const wchar_t* fileName);

struct NoticeModule {
    HMODULE module;
    decltype(&VJobStorageDialog) jobStorage;
    decltype(&VDisplayDialog) displayDialog;
    decltype(&EvtDlgAsyncUIEntryPointJobUI) warningEntry;
    decltype(&IShowWarningDialog) showWarning;
};

// Loads evdlgx42.dll beside the bench; false when it or an entry is missing.
bool LoadNoticeModule(NoticeModule* notices);

enum NoticeKind { kJobStorage, kDuplexModal, kDuplexModeless, kWarningShort, kWarningLong, kNoticeCount };

struct NoticeInfo {
    const char* name;
    bool ownThread;     // the entry returns at once and the notice runs on a thread it starts
    WORD bareTemplate;  // the bench's empty template of the notice's size
    WORD ownTemplate;   // the notice's own template in the DLL (left to right)
};

const NoticeInfo& InfoOf(NoticeKind kind);

struct NoticeRecords {
    JobStoragePayload jobStorage;
    DuplexPayload duplexModal;
    DuplexPayload duplexModeless;
    WarningPayload warningShort;
    WarningPayload warningLong;
};

// Records whose texts come from stringModule (a file name beside the bench).
void MakeNoticeRecords(const wchar_t* stringModule, NoticeRecords* records);

// Calls the entry that shows the notice in this process: VJobStorageDialog,
// VDisplayDialog without the cross-session path, or the warning's receiving
// entry (the direct path of IShowWarningDialog is taken only below version 6).
void ShowNotice(const NoticeModule& notices, const NoticeRecords& records, NoticeKind kind);
