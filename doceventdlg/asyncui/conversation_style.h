#pragma once

// The conversation style a sender asks for, as text. Free of platform headers.

#include "text/text_unit.h"

enum ConversationStyle {
    STYLE_NONE,   // opens no channel
    STYLE_BIDI,   // "bidi": per-user, bidirectional
    STYLE_UNIDI,  // "unidi": all users, unidirectional
};

// "bidi" and "unidi" in any mix of ASCII letter cases; every other text, and
// a null one, is STYLE_NONE. Reads no further than the first difference.
ConversationStyle ConversationStyleFromText(const TextUnit* style);
