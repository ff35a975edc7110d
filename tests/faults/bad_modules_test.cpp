// Driver files gone wrong behind the manual duplex instructions: a string
// module cut short, an image module whose step pictures are of every wrong
// kind. The notice still comes up with its texts, paints, closes through its
// button and releases the modules it loaded.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "duplex/duplex_harness.h"
#include "evdlgx42.h"
#include "preview/preview_harness.h"
#include "support/dialog_driver.h"
#include "support/test_paths.h"

namespace {

const wchar_t kFallbackCaption[] = L"Print on Both Sides Instructions";

template <size_t N>
void Put(WCHAR (&field)[N], const std::wstring& text) {
    lstrcpynW(field, text.c_str(), N);
}

// The modeless variant: the notice runs on a thread of its own.
DuplexPayload Record(const std::wstring& stringModule, const std::wstring& imageModule, DWORD firstPicture) {
    DuplexPayload record = {};
    Put(record.szStringModule, stringModule);
    Put(record.szImageModule, imageModule);
    record.dwStep1Bitmap = firstPicture;
    record.dwStep2Bitmap = firstPicture + 1;
    record.dwStep3Bitmap = firstPicture + 2;
    return record;
}

struct ShownNotice {
    std::wstring caption;
    std::wstring button;
    bool painted = false;
    bool closed = false;
};

// Shows the notice, paints it once more from scratch, reads it and closes it
// through its default button.
ShownNotice ShowAndClose(const DuplexPayload& record) {
    ShownNotice shown;
    DisplayDialog()(record, FALSE, 0);
    HWND notice = WaitForDuplexDialog();
    if (notice == 0) return shown;
    shown.caption = WindowText(notice);
    shown.button = ControlText(notice, IDOK);
    InvalidateRect(notice, 0, TRUE);
    shown.painted = WaitUntil([&] { return !GetUpdateRect(notice, 0, FALSE); });
    WindowThread thread(notice);
    PressButton(notice, IDOK);
    shown.closed = WaitForWindowGone(notice) && thread.WaitForExit();
    return shown;
}

// Every picture of bad_bitmaps.dll lands in one of the three frames.
class BadPictures : public ::testing::TestWithParam<DWORD> {};

TEST_P(BadPictures, AreDrawnAsThePlatformCanOrLeftOutAndTheNoticeCloses) {
    ShownNotice shown = ShowAndClose(Record(TestBinPath(L"strings_full.dll"), TestBinPath(L"bad_bitmaps.dll"),
                                            GetParam()));
    EXPECT_EQ(kFallbackCaption, shown.caption);
    EXPECT_TRUE(shown.painted);
    EXPECT_TRUE(shown.closed);
}

INSTANTIATE_TEST_SUITE_P(ThreeAtATime, BadPictures, ::testing::Values(105u, 108u, 111u, 114u, 117u),
                         [](const ::testing::TestParamInfo<DWORD>& info) {
                             return "from_" + std::to_string(info.param);
                         });

enum CutAt { kInsideTheHeaders, kAtHalf, kBeforeTheEnd };

struct CutCase {
    const char* name;
    CutAt at;
};

// strings_full.dll planted in directory and cut short there.
std::wstring CutCopy(ScratchDirectory& directory, CutAt at) {
    if (!directory.Plant(TestBinPath(L"strings_full.dll"), L"strings_cut.dll")) return std::wstring();
    const std::wstring path = directory.path() + L"strings_cut.dll";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, 0, OPEN_EXISTING, 0, 0);
    const DWORD size = GetFileSize(file, 0);
    const DWORD lengths[] = {300, size / 2, size - 64};
    SetFilePointer(file, static_cast<LONG>(lengths[at]), 0, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
    return path;
}

class CutStringModule : public ::testing::TestWithParam<CutCase> {};

// The module either does not load or yields what its blocks still hold; the
// texts come from it or from the fallbacks, and the notice lets the file go.
TEST_P(CutStringModule, GivesTextsOrFallbacksAndIsReleasedWithTheNotice) {
    ScratchDirectory directory;
    const std::wstring path = CutCopy(directory, GetParam().at);
    ASSERT_FALSE(path.empty());

    ShownNotice shown = ShowAndClose(Record(path, TestBinPath(L"evdlgx42.dll"), 105));
    EXPECT_EQ(kFallbackCaption, shown.caption);
    EXPECT_FALSE(shown.button.empty());
    EXPECT_TRUE(shown.closed);
    HANDLE exclusive = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, 0, OPEN_EXISTING, 0, 0);
    EXPECT_NE(INVALID_HANDLE_VALUE, exclusive) << "the cut module is still loaded (error " << GetLastError() << ")";
    if (exclusive != INVALID_HANDLE_VALUE) CloseHandle(exclusive);
}

INSTANTIATE_TEST_SUITE_P(Lengths, CutStringModule,
                         ::testing::Values(CutCase{"inside_the_headers", kInsideTheHeaders},
                                           CutCase{"at_half", kAtHalf}, CutCase{"before_the_end", kBeforeTheEnd}),
                         [](const ::testing::TestParamInfo<CutCase>& info) { return std::string(info.param.name); });

}  // namespace
