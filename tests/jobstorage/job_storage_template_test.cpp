// Templates 102 and 103 as the built DLL holds them: language 1033, the
// dialog's frame and font, and every control's id, class, styles and place.

#include <gtest/gtest.h>
#include <windows.h>

#include "support/dialog_template.h"
#include "support/test_paths.h"

namespace {

const WORD kButton = 0x80, kEdit = 0x81, kStatic = 0x82;
const DWORD kChild = WS_CHILD | WS_VISIBLE;
const DWORD kLocationLine = kChild | WS_GROUP | SS_LEFT;
const DWORD kNameField = kChild | WS_BORDER | WS_GROUP | WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL;

struct ExpectedControl {
    int id;
    WORD classAtom;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
};

const ExpectedControl kControls102[] = {
    {-1, kButton, kChild | BS_GROUPBOX, 0, 3, 1, 194, 53},
    {1024, kEdit, kChild | WS_GROUP | ES_READONLY | ES_AUTOHSCROLL, 0, 5, 9, 190, 12},
    {1014, kStatic, kLocationLine, 0, 23, 22, 162, 8},
    {1015, kStatic, kLocationLine, 0, 23, 33, 162, 8},
    {1016, kStatic, kLocationLine, 0, 23, 42, 162, 8},
    {-1, kButton, kChild | BS_GROUPBOX, 0, 3, 55, 194, 40},
    {1018, kStatic, kChild | WS_GROUP | SS_LEFT, 0, 16, 64, 56, 8},
    {1025, kEdit, kNameField, 0, 75, 64, 100, 12},
    {1019, kStatic, kChild | WS_GROUP | SS_LEFT, 0, 16, 78, 56, 8},
    {1026, kEdit, kNameField, 0, 75, 78, 100, 12},
    {1017, kButton, kChild | WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 6, 99, 188, 8},
    {1, kButton, kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 87, 111, 50, 14},
    {1020, kButton, kChild | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, 0, 143, 111, 50, 14},
};

const DWORD kCentredLine = kChild | WS_GROUP | SS_CENTER;

const ExpectedControl kControls103[] = {
    {-1, kButton, kChild | BS_GROUPBOX, 0, 6, 1, 188, 53},
    {1024, kEdit, kChild | WS_GROUP | ES_CENTER | ES_READONLY | ES_AUTOHSCROLL, WS_EX_RTLREADING, 9, 9, 182, 12},
    {1014, kStatic, kCentredLine, 0, 10, 21, 179, 8},
    {1015, kStatic, kCentredLine, 0, 10, 31, 179, 8},
    {1016, kStatic, kCentredLine, 0, 10, 41, 179, 8},
    {-1, kButton, kChild | BS_GROUPBOX, 0, 6, 55, 188, 40},
    {1018, kStatic, kChild | WS_GROUP | SS_LEFT, 0, 16, 64, 56, 8},
    {1025, kEdit, kNameField, WS_EX_RTLREADING, 75, 64, 100, 12},
    {1019, kStatic, kChild | WS_GROUP | SS_LEFT, 0, 16, 78, 56, 8},
    {1026, kEdit, kNameField, WS_EX_RTLREADING, 75, 78, 100, 12},
    {1017, kButton, kChild | WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 6, 99, 188, 8},
    {1, kButton, kChild | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 87, 111, 50, 14},
    {1020, kButton, kChild | WS_GROUP | WS_TABSTOP | BS_PUSHBUTTON, 0, 143, 111, 50, 14},
};

struct TemplateCase {
    const char* name;
    WORD id;
    bool extended;
    const ExpectedControl* controls;
    size_t count;
};

class JobStorageTemplate : public ::testing::TestWithParam<TemplateCase> {
protected:
    static void SetUpTestSuite() {
        module_ = LoadLibraryExW(TestBinPath(L"evdlgx42.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    }
    static void TearDownTestSuite() { FreeLibrary(module_); }
    static HMODULE module_;
};
HMODULE JobStorageTemplate::module_ = nullptr;

TEST_P(JobStorageTemplate, MatchesTheLayoutControlByControl) {
    const TemplateCase& c = GetParam();
    ASSERT_NE(nullptr, module_);
    DialogTemplate dialog = ReadDialogTemplate(module_, c.id, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_TRUE(dialog.found) << "no template " << c.id << " in language 1033";

    EXPECT_EQ(c.extended, dialog.extended);
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT),
              dialog.style);
    EXPECT_EQ(0u, dialog.exStyle);
    EXPECT_EQ(0u, dialog.helpId);
    EXPECT_EQ(0, dialog.x);
    EXPECT_EQ(0, dialog.y);
    EXPECT_EQ(200, dialog.cx);
    EXPECT_EQ(130, dialog.cy);
    EXPECT_TRUE(dialog.menu.empty());
    EXPECT_TRUE(dialog.windowClass.empty());
    EXPECT_TRUE(dialog.caption.empty());
    EXPECT_EQ(8, dialog.pointSize);
    EXPECT_EQ(L"MS Shell Dlg", dialog.face);
    if (c.extended) {
        EXPECT_EQ(0, dialog.weight);
        EXPECT_EQ(0, dialog.italic);
        EXPECT_EQ(1, dialog.charset);
    }

    ASSERT_EQ(c.count, dialog.controls.size());
    for (size_t i = 0; i < c.count; ++i) {
        const ExpectedControl& want = c.controls[i];
        const TemplateControl& got = dialog.controls[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + ", id " + std::to_string(want.id));
        EXPECT_EQ(want.id, got.id);
        EXPECT_EQ(want.classAtom, got.classAtom);
        EXPECT_EQ(want.style, got.style) << std::hex << "differs in " << (want.style ^ got.style);
        EXPECT_EQ(want.exStyle, got.exStyle);
        EXPECT_EQ(0u, got.helpId);
        EXPECT_EQ(want.x, got.x);
        EXPECT_EQ(want.y, got.y);
        EXPECT_EQ(want.cx, got.cx);
        EXPECT_EQ(want.cy, got.cy);
        EXPECT_TRUE(got.text.empty());
        EXPECT_EQ(0, got.textResource);
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, JobStorageTemplate,
                         ::testing::Values(TemplateCase{"classic_102", 102, false, kControls102, 13},
                                           TemplateCase{"extended_103", 103, true, kControls103, 13}),
                         [](const ::testing::TestParamInfo<TemplateCase>& info) { return std::string(info.param.name); });

TEST(JobStorageTemplates, NoneHasTheMirroredLayout) {
    HMODULE module = LoadLibraryExW(TestBinPath(L"evdlgx42.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    for (WORD id : {102, 103}) {
        DialogTemplate dialog = ReadDialogTemplate(module, id, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        EXPECT_EQ(0u, dialog.exStyle & WS_EX_LAYOUTRTL);
        for (const TemplateControl& control : dialog.controls) EXPECT_EQ(0u, control.exStyle & WS_EX_LAYOUTRTL);
    }
    FreeLibrary(module);
}

}  // namespace
