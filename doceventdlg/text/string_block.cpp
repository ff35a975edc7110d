#include "text/string_block.h"

#include "text/text_ops.h"

uint16_t WStringBlockNumber(uint32_t id) { return static_cast<uint16_t>(id / STRING_BLOCK_ENTRIES + 1); }

uint32_t DwStringBlockIndex(uint32_t id) { return id % STRING_BLOCK_ENTRIES; }

int ICopyStringBlockEntry(const TextUnit* block, uint32_t blockBytes, uint32_t index, TextUnit* buffer,
                          uint32_t capacity) {
    if (block == 0 || buffer == 0 || capacity == 0 || capacity > TEXT_MAX_CCH) return 0;
    if (index >= STRING_BLOCK_ENTRIES) return 0;

    const uint32_t blockUnits = blockBytes / sizeof(TextUnit);
    uint32_t position = 0;  // of the current entry's length unit
    for (uint32_t entry = 0;; ++entry) {
        if (position >= blockUnits) return 0;
        const uint32_t length = static_cast<uint16_t>(block[position]);
        const uint32_t unitsAfterLength = blockUnits - position - 1;
        if (length > unitsAfterLength) return 0;
        if (entry == index) {
            if (length == 0) return 0;
            const uint32_t kept = length < capacity - 1 ? length : capacity - 1;
            TextCopyN(buffer, capacity, block + position + 1, kept);
            buffer[kept] = 0;
            return static_cast<int>(length);
        }
        position += 1 + length;
    }
}
