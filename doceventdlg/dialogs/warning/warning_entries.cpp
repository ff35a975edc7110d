#include <string.h>

#include "asyncui/channel_session.h"
#include "asyncui/request_document_block.h"
#include "dialogs/warning/warning_runner.h"
#include "driverdata/printer_info4.h"
#include "evdlgx42.h"
#include "platform_version.h"
#include "response_text.h"
#include "unique_resource.h"

namespace {

const LONG kShowDialog = 1;

// Sends the warning to the user's session and waits for its answer: 1 when
// the answer accepted it, else 0.
int ISendWarning(HANDLE printer, const WarningPayload& record, HMODULE hReleaseModule) {
    UniqueLocal info = AllocPrinterInfo4(printer);
    if (!info) return 0;
    const wchar_t* printerName = static_cast<PRINTER_INFO_4W*>(info.get())->pPrinterName;
    if (printerName == 0) return 0;

    UniqueLocal document = AllocWarningRequestDocument(record);
    if (!document) return 0;
    BOOL accepted = BSendAsyncUIRequest(printerName, L"bidi", static_cast<const BYTE*>(document.get()),
                                        WARNING_DOCUMENT_SIZE, hReleaseModule);
    return accepted ? 1 : 0;
}

}  // namespace

int WINAPI IShowWarningDialog(HANDLE hPrinter, WarningPayload record, HMODULE hReleaseModule) {
    UniqueLocal copy = AllocZeroedLocal(sizeof(WarningPayload));
    if (!copy) return 0;
    memcpy(copy.get(), &record, sizeof(record));
    const WarningPayload* shown = static_cast<const WarningPayload*>(copy.get());
    if (shown->dwShowDialog != kShowDialog) return 0;

    // The platform version alone decides: from version 6 on the warning goes
    // to the user's session even when the caller runs there itself.
    if (DwPlatformMajorVersion() < 6) return static_cast<int>(RunWarningDialog(copy.release()));
    return ISendWarning(hPrinter, *shown, hReleaseModule);
}

// Shows the warning on the host's thread, on the host's record (not copied).
// "OK" once a dialog ran (whichever button ended it), "Cancel" when none
// could be created or no record came.
wchar_t* WINAPI EvtDlgAsyncUIEntryPointJobUI(const WarningPayload* record) {
    OutputDebugStringA("##########  Come to EvtDlgAsyncUIEntryPointJobUI: !!!!!!!!!!\n");
    if (record == 0) return AllocResponseText(L"Cancel");
    WarningRun run = RunWarningDialogFor(record);
    if (!run.created) return 0;
    return AllocResponseText(run.result != 0 ? L"OK" : L"Cancel");
}
