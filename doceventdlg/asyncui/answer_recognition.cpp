#include "asyncui/answer_recognition.h"

namespace {

const uint32_t kNotFound = 0xFFFFFFFFu;

uint32_t BoundedLength(const TextUnit* text, uint32_t cchAvailable) {
    uint32_t length = 0;
    while (length < cchAvailable && text[length] != 0) ++length;
    return length;
}

bool MatchesAt(const TextUnit* text, uint32_t length, uint32_t at, const TextUnit* needle) {
    for (uint32_t i = 0; needle[i] != 0; ++i) {
        if (at + i >= length || text[at + i] != needle[i]) return false;
    }
    return true;
}

// First position at or after from where needle stands within text[0, length).
uint32_t Find(const TextUnit* text, uint32_t length, uint32_t from, const TextUnit* needle) {
    for (uint32_t at = from; at < length; ++at) {
        if (MatchesAt(text, length, at, needle)) return at;
    }
    return kNotFound;
}

AnswerCode AcceptedWhenFound(uint32_t position) { return position != kNotFound ? ANSWER_ACCEPTED : ANSWER_OTHER; }

}  // namespace

AnswerCode ClassifyAnswer(const TextUnit* text, uint32_t cchAvailable) {
    if (text == 0) return ANSWER_OTHER;
    const uint32_t length = BoundedLength(text, cchAvailable);

    uint32_t marker = Find(text, length, 0, TEXT_UNITS("CustomUI"));
    if (marker == kNotFound) marker = Find(text, length, 0, TEXT_UNITS("CustomData"));
    if (marker != kNotFound) return AcceptedWhenFound(Find(text, length, marker, TEXT_UNITS("OK")));

    marker = Find(text, length, 0, TEXT_UNITS("messageBoxUI"));
    if (marker != kNotFound) {
        return AcceptedWhenFound(Find(text, length, marker, TEXT_UNITS("<buttonID>1</buttonID>")));
    }
    return ANSWER_OTHER;
}
