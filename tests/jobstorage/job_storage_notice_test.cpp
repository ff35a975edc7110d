// The job storage notice from the DLL's entries to the screen: texts and
// fallbacks, bold fields, placement, what OK, Help, the close box and Escape
// do, the answer of the receiving entry and several notices at once.

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "notice_driver.h"
#include "string_modules/fixture_texts.h"
#include "support/dialog_driver.h"
#include "support/dialog_gate.h"
#include "support/help_viewer.h"
#include "support/registry_values.h"
#include "support/scratch_window.h"
#include "support/test_paths.h"

namespace {

const int kLocation1 = 1014, kLocation2 = 1015, kLocation3 = 1016, kDontShow = 1017;
const int kUserNameLabel = 1018, kJobNameLabel = 1019, kHelp = 1020;
const int kStoredAt = 1024, kUserName = 1025, kJobName = 1026;
const wchar_t kShowSetting[] = L"ShowJobStorageDlg";

std::wstring UniqueKey(const wchar_t* stem) { return stem + std::to_wstring(GetCurrentProcessId()); }

class JobStorageNotice : public ::testing::Test {
protected:
    void SetUp() override {
        HelpViewerReset();
        key_ = UniqueKey(L"evdlg-notice-");
        record_ = MakeRecord(key_.c_str());
    }
    void TearDown() override {
        EXPECT_TRUE(CloseAllNotices()) << "a notice stayed open";
        DeleteRegistryTree(HKEY_CURRENT_USER, SettingsKeyPath(key_.c_str()));
    }

    HWND Show() {
        HWND notice = ShowNotice(record_);
        EXPECT_NE(nullptr, notice) << "no notice appeared";
        return notice;
    }

    // Ends the notice through `close` and checks that it and its thread are
    // gone cleanly.
    template <typename Close>
    void CloseAndExpectClean(HWND notice, Close close) {
        WindowThread thread(notice);
        close();
        EXPECT_TRUE(WaitForWindowGone(notice));
        DWORD exitCode = 0xdeadbeef;
        EXPECT_TRUE(thread.WaitForExit(&exitCode));
        EXPECT_EQ(0u, exitCode);
    }

    RegistryValue ShowSetting() const {
        return ReadRegistryValue(HKEY_CURRENT_USER, SettingsKeyPath(key_.c_str()), kShowSetting);
    }

