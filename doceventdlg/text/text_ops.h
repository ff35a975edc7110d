#pragma once

// Bounded UTF-16 text operations. Capacities count code units including the
// terminating NUL. A result that does not fit is cut to capacity - 1 units and
// terminated; callers may ignore the status and rely on that rule.
// Free of platform headers so that it also builds natively.

#include <stdint.h>

#include "text/text_unit.h"

typedef int32_t TextStatus;  // an HRESULT value

const TextStatus TEXT_S_OK = 0;
const TextStatus TEXT_E_INVALIDARG = static_cast<TextStatus>(0x80070057u);
const TextStatus TEXT_E_INSUFFICIENT_BUFFER = static_cast<TextStatus>(0x8007007Au);

const uint32_t TEXT_MAX_CCH = 0x7FFFFFFFu;

// Length of text without its terminator, examining at most cchMax units.
// E_INVALIDARG (out-length 0) when no terminator lies within cchMax.
TextStatus TextLength(const TextUnit* text, uint32_t cchMax, uint32_t* pcchLength);

TextStatus TextCopy(TextUnit* dest, uint32_t cchDest, const TextUnit* src);

// Copies at most cchSrcMax units of src (fewer when src ends first).
TextStatus TextCopyN(TextUnit* dest, uint32_t cchDest, const TextUnit* src, uint32_t cchSrcMax);

// Appends src to the text already in dest; E_INVALIDARG and no change when
// dest holds no terminator within cchDest.
TextStatus TextAppend(TextUnit* dest, uint32_t cchDest, const TextUnit* src);
