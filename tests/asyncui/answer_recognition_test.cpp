// How the sender reads answers and conversation styles: platform-free rules
// over bounded text.

#include <gtest/gtest.h>

#include <string>

#include "asyncui/answer_recognition.h"
#include "asyncui/conversation_style.h"

namespace {

struct AnswerCase {
    const char* name;
    const wchar_t* text;
    AnswerCode expected;
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

const AnswerCase kAnswers[] = {
    {"custom_ui_then_ok", L"<CustomUI><result>OK</result></CustomUI>", ANSWER_ACCEPTED},
    {"ok_only_before_custom_ui", L"OK<CustomUI><result>Cancel</result></CustomUI>", ANSWER_OTHER},
    {"custom_data_cancel", L"<CustomData>Cancel</CustomData>", ANSWER_OTHER},
    {"custom_data_ok_inside_a_word", L"<CustomData>BOOKED</CustomData>", ANSWER_ACCEPTED},
    {"custom_data_ok_right_after_marker", L"CustomDataOK", ANSWER_ACCEPTED},
    {"ok_in_lower_case", L"<CustomData>Ok</CustomData>", ANSWER_OTHER},
    {"lower_case_custom_ui_marker", L"<customUI>OK</customUI>", ANSWER_OTHER},
    {"lower_case_custom_data_marker", L"<customData>OK</customData>", ANSWER_OTHER},
    // "CustomUI" is searched first: an "OK" before it does not count even
    // when it follows "CustomData".
    {"custom_ui_searched_before_custom_data", L"CustomData OK CustomUI Cancel", ANSWER_OTHER},
    {"message_box_first_button", L"<messageBoxUI><buttonID>1</buttonID></messageBoxUI>", ANSWER_ACCEPTED},
    {"message_box_other_button", L"<messageBoxUI><buttonID>2</buttonID></messageBoxUI>", ANSWER_OTHER},
    {"message_box_button_before_marker", L"<buttonID>1</buttonID><messageBoxUI/>", ANSWER_OTHER},
    {"message_box_marker_upper_case", L"<MessageBoxUI><buttonID>1</buttonID></MessageBoxUI>", ANSWER_OTHER},
    {"custom_marker_wins_over_message_box", L"CustomUI Cancel messageBoxUI <buttonID>1</buttonID>", ANSWER_OTHER},
    {"message_box_ok_is_not_button_one", L"<messageBoxUI>OK</messageBoxUI>", ANSWER_OTHER},
    {"no_marker", L"OK", ANSWER_OTHER},
    {"empty", L"", ANSWER_OTHER},
};

class AnswerTable : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerTable, ClassifiesTheWholeText) {
    const AnswerCase& c = GetParam();
    EXPECT_EQ(c.expected, ClassifyAnswer(c.text, static_cast<uint32_t>(wcslen(c.text) + 1)));
}

INSTANTIATE_TEST_SUITE_P(Answers, AnswerTable, ::testing::ValuesIn(kAnswers),
                         [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST(AnswerBounds, ReadsNoFurtherThanTheUnitsAvailable) {
    const wchar_t text[] = L"CustomDataOK";  // 12 units before its NUL
    EXPECT_EQ(ANSWER_OTHER, ClassifyAnswer(text, 10));
    EXPECT_EQ(ANSWER_OTHER, ClassifyAnswer(text, 11));
    EXPECT_EQ(ANSWER_ACCEPTED, ClassifyAnswer(text, 12));  // no NUL within: ends there
    EXPECT_EQ(ANSWER_OTHER, ClassifyAnswer(text, 0));
}

TEST(AnswerBounds, StopsAtTheFirstNul) {
    const wchar_t text[] = L"CustomData\0OK";
    EXPECT_EQ(ANSWER_OTHER, ClassifyAnswer(text, sizeof(text) / sizeof(text[0])));
}

TEST(AnswerBounds, NullTextIsNoAcceptance) { EXPECT_EQ(ANSWER_OTHER, ClassifyAnswer(0, 100)); }

struct StyleCase {
    const wchar_t* text;
    ConversationStyle expected;
};

TEST(ConversationStyles, BidiAndUnidiInAnyAsciiCaseAndNothingElse) {
    const StyleCase cases[] = {
        {L"bidi", STYLE_BIDI},    {L"BIDI", STYLE_BIDI},    {L"BiDi", STYLE_BIDI},   {L"unidi", STYLE_UNIDI},
        {L"UNIDI", STYLE_UNIDI},  {L"uNiDi", STYLE_UNIDI},  {L"bi-di", STYLE_NONE},  {L"uni-di", STYLE_NONE},
        {L"", STYLE_NONE},        {L"bid", STYLE_NONE},     {L"bidi ", STYLE_NONE},  {L" bidi", STYLE_NONE},
        {L"bidiu", STYLE_NONE},   {L"b\x0130" L"di", STYLE_NONE},  // capital I with dot is not ASCII
    };
    for (const StyleCase& c : cases) {
        EXPECT_EQ(c.expected, ConversationStyleFromText(c.text)) << "style " << testing::PrintToString(std::wstring(c.text));
    }
    EXPECT_EQ(STYLE_NONE, ConversationStyleFromText(0));
}

}  // namespace
