#include "response_text.h"

#include <stdlib.h>

#include "text/text_ops.h"

wchar_t* AllocResponseText(const wchar_t* text) {
    wchar_t* response = static_cast<wchar_t*>(malloc(RESPONSE_TEXT_CCH * sizeof(wchar_t)));
    if (response != 0) TextCopy(response, RESPONSE_TEXT_CCH, text);
    return response;
}
