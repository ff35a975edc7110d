// The sender's module is released 50 seconds after the first answer, once,
// and never when no answer arrives through OnEventNotify. Slow by nature: the
// whole test waits out the delay once for all its cases.

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "asyncui/module_release_thread.h"
#include "asyncui/request_document_block.h"
#include "process_threads.h"
#include "send_in_background.h"
#include "support/fake_spooler.h"
#include "support/test_paths.h"

namespace {

const wchar_t kPrinter[] = L"Orvantel Office 4200";
const DWORD kSendBoundMs = 10000;
const DWORD kReleaseBoundMs = MODULE_RELEASE_DELAY_MS + 25000;
const wchar_t kAcceptingAnswer[] = kFakeAnswerTextStart L"OK" kFakeAnswerTextEnd;

// Polls condition every 100 ms for at most boundMs; true once it holds.
template <typename Condition>
bool WaitUntil(DWORD boundMs, Condition condition) {
    const DWORD start = GetTickCount();
    HANDLE pacer = CreateEventW(0, TRUE, FALSE, 0);
    bool held = condition();
    while (!held && GetTickCount() - start < boundMs) {
        WaitForSingleObject(pacer, 100);
        held = condition();
    }
    CloseHandle(pacer);
    return held;
}

// A copy of the empty test module under a name of its own, loaded count times.
HMODULE LoadCopy(const std::wstring& directory, const wchar_t* name, int count) {
    std::wstring path = directory + name;
    CopyFileW(TestBinPath(L"empty_module.dll").c_str(), path.c_str(), FALSE);
    HMODULE module = 0;
    for (int i = 0; i < count; ++i) module = LoadLibraryW(path.c_str());
    return module;
}

bool IsLoaded(const wchar_t* name) { return GetModuleHandleW(name) != 0; }

TEST(ModuleRelease, FiftySecondsAfterTheFirstAnswerOnceAndNeverWithoutAnAnswer) {
    FakeSpooler().Reset();
    FakeSpooler().SetAnswerText(kAcceptingAnswer);
    DuplexPayload record;
    memset(&record, 0, sizeof(record));
    UniqueLocal document = AllocDuplexRequestDocument(record, FALSE);
    ASSERT_TRUE(document);
    const BYTE* bytes = static_cast<const BYTE*>(document.get());

    wchar_t temp[MAX_PATH] = {0};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring directory = temp;
    HMODULE answered = LoadCopy(directory, L"evdlg_release_answered.dll", 1);
    HMODULE answeredTwice = LoadCopy(directory, L"evdlg_release_twice.dll", 2);
    HMODULE unanswered = LoadCopy(directory, L"evdlg_release_unanswered.dll", 2);
    ASSERT_TRUE(answered && answeredTwice && unanswered);
    const LONG threadsBefore = ThreadsOfThisProcess();
    ASSERT_GT(threadsBefore, 0);

    FakeSpooler().SetChannelScript(kFakeChannelAnswer);
    EXPECT_TRUE(SendWithin(kSendBoundMs, kPrinter, L"bidi", bytes, DUPLEX_MODELESS_DOCUMENT_SIZE, answered));
    const DWORD answeredAt = GetTickCount();

    FakeSpooler().SetChannelScript(kFakeChannelAnswer | kFakeChannelAnswerTwice);
    EXPECT_TRUE(SendWithin(kSendBoundMs, kPrinter, L"bidi", bytes, DUPLEX_MODELESS_DOCUMENT_SIZE, answeredTwice));
    FakeSpooler().SetChannelScript(kFakeChannelClosedWithData);
    EXPECT_TRUE(SendWithin(kSendBoundMs, kPrinter, L"bidi", bytes, DUPLEX_MODELESS_DOCUMENT_SIZE, unanswered));
    FakeSpooler().SetChannelScript(kFakeChannelSendFails);
    EXPECT_FALSE(SendWithin(kSendBoundMs, kPrinter, L"bidi", bytes, DUPLEX_MODELESS_DOCUMENT_SIZE, unanswered));
    ASSERT_TRUE(FakeSpooler().WaitForHostIdle(kSendBoundMs));

    EXPECT_TRUE(IsLoaded(L"evdlg_release_answered.dll")) << "released before its time";
    EXPECT_EQ(threadsBefore + 2, ThreadsOfThisProcess()) << "one release thread per answered send";

    ASSERT_TRUE(WaitUntil(kReleaseBoundMs, [] { return !IsLoaded(L"evdlg_release_answered.dll"); }))
        << "not released within " << kReleaseBoundMs << " ms";
    const DWORD releasedAfter = GetTickCount() - answeredAt;
    printf("module released %lu ms after the send returned\n", releasedAfter);
    EXPECT_GE(releasedAfter, MODULE_RELEASE_DELAY_MS - 100);

    ASSERT_TRUE(WaitUntil(kReleaseBoundMs, [&] { return ThreadsOfThisProcess() == threadsBefore; }))
        << "a release thread lives on";
    EXPECT_TRUE(IsLoaded(L"evdlg_release_twice.dll")) << "released more than once";
    FreeLibrary(answeredTwice);
    EXPECT_FALSE(IsLoaded(L"evdlg_release_twice.dll"));

    EXPECT_TRUE(IsLoaded(L"evdlg_release_unanswered.dll"));
    FreeLibrary(unanswered);
    EXPECT_TRUE(IsLoaded(L"evdlg_release_unanswered.dll")) << "released without an answer";
    FreeLibrary(unanswered);
    EXPECT_FALSE(IsLoaded(L"evdlg_release_unanswered.dll"));

    for (const wchar_t* name : {L"evdlg_release_answered.dll", L"evdlg_release_twice.dll",
                                L"evdlg_release_unanswered.dll"}) {
        DeleteFileW((directory + name).c_str());
    }
}

}  // namespace
