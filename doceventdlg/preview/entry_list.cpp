#include "preview/entry_list.h"

#include <stddef.h>

namespace {

// The wire format is little-endian whatever the host is.
uint32_t ReadNext(const uint8_t* record) {
    const uint8_t* field = record + PREVIEW_ENTRY_NEXT_OFFSET;
    return static_cast<uint32_t>(field[0]) | (static_cast<uint32_t>(field[1]) << 8) |
           (static_cast<uint32_t>(field[2]) << 16) | (static_cast<uint32_t>(field[3]) << 24);
}

void WriteNext(uint8_t* record, uint32_t next) {
    uint8_t* field = record + PREVIEW_ENTRY_NEXT_OFFSET;
    field[0] = static_cast<uint8_t>(next);
    field[1] = static_cast<uint8_t>(next >> 8);
    field[2] = static_cast<uint8_t>(next >> 16);
    field[3] = static_cast<uint8_t>(next >> 24);
}

}  // namespace

int BEntryListBytes(uint32_t count, uint32_t* bytes) {
    if (count > PREVIEW_ENTRY_COUNT_MAX) return 0;
    *bytes = count * PREVIEW_ENTRY_BYTES;
    return 1;
}

void VRelinkEntryList(uint8_t* records, uint32_t count, uint32_t listAddress) {
    for (uint32_t index = 0; index < count; ++index) {
        uint8_t* record = records + static_cast<size_t>(index) * PREVIEW_ENTRY_BYTES;
        if (ReadNext(record) == 0) return;
        bool isLast = index + 1 == count;
        WriteNext(record, isLast ? 0 : listAddress + (index + 1) * PREVIEW_ENTRY_BYTES);
    }
}
