#include "evdlgx42.h"
#include "response_text.h"

// Not shown yet: the instructions dialog is still to come.
void WINAPI VDisplayDialog(DuplexPayload /*record*/, BOOL /*bAsyncUI*/, HMODULE /*hReleaseModule*/) {}

wchar_t* WINAPI EvtDlgAsyncUIEntryPointManualDuplexModal(const DuplexPayload* /*record*/) {
    return AllocResponseText(L"Cancel");
}

wchar_t* WINAPI EvtDlgAsyncUIEntryPointManualDuplexModeless(const DuplexPayload* /*record*/) {
    return AllocResponseText(L"Cancel");
}
