// String-table blocks as a string-resource module holds them, including
// truncated and corrupt ones: any bytes, any size, any index and buffer
// capacity. The walk must stay inside the block's bytes and the buffer's
// capacity and find what a plain walk over the same bytes finds.

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <memory>

#include "text/string_block.h"

namespace {

const TextUnit kPoison = 0x7777;
const size_t kHeaderBytes = 3;  // index, then the capacity (16 bits)

struct Entry {
    bool found;
    uint32_t length;
    size_t firstUnit;
};

uint32_t UnitAt(const uint8_t* bytes, size_t unit) { return bytes[2 * unit] | (bytes[2 * unit + 1] << 8); }

// Entry `index` of the block when every unit up to its end lies inside it.
Entry ExpectedEntry(const uint8_t* block, size_t blockBytes, uint32_t index) {
    Entry entry = {false, 0, 0};
    if (index >= STRING_BLOCK_ENTRIES) return entry;
    const size_t units = blockBytes / 2;
    size_t position = 0;
    for (uint32_t i = 0;; ++i) {
        if (position >= units) return entry;
        const uint32_t length = UnitAt(block, position);
        if (position + 1 + length > units) return entry;
        if (i == index) {
            entry.found = length != 0;
            entry.length = length;
            entry.firstUnit = position + 1;
            return entry;
        }
        position += 1 + length;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kHeaderBytes) return 0;
    const uint32_t index = data[0] % (STRING_BLOCK_ENTRIES + 2);
    const uint32_t capacity = (data[1] | (data[2] << 8)) % 300;
    const size_t blockBytes = size - kHeaderBytes;

    // The block and the buffer each in an allocation of exactly their size.
    std::unique_ptr<uint8_t[]> block(new uint8_t[blockBytes]);
    memcpy(block.get(), data + kHeaderBytes, blockBytes);
    std::unique_ptr<TextUnit[]> buffer(new TextUnit[capacity]);
    for (uint32_t i = 0; i < capacity; ++i) buffer[i] = kPoison;

    const int result = ICopyStringBlockEntry(reinterpret_cast<const TextUnit*>(block.get()),
                                             static_cast<uint32_t>(blockBytes), index, buffer.get(), capacity);

    const Entry expected = ExpectedEntry(block.get(), blockBytes, index);
    if (!expected.found || capacity == 0) {
        if (result != 0) abort();
        for (uint32_t i = 0; i < capacity; ++i) {
            if (buffer[i] != kPoison) abort();  // a miss leaves the buffer alone
        }
        return 0;
    }
    if (result != static_cast<int>(expected.length)) abort();
    // The copy: the entry's units up to a NUL inside it, at most capacity - 1,
    // then the terminator.
    const uint32_t kept = expected.length < capacity - 1 ? expected.length : capacity - 1;
    uint32_t i = 0;
    for (; i < kept; ++i) {
        const uint32_t unit = UnitAt(block.get(), expected.firstUnit + i);
        if (buffer[i] != unit) abort();
        if (unit == 0) break;
    }
    if (i == kept && buffer[kept] != 0) abort();
    return 0;
}
