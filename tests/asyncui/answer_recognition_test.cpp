// How the sender reads answers and conversation styles: platform-free rules
// over bounded text. Also builds natively.

#include <gtest/gtest.h>

#include <string>

#include "asyncui/answer_recognition.h"
#include "asyncui/conversation_style.h"

namespace {

struct AnswerCase {
    const char* name;
    const TextUnit* text;
    AnswerCode expected;
};

void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

const AnswerCase kAnswers[] = {
    {"custom_ui_then_ok", TEXT_UNITS("<CustomUI><result>OK</result></CustomUI>"), ANSWER_ACCEPTED},
    {"ok_only_before_custom_ui", TEXT_UNITS("OK<CustomUI><result>Cancel</result></CustomUI>"), ANSWER_OTHER},
    {"custom_data_cancel", TEXT_UNITS("<CustomData>Cancel</CustomData>"), ANSWER_OTHER},
    {"custom_data_ok_inside_a_word", TEXT_UNITS("<CustomData>BOOKED</CustomData>"), ANSWER_ACCEPTED},
    {"custom_data_ok_right_after_marker", TEXT_UNITS("CustomDataOK"), ANSWER_ACCEPTED},
    {"ok_in_lower_case", TEXT_UNITS("<CustomData>Ok</CustomData>"), ANSWER_OTHER},
    {"lower_case_custom_ui_marker", TEXT_UNITS("<customUI>OK</customUI>"), ANSWER_OTHER},
    {"lower_case_custom_data_marker", TEXT_UNITS("<customData>OK</customData>"), ANSWER_OTHER},
    // "CustomUI" is searched first: an "OK" before it does not count even
    // when it follows "CustomData".
    {"custom_ui_searched_before_custom_data", TEXT_UNITS("CustomData OK CustomUI Cancel"), ANSWER_OTHER},
    {"message_box_first_button", TEXT_UNITS("<messageBoxUI><buttonID>1</buttonID></messageBoxUI>"), ANSWER_ACCEPTED},
    {"message_box_other_button", TEXT_UNITS("<messageBoxUI><buttonID>2</buttonID></messageBoxUI>"), ANSWER_OTHER},
    {"message_box_button_before_marker", TEXT_UNITS("<buttonID>1</buttonID><messageBoxUI/>"), ANSWER_OTHER},
    {"message_box_marker_upper_case", TEXT_UNITS("<MessageBoxUI><buttonID>1</buttonID></MessageBoxUI>"), ANSWER_OTHER},
    {"custom_marker_wins_over_message_box", TEXT_UNITS("CustomUI Cancel messageBoxUI <buttonID>1</buttonID>"),
     ANSWER_OTHER},
    {"message_box_ok_is_not_button_one", TEXT_UNITS("<messageBoxUI>OK</messageBoxUI>"), ANSWER_OTHER},
    {"no_marker", TEXT_UNITS("OK"), ANSWER_OTHER},
    {"empty", TEXT_UNITS(""), ANSWER_OTHER},
};

class AnswerTable : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerTable, ClassifiesTheWholeText) {
    const AnswerCase& c = GetParam();
    EXPECT_EQ(c.expected,
              ClassifyAnswer(c.text, static_cast<uint32_t>(std::char_traits<TextUnit>::length(c.text) + 1)));
}

INSTANTIATE_TEST_SUITE_P(Answers, AnswerTable, ::testing::ValuesIn(kAnswers),
                         [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST(AnswerBounds, ReadsNoFurtherThanTheUnitsAvailable) {
    const TextUnit text[] = TEXT_UNITS("CustomDataOK");  // 12 units before its NUL
    EXPECT_EQ(ANSWER_OTHER, ClassifyAnswer(text, 10));
    EXPECT_EQ(ANSWER_OTHER, ClassifyAnswer(text, 11));
    EXPECT_EQ(ANSWER_ACCEPTED, ClassifyAnswer(text, 12));  // no NUL within: ends there
    EXPECT_EQ(ANSWER_OTHER, ClassifyAnswer(text, 0));
}

TEST(AnswerBounds, StopsAtTheFirstNul) {
    const TextUnit text[] = TEXT_UNITS("CustomData\0OK");
    EXPECT_EQ(ANSWER_OTHER, ClassifyAnswer(text, sizeof(text) / sizeof(text[0])));
}

TEST(AnswerBounds, NullTextIsNoAcceptance) { EXPECT_EQ(ANSWER_OTHER, ClassifyAnswer(0, 100)); }

struct StyleCase {
    const TextUnit* text;
    ConversationStyle expected;
};

TEST(ConversationStyles, BidiAndUnidiInAnyAsciiCaseAndNothingElse) {
    const StyleCase cases[] = {
        {TEXT_UNITS("bidi"), STYLE_BIDI},
        {TEXT_UNITS("BIDI"), STYLE_BIDI},
        {TEXT_UNITS("BiDi"), STYLE_BIDI},
        {TEXT_UNITS("unidi"), STYLE_UNIDI},
        {TEXT_UNITS("UNIDI"), STYLE_UNIDI},
        {TEXT_UNITS("uNiDi"), STYLE_UNIDI},
        {TEXT_UNITS("bi-di"), STYLE_NONE},
        {TEXT_UNITS("uni-di"), STYLE_NONE},
        {TEXT_UNITS(""), STYLE_NONE},
        {TEXT_UNITS("bid"), STYLE_NONE},
        {TEXT_UNITS("bidi "), STYLE_NONE},
        {TEXT_UNITS(" bidi"), STYLE_NONE},
        {TEXT_UNITS("bidiu"), STYLE_NONE},
        {TEXT_UNITS("b\x0130") TEXT_UNITS("di"), STYLE_NONE},  // capital I with dot is not ASCII
    };
    for (const StyleCase& c : cases) {
        EXPECT_EQ(c.expected, ConversationStyleFromText(c.text))
            << "style " << testing::PrintToString(std::basic_string<TextUnit>(c.text));
    }
    EXPECT_EQ(STYLE_NONE, ConversationStyleFromText(0));
}

}  // namespace
