// Templates 101 (classic) and 104 (extended, for right-to-left interface
// languages) of the manual duplex instructions, control by control.

#include <gtest/gtest.h>
#include <windows.h>

#include "duplex/duplex_harness.h"
#include "support/dialog_template.h"

namespace {

struct Box {
    short x, y, cx, cy;
};

struct ExpectedControl {
    int id;
    const wchar_t* className;
    DWORD style;
    Box classic;   // in 101
    Box extended;  // in 104
};

// In template order, which is also the tab order.
const ExpectedControl kControls[] = {
    {1001, L"STATIC", 0x50001001, {14, 20, 345, 28}, {14, 20, 345, 28}},
    {1009, L"BUTTON", 0x50000007, {14, 62, 112, 158}, {14, 62, 112, 158}},
    {1021, L"STATIC", 0x50000000, {18, 72, 8, 10}, {18, 72, 8, 10}},
    {1002, L"STATIC", 0x50000000, {29, 72, 85, 65}, {29, 72, 85, 65}},
    {1005, L"STATIC", 0x58000000, {18, 152, 105, 62}, {18, 152, 105, 62}},
    {1000, L"BUTTON", 0x50000007, {131, 62, 119, 158}, {131, 62, 112, 140}},
    {1022, L"STATIC", 0x50000000, {135, 72, 8, 10}, {135, 72, 8, 10}},
    {1003, L"STATIC", 0x50000000, {146, 70, 100, 76}, {146, 72, 85, 64}},
    {1006, L"STATIC", 0x58000000, {138, 152, 105, 62}, {138, 152, 105, 62}},
    {1007, L"BUTTON", 0x50000007, {256, 62, 112, 158}, {248, 62, 112, 140}},
    {1023, L"STATIC", 0x50000000, {261, 72, 8, 10}, {261, 72, 8, 10}},
    {1004, L"STATIC", 0x50000000, {275, 72, 85, 65}, {263, 72, 85, 65}},
    {1008, L"STATIC", 0x58000000, {259, 152, 105, 62}, {259, 152, 105, 62}},
    {1, L"BUTTON", 0x50010001, {247, 223, 50, 14}, {247, 223, 50, 14}},
    {1027, L"BUTTON", 0x50010000, {313, 223, 50, 14}, {313, 223, 50, 14}},
};

struct TemplateCase {
    WORD id;
    bool extended;
    short height;
};

class DuplexTemplate : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(DuplexTemplate, MatchesTheLayoutWithNoTexts) {
    const TemplateCase& c = GetParam();
    DialogTemplate t = ReadDialogTemplate(DuplexModule(), c.id, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_TRUE(t.found);
    EXPECT_EQ(c.extended, t.extended);
    ExpectPlainShellDlgHeader(t);
    EXPECT_EQ(0x80C800C0u, t.style);
    EXPECT_EQ(377, t.cx);
    EXPECT_EQ(c.height, t.cy);
    ASSERT_EQ(sizeof(kControls) / sizeof(kControls[0]), t.controls.size());
    for (size_t i = 0; i < t.controls.size(); ++i) {
        const TemplateControl& got = t.controls[i];
        const ExpectedControl& want = kControls[i];
        const Box& box = c.extended ? want.extended : want.classic;
        SCOPED_TRACE("control " + std::to_string(want.id));
        EXPECT_EQ(want.id, got.id);
        EXPECT_TRUE(IsControlClass(got, want.className));
        EXPECT_EQ(want.style, got.style);
        EXPECT_EQ(0u, got.exStyle);
        EXPECT_EQ(0u, got.helpId);
        EXPECT_EQ(box.x, got.x);
        EXPECT_EQ(box.y, got.y);
        EXPECT_EQ(box.cx, got.cx);
        EXPECT_EQ(box.cy, got.cy);
        EXPECT_EQ(L"", got.text);
        EXPECT_EQ(0, got.textResource);
    }
}

INSTANTIATE_TEST_SUITE_P(ClassicAndExtended, DuplexTemplate,
                         ::testing::Values(TemplateCase{101, false, 241}, TemplateCase{104, true, 236}),
                         [](const ::testing::TestParamInfo<TemplateCase>& info) {
                             return std::to_string(info.param.id);
                         });

}  // namespace
