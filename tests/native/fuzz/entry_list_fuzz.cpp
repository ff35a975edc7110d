// The list of records that follows a preview request: any count, any pNext
// values, any address. The size rule must never overflow, and the re-linking
// walk must stay inside the copied records, change nothing but the pNext
// fields it passes, and end the list inside the copy.

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <memory>

#include "preview/entry_list.h"

namespace {

const size_t kHeaderBytes = 8;  // the address of the copy, the count the sender claims

uint32_t ReadLittleEndian(const uint8_t* at) {
    return static_cast<uint32_t>(at[0]) | (static_cast<uint32_t>(at[1]) << 8) | (static_cast<uint32_t>(at[2]) << 16) |
           (static_cast<uint32_t>(at[3]) << 24);
}

void CheckListSize(uint32_t count) {
    uint32_t bytes = 0xA5A5A5A5u;
    const int accepted = BEntryListBytes(count, &bytes);
    if (accepted != (count <= PREVIEW_ENTRY_COUNT_MAX)) abort();
    if (accepted && static_cast<uint64_t>(bytes) != static_cast<uint64_t>(count) * PREVIEW_ENTRY_BYTES) abort();
    if (!accepted && bytes != 0xA5A5A5A5u) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kHeaderBytes) return 0;
    const uint32_t listAddress = ReadLittleEndian(data);
    CheckListSize(ReadLittleEndian(data + 4));

    const uint32_t count = static_cast<uint32_t>((size - kHeaderBytes) / PREVIEW_ENTRY_BYTES);
    const size_t listBytes = static_cast<size_t>(count) * PREVIEW_ENTRY_BYTES;
    std::unique_ptr<uint8_t[]> records(new uint8_t[listBytes]);  // exactly the list
    memcpy(records.get(), data + kHeaderBytes, listBytes);
    VRelinkEntryList(records.get(), count, listAddress);

    const uint8_t* arrived = data + kHeaderBytes;
    bool walking = true;
    for (uint32_t index = 0; index < count; ++index) {
        const size_t at = static_cast<size_t>(index) * PREVIEW_ENTRY_BYTES;
        const size_t next = at + PREVIEW_ENTRY_NEXT_OFFSET;
        // Every byte but a passed pNext stays as it came.
        if (memcmp(records.get() + at, arrived + at, PREVIEW_ENTRY_NEXT_OFFSET) != 0) abort();
        const size_t tail = next + 4;
        if (memcmp(records.get() + tail, arrived + tail, PREVIEW_ENTRY_BYTES - PREVIEW_ENTRY_NEXT_OFFSET - 4) != 0) {
            abort();
        }
        const uint32_t before = ReadLittleEndian(arrived + next);
        const uint32_t after = ReadLittleEndian(records.get() + next);
        if (walking && before == 0) walking = false;  // the first 0 ends the walk and keeps its 0
        if (!walking) {
            if (after != before) abort();
            continue;
        }
        const bool last = index + 1 == count;
        const uint32_t expected = last ? 0 : listAddress + (index + 1) * PREVIEW_ENTRY_BYTES;
        if (after != expected) abort();
    }
    return 0;
}
