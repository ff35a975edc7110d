#include <string.h>

#include <utility>

#include "evdlgx42.h"
#include "preview/entry_list.h"
#include "preview/preview_launcher.h"
#include "response_text.h"
#include "unique_resource.h"

namespace {

wchar_t* AnswerPreview(BOOL shown) { return AllocResponseText(shown ? L"OK" : L"Cancel"); }

// Copies the dwEntryCount list records that follow record into one block of
// this process, re-links them there and points payload->pFirstEntry at the
// first (null for an empty list). 0 for a count beyond any real list or when
// memory is short; nothing is copied then.
BOOL BCopyEntryList(const PreviewPayload* record, PreviewPayload* payload, UniqueLocal* list) {
    uint32_t bytes = 0;
    if (!BEntryListBytes(payload->dwEntryCount, &bytes)) return FALSE;
    payload->pFirstEntry = 0;
    if (bytes == 0) return TRUE;

    UniqueLocal block = AllocZeroedLocal(bytes);
    if (!block) return FALSE;
    uint8_t* records = static_cast<uint8_t*>(block.get());
    memcpy(records, reinterpret_cast<const BYTE*>(record) + sizeof(PreviewPayload), bytes);
    VRelinkEntryList(records, payload->dwEntryCount, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(records)));
    payload->pFirstEntry = reinterpret_cast<PreviewEntry*>(records);
    *list = std::move(block);
    return TRUE;
}

}  // namespace

// The record and the list after it are copied first; the preview module may
// follow pFirstEntry and pNext through the copy only while its function runs.
// "Cancel" for a null record, a list of more than 65536 records, or whenever
// the preview did not run and answer non-zero.
wchar_t* WINAPI EvtDlgAsyncUIEntryPointPrintPreview(const PreviewPayload* record) {
    if (record == 0) return AnswerPreview(FALSE);
    PreviewPayload payload = *record;
    UniqueLocal list;
    if (!BCopyEntryList(record, &payload, &list)) return AnswerPreview(FALSE);
    BOOL shown = BHandOverPreview(payload, "BDisplayOVPrintPreview");
    list.reset();
    return AnswerPreview(shown);
}

// The record alone, pFirstEntry as it arrived; nothing after it is read.
wchar_t* WINAPI EvtDlgAsyncUIEntryPointPrintPreviewICD(const PreviewPayload* record) {
    if (record == 0) return AnswerPreview(FALSE);
    PreviewPayload payload = *record;
    return AnswerPreview(BHandOverPreview(payload, "BDisplayOVPrintPreviewICD"));
}
