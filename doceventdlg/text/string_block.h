#pragma once

// String tables as resource modules store them: identifier id lives in block
// id / 16 + 1 at index id % 16. A block holds 16 entries in index order, each
// a 16-bit length n followed by n UTF-16 units without a terminator; length 0
// is an absent string. Free of platform headers so that it also builds
// natively.

#include <stdint.h>

#include "text/text_unit.h"

const uint32_t STRING_BLOCK_ENTRIES = 16;

// Block number of an identifier. Resource names are 16-bit, so the block
// number wraps for identifiers of 0xFFFF0 and above.
uint16_t WStringBlockNumber(uint32_t id);

// Index of an identifier within its block.
uint32_t DwStringBlockIndex(uint32_t id);

// Copies entry `index` of the block of blockBytes bytes into buffer: at most
// capacity - 1 units, stopping early at a NUL inside the entry, always
// terminated. Returns the entry's length in the table, or 0 with the buffer
// untouched when the entry is empty, the index lies beyond the block's 16
// entries, the block ends before the entry does (a truncated or corrupt
// block), or there is no buffer to copy into. Never reads outside the
// blockBytes bytes.
int ICopyStringBlockEntry(const TextUnit* block, uint32_t blockBytes, uint32_t index, TextUnit* buffer,
                          uint32_t capacity);
