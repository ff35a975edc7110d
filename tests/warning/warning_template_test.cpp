// Templates 261 (classic) and 263 (extended) of the warning notice, control by
// control.

#include <gtest/gtest.h>
#include <windows.h>

#include "support/dialog_template.h"
#include "warning/warning_harness.h"

namespace {

struct ExpectedControl {
    int id;
    const wchar_t* className;
    DWORD style;
    short x, y, cx, cy;
};

const ExpectedControl kControls[] = {
    {285, L"BUTTON", 0x50010000, 244, 62, 50, 14},  {475, L"BUTTON", 0x50010003, 34, 49, 238, 9},
    {476, L"STATIC", 0x50020000, 15, 9, 33, 26},    {1033, L"STATIC", 0x50020000, 14, 11, 280, 30},
    {2, L"BUTTON", 0x50010000, 162, 62, 61, 14},    {1, L"BUTTON", 0x50010000, 93, 62, 50, 14},
};

class WarningTemplate : public ::testing::TestWithParam<WORD> {};

TEST_P(WarningTemplate, MatchesTheLayoutWithNoTexts) {
    DialogTemplate t = ReadDialogTemplate(WarningModule(), GetParam(), MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_TRUE(t.found);
    EXPECT_EQ(GetParam() == 263, t.extended);
    ExpectPlainShellDlgHeader(t);
    EXPECT_EQ(0x80C808C0u, t.style);
    EXPECT_EQ(306, t.cx);
    EXPECT_EQ(86, t.cy);
    ASSERT_EQ(6u, t.controls.size());
    for (size_t i = 0; i < t.controls.size(); ++i) {
        const TemplateControl& got = t.controls[i];
        const ExpectedControl& want = kControls[i];
        EXPECT_EQ(want.id, got.id) << "control " << i;
        EXPECT_TRUE(IsControlClass(got, want.className)) << "control " << want.id;
        EXPECT_EQ(want.style, got.style) << "control " << want.id;
        EXPECT_EQ(0u, got.exStyle) << "control " << want.id;
        EXPECT_EQ(want.x, got.x) << "control " << want.id;
        EXPECT_EQ(want.y, got.y) << "control " << want.id;
        EXPECT_EQ(want.cx, got.cx) << "control " << want.id;
        EXPECT_EQ(want.cy, got.cy) << "control " << want.id;
        EXPECT_EQ(L"", got.text) << "control " << want.id;
    }
}

INSTANTIATE_TEST_SUITE_P(ClassicAndExtended, WarningTemplate, ::testing::Values(261, 263));

}  // namespace
