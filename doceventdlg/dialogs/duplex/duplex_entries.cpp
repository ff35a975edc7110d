#include <string.h>

#include <utility>

#include "asyncui/channel_session.h"
#include "asyncui/request_document.h"
#include "asyncui/request_document_block.h"
#include "dialogs/duplex/duplex_thread.h"
#include "driverdata/printer_info4.h"
#include "evdlgx42.h"
#include "module_state.h"
#include "platform_version.h"
#include "response_text.h"
#include "unique_resource.h"

namespace {

UniqueLocal AllocRecordCopy(const DuplexPayload* record) {
    UniqueLocal copy = AllocZeroedLocal(sizeof(DuplexPayload));
    if (copy) memcpy(copy.get(), record, sizeof(DuplexPayload));
    return copy;
}

// Starts the dialog on a thread of its own, which takes the copy; the slot
// receives the thread (null when none could be started, the copy then freed).
void VStartDuplexThread(UniqueLocal copy, HANDLE volatile* slot) {
    HANDLE thread = CreateThread(0, 0, DuplexThreadProc, copy.get(), 0, 0);
    if (thread != 0) copy.release();
    VStoreThreadSlot(slot, thread);
}

// Sends the modal or modeless document for the record's printer and waits for
// the answer, which does not matter: both receiving entries answer "Cancel".
void VSendDuplex(const DuplexPayload& record, HMODULE hReleaseModule) {
    UniqueLocal info = AllocPrinterInfo4(record.hSpoolPrinter);
    if (!info) return;
    const wchar_t* printerName = static_cast<PRINTER_INFO_4W*>(info.get())->pPrinterName;
    if (printerName == 0) return;
    UniqueLocal document = AllocDuplexRequestDocument(record, record.bModal);
    if (!document) return;
    DWORD size = record.bModal ? DUPLEX_MODAL_DOCUMENT_SIZE : DUPLEX_MODELESS_DOCUMENT_SIZE;
    BSendAsyncUIRequest(printerName, L"bidi", static_cast<const BYTE*>(document.get()), size, hReleaseModule);
}

}  // namespace

void WINAPI VDisplayDialog(DuplexPayload record, BOOL bAsyncUI, HMODULE hReleaseModule) {
    UniqueLocal copy = AllocRecordCopy(&record);
    if (!copy) return;
    if (DwPlatformMajorVersion() >= 6 && bAsyncUI) {
        VSendDuplex(record, hReleaseModule);
        return;
    }
    if (record.bModal) {
        DuplexThreadProc(copy.release());
    } else {
        VStartDuplexThread(std::move(copy), &g_hDuplexThread);
    }
}

// The host's thread shows a message box first, then the dialog; "Cancel"
// whatever the user did. A null record shows nothing.
wchar_t* WINAPI EvtDlgAsyncUIEntryPointManualDuplexModal(const DuplexPayload* record) {
    if (record == 0) return AllocResponseText(L"Cancel");
    UniqueLocal copy = AllocRecordCopy(record);
    if (!copy) return 0;
    MessageBoxW(0, L"within EvtDlgAsyncUIEntryPointManualDuplexModal", 0, MB_OK);
    DuplexThreadProc(copy.release());
    return AllocResponseText(L"Cancel");
}

// Starts the dialog on a thread of its own and answers "Cancel" at once.
wchar_t* WINAPI EvtDlgAsyncUIEntryPointManualDuplexModeless(const DuplexPayload* record) {
    if (record == 0) return AllocResponseText(L"Cancel");
    UniqueLocal copy = AllocRecordCopy(record);
    if (!copy) return 0;
    VStartDuplexThread(std::move(copy), &g_hDuplexUIThread);
    return AllocResponseText(L"Cancel");
}
