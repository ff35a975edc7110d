#pragma once

// How the sender reads the answer that comes back over the notification
// channel. Free of platform headers: the text comes from another process and
// is examined only within the bounds given.

#include <stdint.h>

#include "text/text_unit.h"

enum AnswerCode {
    ANSWER_NONE = 0,      // no answer text read yet
    ANSWER_ACCEPTED = 1,  // "OK" of a custom dialog, or the first button of a message box
    ANSWER_OTHER = 2,     // anything else
};

// Classifies the answer in text, which is read up to its first NUL but never
// beyond cchAvailable units (a text without NUL ends there). Case-sensitive
// substring searches: after "CustomUI" (or else "CustomData") an "OK" anywhere
// later accepts; after "messageBoxUI" a later "<buttonID>1</buttonID>"
// accepts; every other text, and a null one, is ANSWER_OTHER.
AnswerCode ClassifyAnswer(const TextUnit* text, uint32_t cchAvailable);
