#include "evdlgx42.h"
#include "response_text.h"

// Not shown yet: the notice itself is still to come.
void WINAPI VJobStorageDialog(JobStoragePayload /*record*/) {}

wchar_t* WINAPI EvtDlgAsyncUIEntryPointJobStorage(const JobStoragePayload* /*record*/) {
    return AllocResponseText(L"Cancel");
}
