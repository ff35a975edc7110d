#include "text/text_ops.h"

namespace {

const uint32_t kWholeSourceForCopy = 0x7FFFFFFEu;
const uint32_t kWholeSourceForAppend = 0x7FFFFFFFu;

bool IsValidCapacity(uint32_t cch) { return cch != 0 && cch <= TEXT_MAX_CCH; }

// Shared by the writing operations: the arguments are already checked.
TextStatus CopyCore(TextUnit* dest, uint32_t room, const TextUnit* src, uint32_t srcLimit) {
    while (srcLimit != 0 && *src != 0 && room != 0) {
        *dest++ = *src++;
        --room;
        --srcLimit;
    }
    TextStatus status = TEXT_S_OK;
    if (room == 0) {
        --dest;  // the last stored unit gives way to the terminator
        status = TEXT_E_INSUFFICIENT_BUFFER;
    }
    *dest = 0;
    return status;
}

}  // namespace

TextStatus TextLength(const TextUnit* text, uint32_t cchMax, uint32_t* pcchLength) {
    if (pcchLength != 0) *pcchLength = 0;
    if (text == 0 || !IsValidCapacity(cchMax)) return TEXT_E_INVALIDARG;
    for (uint32_t i = 0; i < cchMax; ++i) {
        if (text[i] == 0) {
            if (pcchLength != 0) *pcchLength = i;
            return TEXT_S_OK;
        }
    }
    return TEXT_E_INVALIDARG;
}

TextStatus TextCopy(TextUnit* dest, uint32_t cchDest, const TextUnit* src) {
    if (dest == 0 || src == 0 || !IsValidCapacity(cchDest)) return TEXT_E_INVALIDARG;
    return CopyCore(dest, cchDest, src, kWholeSourceForCopy);
}

TextStatus TextCopyN(TextUnit* dest, uint32_t cchDest, const TextUnit* src, uint32_t cchSrcMax) {
    if (dest == 0 || src == 0 || !IsValidCapacity(cchDest)) return TEXT_E_INVALIDARG;
    if (cchSrcMax > kWholeSourceForCopy) {
        *dest = 0;
        return TEXT_E_INVALIDARG;
    }
    return CopyCore(dest, cchDest, src, cchSrcMax);
}

TextStatus TextAppend(TextUnit* dest, uint32_t cchDest, const TextUnit* src) {
    if (dest == 0 || src == 0 || !IsValidCapacity(cchDest)) return TEXT_E_INVALIDARG;
    uint32_t present = 0;
    if (TextLength(dest, cchDest, &present) != TEXT_S_OK) return TEXT_E_INVALIDARG;
    return CopyCore(dest + present, cchDest - present, src, kWholeSourceForAppend);
}
