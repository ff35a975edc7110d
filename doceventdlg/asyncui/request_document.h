#pragma once

// The asynchronous print UI request documents: a fixed XML text that names
// this module and one of its receiving entries, its NUL, the request record,
// then 20 spare zero bytes. Free of platform headers.

#include <stdint.h>

#include "text/text_unit.h"

enum RequestDocumentKind {
    REQUEST_DUPLEX_MODAL,     // EvtDlgAsyncUIEntryPointManualDuplexModal, a DuplexPayload
    REQUEST_DUPLEX_MODELESS,  // EvtDlgAsyncUIEntryPointManualDuplexModeless, a DuplexPayload
    REQUEST_WARNING,          // EvtDlgAsyncUIEntryPointJobUI, a WarningPayload
};

const uint32_t DUPLEX_RECORD_SIZE = 1576;
const uint32_t WARNING_RECORD_SIZE = 2612;

// Whole document sizes, spare bytes included: the size handed to the channel.
const uint32_t DUPLEX_MODAL_DOCUMENT_SIZE = 2154;
const uint32_t DUPLEX_MODELESS_DOCUMENT_SIZE = 2160;
const uint32_t WARNING_DOCUMENT_SIZE = 3166;

const uint32_t REQUEST_DOCUMENT_SPARE_BYTES = 20;

// The NUL-terminated XML text of a document kind.
const TextUnit* RequestDocumentText(RequestDocumentKind kind);

// Size of the record that follows the text (1576 or 2612 bytes).
uint32_t RequestRecordSize(RequestDocumentKind kind);

// Size of the whole document (2154, 2160 or 3166 bytes).
uint32_t RequestDocumentSize(RequestDocumentKind kind);

// Writes the text, its NUL and the RequestRecordSize(kind) bytes of record
// into document, a zero-filled block of documentSize bytes aligned for UTF-16
// units (as LocalAlloc blocks are); the spare bytes are left as they are. 0 (nothing written) when documentSize is
// not RequestDocumentSize(kind) or a pointer is null.
int BWriteRequestDocument(RequestDocumentKind kind, const void* record, uint8_t* document, uint32_t documentSize);
