#include "asyncui/conversation_style.h"

namespace {

TextUnit AsciiLower(TextUnit c) { return (c >= 'A' && c <= 'Z') ? static_cast<TextUnit>(c - 'A' + 'a') : c; }

// expected is lower case.
bool EqualsIgnoringAsciiCase(const TextUnit* text, const TextUnit* expected) {
    for (;; ++text, ++expected) {
        if (AsciiLower(*text) != *expected) return false;
        if (*expected == 0) return true;
    }
}

}  // namespace

ConversationStyle ConversationStyleFromText(const TextUnit* style) {
    if (style == 0) return STYLE_NONE;
    if (EqualsIgnoringAsciiCase(style, TEXT_UNITS("bidi"))) return STYLE_BIDI;
    if (EqualsIgnoringAsciiCase(style, TEXT_UNITS("unidi"))) return STYLE_UNIDI;
    return STYLE_NONE;
}