    std::wstring key_;
    JobStoragePayload record_;
};

TEST_F(JobStorageNotice, ReceivingEntryAnswersCancelBeforeTheNoticeIsOnScreen) {
    ASSERT_TRUE(DialogGateClose());
    const int threadsBefore = CountProcessThreads();
    EXPECT_EQ(L"Cancel", ReceiveAnswer(&record_));
    EXPECT_EQ(threadsBefore + 1, CountProcessThreads());
    // The notice's thread has got as far as creating its window, which the
    // gate holds before it can be shown.
    EXPECT_TRUE(WaitUntil([] { return DialogGateHeldCount() == 1; }));
    EXPECT_TRUE(FindDialogs(DialogQuery()).empty());
    DialogGateOpen();

    HWND notice = WaitForDialog(DialogQuery());
    ASSERT_NE(nullptr, notice);
    CloseAndExpectClean(notice, [&] { PressButton(notice, IDOK); });
}

TEST_F(JobStorageNotice, NullRecordStartsNothingAndAnswersCancel) {
    const int threadsBefore = CountProcessThreads();
    EXPECT_EQ(L"Cancel", ReceiveAnswer(nullptr));
    EXPECT_EQ(threadsBefore, CountProcessThreads());
}

TEST_F(JobStorageNotice, SendingEntryShowsTheNoticeOnAThreadOfItsOwn) {
    JobStorage().send(record_);
    HWND notice = WaitForDialog(DialogQuery());
    ASSERT_NE(nullptr, notice);
    WindowThread thread(notice);
    EXPECT_NE(GetCurrentThreadId(), thread.id());
    EXPECT_EQ(L"jdoe", ControlText(notice, kUserName));
    CloseAndExpectClean(notice, [&] { PressButton(notice, IDOK); });
}

struct TextsCase {
    const char* name;
    const wchar_t* stringModule;
    std::vector<std::wstring> expected;  // caption, 1018, 1019, 1024, 1017, 1, 1020
};

class NoticeTexts : public JobStorageNotice, public ::testing::WithParamInterface<TextsCase> {};

TEST_P(NoticeTexts, CaptionAndLabelsComeFromTheStringModuleOrTheFallbacks) {
    SetField(record_.szStringModule, TestBinPath(GetParam().stringModule));
    HWND notice = Show();
    ASSERT_NE(nullptr, notice);
    const std::vector<std::wstring> shown = {WindowText(notice),          ControlText(notice, kUserNameLabel),
                                             ControlText(notice, kJobNameLabel), ControlText(notice, kStoredAt),
                                             ControlText(notice, kDontShow),     ControlText(notice, IDOK),
                                             ControlText(notice, kHelp)};
    EXPECT_EQ(GetParam().expected, shown);
    // The record's own texts, exactly as it holds them.
    EXPECT_EQ(L"Printer: Orvantel Office 4200", ControlText(notice, kLocation1));
    EXPECT_EQ(L"  Folder: Private Jobs  ", ControlText(notice, kLocation2));
    EXPECT_EQ(L"PIN required", ControlText(notice, kLocation3));
    EXPECT_EQ(L"jdoe", ControlText(notice, kUserName));
    EXPECT_EQ(L"Quarterly", ControlText(notice, kJobName));
}

INSTANTIATE_TEST_SUITE_P(
    StringModules, NoticeTexts,
    ::testing::Values(
        TextsCase{"looked_up", L"strings_full.dll",
                  {L"" FX_EN_3064, L"" FX_EN_844, L"" FX_EN_845, L"" FX_EN_3062, L"" FX_EN_3063, L"" FX_EN_849,
                   L"" FX_EN_797}},
        TextsCase{"missing_module", L"no_such_strings.dll",
                  {L"Job Storage Identification", L"User Name:", L"Job Name:", L"This print Job will be stored at:",
                   L"In the future, do not show this information.", L"&OK", L"&Help"}},
        // A file that is no module at all.
        TextsCase{"not_a_module", L"evdlgx42.map",
                  {L"Job Storage Identification", L"User Name:", L"Job Name:", L"This print Job will be stored at:",
                   L"In the future, do not show this information.", L"&OK", L"&Help"}}),
    [](const ::testing::TestParamInfo<TextsCase>& info) { return std::string(info.param.name); });

TEST_F(JobStorageNotice, NameAndLocationFieldsAreBoldAndTheFontGoesWithTheNotice) {
    HWND notice = Show();
    ASSERT_NE(nullptr, notice);
    EXPECT_EQ(FW_BOLD, FontWeight(GetDlgItem(notice, kUserName)));
    EXPECT_EQ(FW_BOLD, FontWeight(GetDlgItem(notice, kJobName)));
    EXPECT_EQ(FW_BOLD, FontWeight(GetDlgItem(notice, kStoredAt)));
    EXPECT_NE(FW_BOLD, FontWeight(GetDlgItem(notice, kUserNameLabel)));
    EXPECT_NE(FW_BOLD, FontWeight(GetDlgItem(notice, kLocation1)));

    HFONT bold = WindowFont(GetDlgItem(notice, kUserName));
    HFONT dialogFont = WindowFont(notice);
    EXPECT_NE(dialogFont, bold);
    LOGFONTW boldLooks = {}, dialogLooks = {};
    GetObjectW(bold, sizeof(boldLooks), &boldLooks);
    GetObjectW(dialogFont, sizeof(dialogLooks), &dialogLooks);
    EXPECT_EQ(dialogLooks.lfHeight, boldLooks.lfHeight);
    EXPECT_STREQ(dialogLooks.lfFaceName, boldLooks.lfFaceName);

    CloseAndExpectClean(notice, [&] { PressButton(notice, IDOK); });
    EXPECT_EQ(0u, GetObjectType(bold)) << "the bold font outlived its notice";
}

struct JobNameCase {
    const char* name;
    DWORD flag1;
    DWORD flag2;
    const wchar_t* expected;
};

class JobNameSuffix : public JobStorageNotice, public ::testing::WithParamInterface<JobNameCase> {};

TEST_P(JobNameSuffix, FollowsTheNameOnlyWhenBothFlagsAreOne) {
    record_.dwJobNameFlag1 = GetParam().flag1;
    record_.dwJobNameFlag2 = GetParam().flag2;
    HWND notice = Show();
    ASSERT_NE(nullptr, notice);
    EXPECT_EQ(GetParam().expected, ControlText(notice, kJobName));
}

INSTANTIATE_TEST_SUITE_P(Flags, JobNameSuffix,
                         ::testing::Values(JobNameCase{"both_one", 1, 1, L"Quarterly(1-99)"},
                                           JobNameCase{"first_zero", 0, 1, L"Quarterly"},
                                           JobNameCase{"second_zero", 1, 0, L"Quarterly"},
                                           JobNameCase{"first_two", 2, 1, L"Quarterly"},
                                           JobNameCase{"second_two", 1, 2, L"Quarterly"}),
                         [](const ::testing::TestParamInfo<JobNameCase>& info) { return std::string(info.param.name); });

// Each field filled to its last unit, with no NUL: what is shown stops at the
// field's end and never runs into the next field.
TEST_F(JobStorageNotice, FieldsWithoutTerminatorAreShownCutAtTheirEnd) {
    SetField(record_.szUserName, std::wstring(17, L'U'));
    SetField(record_.szJobName, std::wstring(17, L'J'));
    SetField(record_.szLocationLine1, std::wstring(256, L'1'));
    SetField(record_.szLocationLine2, std::wstring(256, L'2'));
    SetField(record_.szLocationLine3, std::wstring(256, L'3'));
    const std::wstring fullKey = key_ + std::wstring(38 - key_.size(), L'k');
    SetField(record_.szSettingsKey, fullKey);
    SetField(record_.szHelpFile, std::wstring(256, L'h'));
    record_.dwJobNameFlag1 = record_.dwJobNameFlag2 = 1;
    HWND notice = Show();
    ASSERT_NE(nullptr, notice);

    EXPECT_EQ(std::wstring(16, L'U'), ControlText(notice, kUserName));
    EXPECT_EQ(std::wstring(16, L'J') + L"(1-99)", ControlText(notice, kJobName));
    EXPECT_EQ(std::wstring(255, L'1'), ControlText(notice, kLocation1));
    EXPECT_EQ(std::wstring(255, L'2'), ControlText(notice, kLocation2));
    EXPECT_EQ(std::wstring(255, L'3'), ControlText(notice, kLocation3));

    PressButton(notice, kHelp);
    ASSERT_TRUE(WaitUntil([] { return HelpViewerCallCount() == 1; }));
    HelpViewerCall call;
    ASSERT_TRUE(HelpViewerLastCall(&call));
    EXPECT_EQ(std::wstring(255, L'h'), call.file);

    CloseAndExpectClean(notice, [&] { PressButton(notice, IDOK); });
    const std::wstring shownKey = fullKey.substr(0, 37);
    EXPECT_TRUE(ReadRegistryValue(HKEY_CURRENT_USER, SettingsKeyPath(shownKey.c_str()), kShowSetting).found);
    DeleteRegistryTree(HKEY_CURRENT_USER, SettingsKeyPath(shownKey.c_str()));
}

struct OkCase {
    const char* name;
    bool tick;
    BYTE stored;
};

class OkButton : public JobStorageNotice, public ::testing::WithParamInterface<OkCase> {};

TEST_P(OkButton, StoresTheCheckBoxAsOneByteAndCloses) {
    HWND notice = Show();
    ASSERT_NE(nullptr, notice);
    if (GetParam().tick) PressButton(notice, kDontShow);
    ASSERT_TRUE(Sync(notice));
    ASSERT_EQ(GetParam().tick ? BST_CHECKED : BST_UNCHECKED, CheckState(notice, kDontShow));

    CloseAndExpectClean(notice, [&] { PressButton(notice, IDOK); });
    RegistryValue stored = ShowSetting();
    ASSERT_TRUE(stored.found);
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), stored.type);
    EXPECT_EQ(std::vector<BYTE>(1, GetParam().stored), stored.bytes);
}

