#include <utility>

#include "dialogs/jobstorage/job_storage_thread.h"
#include "evdlgx42.h"
#include "module_state.h"
#include "response_text.h"

void WINAPI VJobStorageDialog(JobStoragePayload record) {
    UniqueLocal copy = CopyJobStorageRecord(record);
    if (!copy) return;
    VStartJobStorageThread(std::move(copy), &g_hJobStorageThread);
}

wchar_t* WINAPI EvtDlgAsyncUIEntryPointJobStorage(const JobStoragePayload* record) {
    OutputDebugStringA("##########  Come to EvtDlgAsyncUIEntryPointJobStorage: !!!!!!!!!!\n");
    // A host that passes no record gets no notice, but still its answer.
    if (record != 0) {
        UniqueLocal copy = CopyJobStorageRecord(*record);
        if (!copy) return 0;
        VStartJobStorageThread(std::move(copy), &g_hJobStorageUIThread);
    }
    return AllocResponseText(L"Cancel");
}
