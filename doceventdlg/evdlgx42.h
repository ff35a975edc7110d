#pragma once

// The exported surface of evdlgx42.dll: three sending entries that driver
// modules call while a job is produced, and six receiving entries that the
// platform's asynchronous print UI host calls in the user's session.
// All are __stdcall and exported undecorated, by name and ordinal.

#include <windows.h>

#include "dialogs/duplex/duplex_payload.h"
#include "dialogs/jobstorage/job_storage_payload.h"
#include "dialogs/warning/warning_payload.h"
#include "preview/preview_payload.h"

extern "C" {

// Receiving entries. Each takes a pointer to the record that followed the
// request document's text, valid for the call only, and returns a 260-unit
// response "OK" or "Cancel" from the module's runtime heap (the host's to
// keep), or null when the module could not allocate what it needed.

// @1: starts the job storage notice on a thread of its own; answers "Cancel".
wchar_t* WINAPI EvtDlgAsyncUIEntryPointJobStorage(const JobStoragePayload* record);
// @2: shows the warning on the calling thread; "OK" once it was shown.
wchar_t* WINAPI EvtDlgAsyncUIEntryPointJobUI(const WarningPayload* record);
// @3: message box, then the manual duplex instructions on the calling thread.
wchar_t* WINAPI EvtDlgAsyncUIEntryPointManualDuplexModal(const DuplexPayload* record);
// @4: starts the manual duplex instructions on a thread of their own.
wchar_t* WINAPI EvtDlgAsyncUIEntryPointManualDuplexModeless(const DuplexPayload* record);
// @5: hands the record and the entry list that follows it to the preview module.
wchar_t* WINAPI EvtDlgAsyncUIEntryPointPrintPreview(const PreviewPayload* record);
// @6: hands the record alone to the preview module's ICD entry.
wchar_t* WINAPI EvtDlgAsyncUIEntryPointPrintPreviewICD(const PreviewPayload* record);

// Sending entries. Records travel by value; the module works on its own copy.

// @7: shows the warning (below version 6) or sends it to the user's session.
// Returns the pressed button (1, 2, 285) on the direct path, 1 for an
// accepting answer across sessions, else 0. hReleaseModule, when not null, is
// released 50 seconds after an answer arrives.
int WINAPI IShowWarningDialog(HANDLE hPrinter, WarningPayload record, HMODULE hReleaseModule);
// @8: shows the manual duplex instructions (modal or modeless, by
// record.bModal) in this process, or sends them to the user's session when
// bAsyncUI is nonzero on version 6 and later.
void WINAPI VDisplayDialog(DuplexPayload record, BOOL bAsyncUI, HMODULE hReleaseModule);
// @9: shows the job storage notice on a thread of its own and returns at once.
void WINAPI VJobStorageDialog(JobStoragePayload record);

}  // extern "C"
