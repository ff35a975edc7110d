#include "asyncui/request_document_block.h"

static_assert(sizeof(DuplexPayload) == DUPLEX_RECORD_SIZE, "the duplex documents carry a DuplexPayload");
static_assert(sizeof(WarningPayload) == WARNING_RECORD_SIZE, "the warning document carries a WarningPayload");

namespace {

UniqueLocal AllocRequestDocument(RequestDocumentKind kind, const void* record) {
    const DWORD size = RequestDocumentSize(kind);
    UniqueLocal document = AllocZeroedLocal(size);
    if (document && !BWriteRequestDocument(kind, record, static_cast<uint8_t*>(document.get()), size)) {
        document.reset();
    }
    return document;
}

}  // namespace

UniqueLocal AllocDuplexRequestDocument(const DuplexPayload& record, BOOL fModal) {
    return AllocRequestDocument(fModal ? REQUEST_DUPLEX_MODAL : REQUEST_DUPLEX_MODELESS, &record);
}

UniqueLocal AllocWarningRequestDocument(const WarningPayload& record) {
    return AllocRequestDocument(REQUEST_WARNING, &record);
}