INSTANTIATE_TEST_SUITE_P(CheckBox, OkButton,
                         ::testing::Values(OkCase{"ticked_do_not_show", true, 0}, OkCase{"clear_show", false, 1}),
                         [](const ::testing::TestParamInfo<OkCase>& info) { return std::string(info.param.name); });

TEST_F(JobStorageNotice, EmptySettingsKeyStoresDirectlyUnderTheMakersKey) {
    SetField(record_.szSettingsKey, L"");
    HWND notice = Show();
    ASSERT_NE(nullptr, notice);
    CloseAndExpectClean(notice, [&] { PressButton(notice, IDOK); });
    RegistryValue stored = ReadRegistryValue(HKEY_CURRENT_USER, L"Software\\Orvantel", kShowSetting);
    ASSERT_TRUE(stored.found);
    EXPECT_EQ(std::vector<BYTE>(1, 1), stored.bytes);
    DeleteRegistryValue(HKEY_CURRENT_USER, L"Software\\Orvantel", kShowSetting);
}

TEST_F(JobStorageNotice, CloseBoxEndsTheNoticeWithoutStoringAnything) {
    HWND notice = Show();
    ASSERT_NE(nullptr, notice);
    PressButton(notice, kDontShow);
    CloseAndExpectClean(notice, [&] { PostClose(notice); });
    EXPECT_FALSE(ShowSetting().found);
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, SettingsKeyPath(key_.c_str())));
}

