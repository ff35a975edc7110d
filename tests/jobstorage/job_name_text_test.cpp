// The job name line of the job storage notice, from record fields as another
// process may send them: with or without their NUL, with any flag values.

#include <gtest/gtest.h>

#include <string>

#include "dialogs/jobstorage/job_name_text.h"

namespace {

const TextUnit kPoison = 0x2A2A;

struct JobNameCase {
    const char* name;
    std::u16string field;  // units put into the field; the rest of it poisoned
    uint32_t flag1;
    uint32_t flag2;
    std::u16string expected;
};

std::u16string Units(const TextUnit* text) {
    std::u16string units;
    while (*text != 0) units.push_back(static_cast<char16_t>(*text++));
    return units;
}

class JobNameText : public ::testing::TestWithParam<JobNameCase> {};

TEST_P(JobNameText, ShowsTheNameCutAtItsFieldAndTheSuffixOnlyForFlagsOfOne) {
    const JobNameCase& c = GetParam();
    TextUnit field[JOB_NAME_FIELD_CCH];
    for (TextUnit& unit : field) unit = kPoison;
    for (size_t i = 0; i < c.field.size() && i < JOB_NAME_FIELD_CCH; ++i) field[i] = static_cast<TextUnit>(c.field[i]);
    TextUnit text[JOB_NAME_TEXT_CCH];
    for (TextUnit& unit : text) unit = kPoison;

    VComposeJobNameText(field, c.flag1, c.flag2, text);

    EXPECT_EQ(c.expected, Units(text));
    for (size_t i = c.expected.size(); i < JOB_NAME_TEXT_CCH; ++i) EXPECT_EQ(0, text[i]) << "unit " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JobNameText,
    ::testing::Values(
        JobNameCase{"both_flags_1", std::u16string(u"Report\0", 7), 1, 1, u"Report(1-99)"},
        JobNameCase{"first_flag_only", std::u16string(u"Report\0", 7), 1, 0, u"Report"},
        JobNameCase{"second_flag_only", std::u16string(u"Report\0", 7), 0, 1, u"Report"},
        JobNameCase{"flag_of_2_is_not_1", std::u16string(u"Report\0", 7), 2, 1, u"Report"},
        JobNameCase{"flags_all_bits", std::u16string(u"Report\0", 7), 0xFFFFFFFFu, 0xFFFFFFFFu, u"Report"},
        JobNameCase{"empty_name_keeps_the_suffix", std::u16string(u"\0", 1), 1, 1, u"(1-99)"},
        JobNameCase{"inner_nul_ends_the_name", std::u16string(u"Ab\0cd\0", 6), 1, 1, u"Ab(1-99)"},
        // A full field without its NUL shows its first 16 units: the last
        // unit of the field is the NUL's place.
        JobNameCase{"field_without_nul", u"ABCDEFGHIJKLMNOPQ", 1, 1, u"ABCDEFGHIJKLMNOP(1-99)"},
        JobNameCase{"field_without_nul_no_suffix", u"ABCDEFGHIJKLMNOPQ", 0, 0, u"ABCDEFGHIJKLMNOP"}),
    [](const ::testing::TestParamInfo<JobNameCase>& info) { return std::string(info.param.name); });

}  // namespace
