// Answer texts as they come back over the notification channel: any units, a
// NUL anywhere or nowhere, cut off anywhere. The classification must read
// nothing outside the units it is given and agree with the rule as written
// here with plain string searches; the conversation style likewise.

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <string>

#include "asyncui/answer_recognition.h"
#include "asyncui/conversation_style.h"

namespace {

typedef std::basic_string<TextUnit> Text;

// The units before the first NUL within the first `available` units.
Text Visible(const TextUnit* text, size_t available) {
    size_t length = 0;
    while (length < available && text[length] != 0) ++length;
    return Text(text, length);
}

bool FoundFrom(const Text& text, const TextUnit* needle, size_t from) { return text.find(needle, from) != Text::npos; }

AnswerCode ExpectedAnswer(const Text& text) {
    size_t marker = text.find(TEXT_UNITS("CustomUI"));
    if (marker == Text::npos) marker = text.find(TEXT_UNITS("CustomData"));
    if (marker != Text::npos) return FoundFrom(text, TEXT_UNITS("OK"), marker) ? ANSWER_ACCEPTED : ANSWER_OTHER;
    marker = text.find(TEXT_UNITS("messageBoxUI"));
    if (marker != Text::npos) {
        return FoundFrom(text, TEXT_UNITS("<buttonID>1</buttonID>"), marker) ? ANSWER_ACCEPTED : ANSWER_OTHER;
    }
    return ANSWER_OTHER;
}

ConversationStyle ExpectedStyle(const Text& text) {
    Text lower = text;
    for (TextUnit& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<TextUnit>(c - 'A' + 'a');
    }
    if (lower == TEXT_UNITS("bidi")) return STYLE_BIDI;
    if (lower == TEXT_UNITS("unidi")) return STYLE_UNIDI;
    return STYLE_NONE;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const size_t units = size / sizeof(TextUnit);
    // Exactly as many units as arrived: reading one more is a fault.
    std::unique_ptr<TextUnit[]> text(new TextUnit[units]);
    memcpy(text.get(), data, units * sizeof(TextUnit));

    if (ClassifyAnswer(text.get(), static_cast<uint32_t>(units)) != ExpectedAnswer(Visible(text.get(), units))) abort();
    // A bound shorter than the text, as when a sender's size cuts it.
    const size_t shorter = units == 0 ? 0 : data[0] % (units + 1);
    if (ClassifyAnswer(text.get(), static_cast<uint32_t>(shorter)) != ExpectedAnswer(Visible(text.get(), shorter))) {
        abort();
    }

    // The style is a terminated text.
    const Text visible = Visible(text.get(), units);
    std::unique_ptr<TextUnit[]> style(new TextUnit[visible.size() + 1]);
    memcpy(style.get(), visible.c_str(), (visible.size() + 1) * sizeof(TextUnit));
    if (ConversationStyleFromText(style.get()) != ExpectedStyle(visible)) abort();
    return 0;
}