TEST_F(JobStorageNotice, EscapeAndCancelDoNothing) {
    HWND notice = Show();
    ASSERT_NE(nullptr, notice);
    PostKey(notice, VK_ESCAPE);
    PostCommand(notice, IDCANCEL);
    ASSERT_TRUE(Sync(notice));
    EXPECT_TRUE(IsWindowVisible(notice));
    EXPECT_FALSE(ShowSetting().found);
    CloseAndExpectClean(notice, [&] { PressButton(notice, IDOK); });
}

TEST_F(JobStorageNotice, HelpAsksForContext15220OfTheRecordsHelpFileAndStaysOpen) {
    HWND notice = Show();
    ASSERT_NE(nullptr, notice);
    WindowThread noticeThread(notice);
    PressButton(notice, kHelp);
    ASSERT_TRUE(WaitUntil([] { return HelpViewerCallCount() == 1; }));
    ASSERT_TRUE(Sync(notice));

    HelpViewerCall call;
    ASSERT_TRUE(HelpViewerLastCall(&call));
    EXPECT_EQ(GetDlgItem(notice, kHelp), call.caller);
    EXPECT_EQ(17u, call.command);
    EXPECT_STREQ(L"C:\\Orvantel\\Driver\\orvhelp.chm", call.file);
    ASSERT_EQ(1, call.pairCount);
    EXPECT_EQ(1020u, call.pairs[0][0]);
    EXPECT_EQ(15220u, call.pairs[0][1]);
    EXPECT_TRUE(call.zeroPairFound);
    EXPECT_EQ(noticeThread.id(), call.threadId);

    EXPECT_TRUE(IsWindowVisible(notice));
    EXPECT_FALSE(ShowSetting().found);
    CloseAndExpectClean(notice, [&] { PressButton(notice, IDOK); });
    EXPECT_TRUE(ShowSetting().found);
}

