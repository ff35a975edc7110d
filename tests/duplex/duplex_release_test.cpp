// Two modeless instructions started in a row by this program's own copy of
// the module's code (linked in, with the built DLL loaded for its templates
// and pictures): the slot keeps the second thread, and each dialog gives back
// its record copy and the modules it loaded.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

#include "duplex/duplex_harness.h"
#include "module_state.h"
#include "string_modules/duplex_texts.h"
#include "support/dialog_driver.h"
#include "support/import_patch.h"
#include "support/test_paths.h"

namespace {

typedef HLOCAL(WINAPI* LocalAllocFn)(UINT, SIZE_T);
typedef HLOCAL(WINAPI* LocalFreeFn)(HLOCAL);

// The record-sized local blocks this program's code allocates and frees while
// a RecordCopies lives, seen through its imports of LocalAlloc and LocalFree.
class RecordCopies {
public:
    RecordCopies() {
        InitializeCriticalSection(&lock_);
        self_ = this;
        alloc_ = new ImportPatch(GetModuleHandleW(nullptr), "kernel32.dll", "LocalAlloc",
                                 reinterpret_cast<void*>(&RecordAlloc));
        free_ = new ImportPatch(GetModuleHandleW(nullptr), "kernel32.dll", "LocalFree",
                                reinterpret_cast<void*>(&RecordFree));
    }
    ~RecordCopies() {
        delete free_;
        delete alloc_;
        self_ = nullptr;
        DeleteCriticalSection(&lock_);
    }

    bool valid() const { return alloc_->valid() && free_->valid(); }
    size_t allocated() { return Count(allocated_); }
    size_t live() { return Count(live_.size()); }

private:
    size_t Count(size_t value) {
        EnterCriticalSection(&lock_);
        size_t copy = value;
        LeaveCriticalSection(&lock_);
        return copy;
    }

    static HLOCAL WINAPI RecordAlloc(UINT flags, SIZE_T bytes) {
        HLOCAL block = reinterpret_cast<LocalAllocFn>(self_->alloc_->original())(flags, bytes);
        if (block != nullptr && bytes == sizeof(DuplexPayload)) {
            EnterCriticalSection(&self_->lock_);
            ++self_->allocated_;
            self_->live_.insert(block);
            LeaveCriticalSection(&self_->lock_);
        }
        return block;
    }
    static HLOCAL WINAPI RecordFree(HLOCAL block) {
        EnterCriticalSection(&self_->lock_);
        self_->live_.erase(block);
        LeaveCriticalSection(&self_->lock_);
        return reinterpret_cast<LocalFreeFn>(self_->free_->original())(block);
    }

    static RecordCopies* self_;
    CRITICAL_SECTION lock_;
    ImportPatch* alloc_ = nullptr;
    ImportPatch* free_ = nullptr;
    size_t allocated_ = 0;
    std::set<HLOCAL> live_;
};

RecordCopies* RecordCopies::self_ = nullptr;

HWND OtherDuplexDialog(HWND known) {
    HWND other = nullptr;
    WaitUntil([&] {
        std::vector<HWND> dialogs = FindDialogs(DialogQuery());
        auto found = std::find_if(dialogs.begin(), dialogs.end(), [&](HWND dialog) { return dialog != known; });
        if (found != dialogs.end()) other = *found;
        return other != nullptr;
    });
    return other;
}

TEST(DuplexTwoModeless, TheSlotKeepsTheSecondThreadAndEachDialogReleasesWhatItTook) {
    const std::wstring strings = TestBinPath(L"strings_duplex.dll");
    ASSERT_EQ(nullptr, GetModuleHandleW(strings.c_str()));
    g_hModule = LoadLibraryW(DuplexModulePath().c_str());
    ASSERT_NE(nullptr, g_hModule);
    RecordCopies copies;
    ASSERT_TRUE(copies.valid());

    DuplexPayload record = MakeDuplex(0, 1, DX_ID_STEP3);
    VDisplayDialog(record, FALSE, nullptr);
    HWND first = WaitForDuplexDialog();
    ASSERT_NE(nullptr, first);
    WindowThread firstThread(first);
    EXPECT_EQ(firstThread.id(), GetThreadId(g_hDuplexThread));

    VDisplayDialog(record, FALSE, nullptr);
    HWND second = OtherDuplexDialog(first);
    ASSERT_NE(nullptr, second);
    WindowThread secondThread(second);
    EXPECT_NE(firstThread.id(), secondThread.id());
    EXPECT_EQ(secondThread.id(), GetThreadId(g_hDuplexThread)) << "the slot holds the latest thread";
    EXPECT_NE(nullptr, GetModuleHandleW(strings.c_str())) << "the dialogs use the string module";
    EXPECT_EQ(2u, copies.allocated());

    PressButton(first, IDOK);
    PressButton(second, IDOK);
    ASSERT_TRUE(firstThread.WaitForExit());
    ASSERT_TRUE(secondThread.WaitForExit());

    EXPECT_EQ(secondThread.id(), GetThreadId(g_hDuplexThread));
    EXPECT_EQ(0u, copies.live()) << "a record copy was not freed";
    EXPECT_EQ(nullptr, GetModuleHandleW(strings.c_str())) << "a dialog kept its string module";
    // The pictures came from the DLL itself: once this program lets go of
    // it, it leaves the process only if both dialogs gave it back.
    FreeLibrary(g_hModule);
    g_hModule = nullptr;
    EXPECT_EQ(nullptr, GetModuleHandleW(DuplexModulePath().c_str())) << "a dialog kept its image module";
    VStoreThreadSlot(&g_hDuplexThread, nullptr);
}

}  // namespace
