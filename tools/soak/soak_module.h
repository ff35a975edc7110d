#pragma once

// The module under soak, loaded as the platform's host and the driver modules
// load it, with the records the soak sends it and the helpers that find its
// notices and close them through their buttons.

#include <windows.h>

#include <string>
#include <vector>

#include "evdlgx42.h"

struct SoakModule {
    HMODULE module;
    decltype(&EvtDlgAsyncUIEntryPointJobStorage) jobStorageEntry;
    decltype(&EvtDlgAsyncUIEntryPointJobUI) jobUiEntry;
    decltype(&EvtDlgAsyncUIEntryPointManualDuplexModal) duplexModalEntry;
    decltype(&EvtDlgAsyncUIEntryPointManualDuplexModeless) duplexModelessEntry;
    decltype(&EvtDlgAsyncUIEntryPointPrintPreview) previewEntry;
    decltype(&EvtDlgAsyncUIEntryPointPrintPreviewICD) previewIcdEntry;
    decltype(&IShowWarningDialog) showWarning;
    decltype(&VDisplayDialog) displayDialog;
    decltype(&VJobStorageDialog) jobStorageDialog;
};

// evdlgx42.dll from directory (with a trailing backslash); false when it or an
// entry is missing.
bool BLoadSoakModule(const std::wstring& directory, SoakModule* module);

// Directory of the soak program, with a trailing backslash; where the module,
// the string modules and the test spooler lie (for the copy that runs beside
// the spooler without the channel function: its parent directory).
std::wstring ModuleDirectory();

const wchar_t kSoakPrinter[] = L"Orvantel Soak 4200";

JobStoragePayload JobStorageRecord(const std::wstring& stringModule);
DuplexPayload DuplexRecord(const std::wstring& stringModule, const std::wstring& imageModule, BOOL modal,
                           HANDLE printer);
// A short message, or one long enough to grow the notice.
WarningPayload WarningRecord(const std::wstring& stringModule, bool longMessage);

// Kinds of notice, told apart by a control only that dialog has.
enum NoticeKind { kJobStorageNotice, kDuplexNotice, kWarningNotice, kDuplexMessageBox };

// Visible dialogs of this process that are notices of that kind.
std::vector<HWND> FindNotices(NoticeKind kind);
// The first notice of that kind once there is one, or null after timeoutMs.
HWND WaitForNotice(NoticeKind kind, DWORD timeoutMs);

// Presses the button (BM_CLICK) or, for 0, the close box (WM_CLOSE), then
// waits until the window is gone and its thread (when it ends with the
// notice) has ended. Returns an empty text, or what went wrong.
std::wstring CloseNotice(HWND notice, int buttonId, bool threadEnds);

// Releases a response as the platform's host does once it has read it.
std::wstring TakeResponse(wchar_t* response);
