#include "dialogs/jobstorage/job_storage_thread.h"

#include <new>

#include "dialogs/jobstorage/job_storage_controls.h"
#include "dialogs/jobstorage/job_storage_dialog.h"
#include "dialogs/jobstorage/job_storage_record.h"
#include "module_state.h"

DWORD WINAPI JobStorageThreadProc(LPVOID block) {
    UniqueLocal copy(static_cast<HLOCAL>(block));
    JobStorageDialog* notice = new (std::nothrow) JobStorageDialog();
    if (notice == 0) return 0;
    CopyMemory(&notice->record, copy.get(), sizeof(notice->record));
    copy.reset();
    VTerminateJobStorageTexts(&notice->record);

    const WORD templateId = notice->fRightToLeft ? IDD_JOB_STORAGE_RTL : IDD_JOB_STORAGE;
    DialogBoxParamW(g_hModule, MAKEINTRESOURCEW(templateId), 0, JobStorageDlgProc,
                    reinterpret_cast<LPARAM>(notice));
    delete notice;
    return 0;
}

UniqueLocal CopyJobStorageRecord(const JobStoragePayload& record) {
    UniqueLocal copy = AllocZeroedLocal(sizeof(JobStoragePayload));
    if (copy) CopyMemory(copy.get(), &record, sizeof(JobStoragePayload));
    return copy;
}

void VStartJobStorageThread(UniqueLocal copy, HANDLE volatile* slot) {
    HANDLE thread = CreateThread(0, 0, JobStorageThreadProc, copy.get(), 0, 0);
    if (thread == 0) return;
    copy.release();  // the thread owns it now
    VStoreThreadSlot(slot, thread);
}
