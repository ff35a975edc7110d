#include "evdlgx42.h"
#include "response_text.h"

// Not shown yet: the warning dialog is still to come.
int WINAPI IShowWarningDialog(HANDLE /*hPrinter*/, WarningPayload /*record*/, HMODULE /*hReleaseModule*/) {
    return 0;
}

wchar_t* WINAPI EvtDlgAsyncUIEntryPointJobUI(const WarningPayload* /*record*/) {
    return AllocResponseText(L"Cancel");
}
