#pragma once

// The list of fixed-size records that follows a preview request, as the
// launcher copies it: bounded in size and re-linked inside its copy.
// Free of platform headers so that it also builds natively.

#include <stdint.h>

const uint32_t PREVIEW_ENTRY_BYTES = 52;
const uint32_t PREVIEW_ENTRY_NEXT_OFFSET = 40;  // the 32-bit pNext field

// More records than any preview sends; it also keeps the list's byte size
// far inside 32 bits.
const uint32_t PREVIEW_ENTRY_COUNT_MAX = 65536;
static_assert(static_cast<uint64_t>(PREVIEW_ENTRY_COUNT_MAX) * PREVIEW_ENTRY_BYTES <= 0xFFFFFFFFu,
              "the largest list must be measurable in 32 bits");

// 1 with *bytes = count x 52 when a list of count records is acceptable,
// else 0 (*bytes untouched).
int BEntryListBytes(uint32_t count, uint32_t* bytes);

// Re-links a copied list whose first record lies at listAddress in the
// process that will read it. From the first record on, each record whose
// pNext arrived non-zero is pointed at the record after it; the first pNext of
// 0 ends the walk, and records after it keep the values they came with. The
// walk never leaves the count records: a last record that still claims a
// successor gets 0, so the list ends inside the copy.
void VRelinkEntryList(uint8_t* records, uint32_t count, uint32_t listAddress);
