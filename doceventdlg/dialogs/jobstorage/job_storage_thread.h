#pragma once

#include <windows.h>

#include "dialogs/jobstorage/job_storage_payload.h"
#include "unique_resource.h"

// Thread routine of one job storage notice. Takes over `block`, a LocalAlloc
// copy of a JobStoragePayload, runs the notice until it is closed and
// releases everything it took. Exit code 0.
DWORD WINAPI JobStorageThreadProc(LPVOID block);

// The record in a new zero-filled local block, or an empty owner when there
// is no room.
UniqueLocal CopyJobStorageRecord(const JobStoragePayload& record);

// Starts JobStorageThreadProc on the copy and keeps the thread's handle in
// slot; when no thread can be started the copy is released and nothing shows.
void VStartJobStorageThread(UniqueLocal copy, HANDLE volatile* slot);
