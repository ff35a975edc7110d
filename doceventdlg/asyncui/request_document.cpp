#include "asyncui/request_document.h"

#include <string.h>

#include "text/text_ops.h"

namespace {

// Every document text is one line; only the entry name differs.
#define REQUEST_TEXT(entry)                                                                  \
    TEXT_UNITS("<?xml version=\"1.0\" ?>")                                                   \
    TEXT_UNITS("<asyncPrintUIRequest xmlns=\"http://schemas.microsoft.com/2003/print/asyncui/v1/request\">") \
    TEXT_UNITS("<v1><requestOpen>")                                                          \
    TEXT_UNITS("<customData dll=\"evdlgx42.dll\" entrypoint=\"" entry "\" bidi=\"true\">")   \
    TEXT_UNITS("</customData></requestOpen></v1></asyncPrintUIRequest>")

const TextUnit kDuplexModalText[] = REQUEST_TEXT("EvtDlgAsyncUIEntryPointManualDuplexModal");
const TextUnit kDuplexModelessText[] = REQUEST_TEXT("EvtDlgAsyncUIEntryPointManualDuplexModeless");
const TextUnit kWarningText[] = REQUEST_TEXT("EvtDlgAsyncUIEntryPointJobUI");

#undef REQUEST_TEXT

// The sizes the senders use as fixed values follow from the texts.
constexpr uint32_t DocumentSize(uint32_t textBytesWithNul, uint32_t recordSize) {
    return textBytesWithNul + recordSize + REQUEST_DOCUMENT_SPARE_BYTES;
}
static_assert(sizeof(TextUnit) == 2, "UTF-16 code units");
static_assert(DocumentSize(sizeof(kDuplexModalText), DUPLEX_RECORD_SIZE) == DUPLEX_MODAL_DOCUMENT_SIZE,
              "modal duplex document size");
static_assert(DocumentSize(sizeof(kDuplexModelessText), DUPLEX_RECORD_SIZE) == DUPLEX_MODELESS_DOCUMENT_SIZE,
              "modeless duplex document size");
static_assert(DocumentSize(sizeof(kWarningText), WARNING_RECORD_SIZE) == WARNING_DOCUMENT_SIZE,
              "warning document size");

// Far above every document text: measuring can never run away.
const uint32_t kTextLimit = 4096;

}  // namespace

const TextUnit* RequestDocumentText(RequestDocumentKind kind) {
    switch (kind) {
    case REQUEST_DUPLEX_MODAL: return kDuplexModalText;
    case REQUEST_DUPLEX_MODELESS: return kDuplexModelessText;
    case REQUEST_WARNING: return kWarningText;
    }
    return 0;
}

uint32_t RequestRecordSize(RequestDocumentKind kind) {
    return kind == REQUEST_WARNING ? WARNING_RECORD_SIZE : DUPLEX_RECORD_SIZE;
}

uint32_t RequestDocumentSize(RequestDocumentKind kind) {
    switch (kind) {
    case REQUEST_DUPLEX_MODAL: return DUPLEX_MODAL_DOCUMENT_SIZE;
    case REQUEST_DUPLEX_MODELESS: return DUPLEX_MODELESS_DOCUMENT_SIZE;
    case REQUEST_WARNING: return WARNING_DOCUMENT_SIZE;
    }
    return 0;
}

int BWriteRequestDocument(RequestDocumentKind kind, const void* record, uint8_t* document, uint32_t documentSize) {
    const TextUnit* text = RequestDocumentText(kind);
    if (text == 0 || record == 0 || document == 0 || documentSize != RequestDocumentSize(kind)) return 0;

    uint32_t length = 0;
    if (TextLength(text, kTextLimit, &length) != TEXT_S_OK) return 0;
    TextCopy(reinterpret_cast<TextUnit*>(document), length + 1, text);
    memcpy(document + 2 * (length + 1), record, RequestRecordSize(kind));
    return 1;
}
