#include "evdlgx42.h"
#include "response_text.h"

// Not handed over yet: the preview launcher is still to come.
wchar_t* WINAPI EvtDlgAsyncUIEntryPointPrintPreview(const PreviewPayload* /*record*/) {
    return AllocResponseText(L"Cancel");
}

wchar_t* WINAPI EvtDlgAsyncUIEntryPointPrintPreviewICD(const PreviewPayload* /*record*/) {
    return AllocResponseText(L"Cancel");
}
