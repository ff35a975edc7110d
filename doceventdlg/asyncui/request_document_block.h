#pragma once

// The request documents as the senders hand them to BSendAsyncUIRequest: one
// zero-filled LocalAlloc block each, owned by the sender for one send.

#include "asyncui/request_document.h"
#include "dialogs/duplex/duplex_payload.h"
#include "dialogs/warning/warning_payload.h"
#include "unique_resource.h"

// The modal (DUPLEX_MODAL_DOCUMENT_SIZE bytes) or the modeless
// (DUPLEX_MODELESS_DOCUMENT_SIZE bytes) manual duplex document with record
// appended; empty when there is no room.
UniqueLocal AllocDuplexRequestDocument(const DuplexPayload& record, BOOL fModal);

// The warning document (WARNING_DOCUMENT_SIZE bytes) with record appended;
// empty when there is no room.
UniqueLocal AllocWarningRequestDocument(const WarningPayload& record);