// The notices are started one after another, each once the one before is on
// screen: Wine 8's shared Uniscribe font cache can deadlock when edit controls
// on several threads meet a new font at the same instant.
TEST_F(JobStorageNotice, SeveralNoticesRunAtOnceEachOnItsOwnThread) {
    const std::wstring keys[] = {key_ + L"-a", key_ + L"-b", key_ + L"-c"};
    JobStoragePayload records[3];
    for (int i = 0; i < 3; ++i) {
        records[i] = MakeRecord(keys[i].c_str());
        SetField(records[i].szUserName, L"user" + std::to_wstring(i));
    }
    std::vector<HWND> notices;
    for (int i = 0; i < 3; ++i) {
        if (i == 1) {
            JobStorage().send(records[i]);
        } else {
            EXPECT_EQ(L"Cancel", ReceiveAnswer(&records[i]));
        }
        notices = WaitForDialogs(DialogQuery(), i + 1);
        ASSERT_EQ(static_cast<size_t>(i + 1), notices.size());
        for (HWND notice : notices) ASSERT_TRUE(Sync(notice));
    }

    std::set<DWORD> threads;
    HWND byUser[3] = {};
    for (HWND notice : notices) {
        threads.insert(GetWindowThreadProcessId(notice, nullptr));
        const std::wstring user = ControlText(notice, kUserName);
        ASSERT_EQ(5u, user.size());
        byUser[user[4] - L'0'] = notice;
    }
    EXPECT_EQ(3u, threads.size());
    EXPECT_EQ(0u, threads.count(GetCurrentThreadId()));

    PressButton(byUser[0], kDontShow);
    CloseAndExpectClean(byUser[0], [&] { PressButton(byUser[0], IDOK); });
    EXPECT_TRUE(IsWindowVisible(byUser[1]) && IsWindowVisible(byUser[2]));
    CloseAndExpectClean(byUser[1], [&] { PostClose(byUser[1]); });
    CloseAndExpectClean(byUser[2], [&] { PressButton(byUser[2], IDOK); });

    EXPECT_EQ(std::vector<BYTE>(1, 0), ReadRegistryValue(HKEY_CURRENT_USER, SettingsKeyPath(keys[0].c_str()), kShowSetting).bytes);
    EXPECT_FALSE(ReadRegistryValue(HKEY_CURRENT_USER, SettingsKeyPath(keys[1].c_str()), kShowSetting).found);
    EXPECT_EQ(std::vector<BYTE>(1, 1), ReadRegistryValue(HKEY_CURRENT_USER, SettingsKeyPath(keys[2].c_str()), kShowSetting).bytes);
    for (const std::wstring& key : keys) DeleteRegistryTree(HKEY_CURRENT_USER, SettingsKeyPath(key.c_str()));
}

enum AxisRule { kCentred, kAtZero, kFlushWithDesktop };

struct ScreenCase {
    const char* name;
    RECT foreground;
    AxisRule x;
    AxisRule y;
};

class NoticePlacement : public JobStorageNotice, public ::testing::WithParamInterface<ScreenCase> {};

LONG Expected(AxisRule rule, LONG ownerLow, LONG ownerHigh, LONG size, LONG desktopHigh) {
    switch (rule) {
    case kCentred:
        return ownerLow + (ownerHigh - ownerLow) / 2 - size / 2;
    case kAtZero:
        return 0;
    default:
        return desktopHigh - size;
    }
}

TEST_P(NoticePlacement, CentresOnTheForegroundWindowWithinTheScreen) {
    const ScreenCase& c = GetParam();
    ScratchWindow foreground(L"STATIC", c.foreground, WS_POPUP | WS_VISIBLE);
    SetForegroundWindow(foreground.get());
    ASSERT_EQ(foreground.get(), GetForegroundWindow());
    HWND notice = Show();
    ASSERT_NE(nullptr, notice);

    const RECT placed = WindowRect(notice);
    const RECT desktop = WindowRect(GetDesktopWindow());
    const LONG width = placed.right - placed.left;
    const LONG height = placed.bottom - placed.top;
    EXPECT_EQ(Expected(c.x, c.foreground.left, c.foreground.right, width, desktop.right), placed.left);
    EXPECT_EQ(Expected(c.y, c.foreground.top, c.foreground.bottom, height, desktop.bottom), placed.top);
}

// The screen of the test session is 1280 x 1024; the notice is about 300 x 230.
INSTANTIATE_TEST_SUITE_P(
    ForegroundWindows, NoticePlacement,
    ::testing::Values(ScreenCase{"centred", {300, 200, 901, 701}, kCentred, kCentred},
                      ScreenCase{"left_and_above_the_screen", {-700, -600, -100, -100}, kAtZero, kAtZero},
                      ScreenCase{"past_right_and_bottom", {1000, 850, 1500, 1300}, kFlushWithDesktop,
                                 kFlushWithDesktop},
                      ScreenCase{"left_of_screen_past_bottom", {-700, 850, -100, 1300}, kAtZero, kFlushWithDesktop}),
    [](const ::testing::TestParamInfo<ScreenCase>& info) { return std::string(info.param.name); });

}  // namespace
