// The module entry and its thread-handle slots.

#include <gtest/gtest.h>
#include <windows.h>

#include "module_state.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved);

namespace {

bool IsOpenHandle(HANDLE h) {
    DWORD flags = 0;
    return GetHandleInformation(h, &flags) != 0;
}

HANDLE volatile* const kSlots[] = {&g_hJobStorageThread, &g_hDuplexThread, &g_hJobStorageUIThread,
                                   &g_hDuplexUIThread};

struct WaiterArgs {
    HANDLE release;
    HANDLE done;
};

DWORD WINAPI WaitThenSignal(void* p) {
    WaiterArgs* args = static_cast<WaiterArgs*>(p);
    WaitForSingleObject(args->release, 10000);
    SetEvent(args->done);
    return 0;
}

class ThreadSlots : public ::testing::Test {
protected:
    void TearDown() override { VCloseThreadSlots(); }
};

TEST_F(ThreadSlots, ThreadDetachClosesEveryHeldHandleAndClearsItsSlot) {
    HANDLE events[4];
    for (int i = 0; i < 4; ++i) {
        events[i] = CreateEventW(0, TRUE, FALSE, 0);
        VStoreThreadSlot(kSlots[i], events[i]);
    }

    EXPECT_TRUE(DllMain(0, DLL_THREAD_DETACH, 0));

    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(nullptr, *kSlots[i]) << "slot " << i;
        EXPECT_FALSE(IsOpenHandle(events[i])) << "slot " << i;
    }
}

TEST_F(ThreadSlots, ThreadDetachWithEmptySlotsDoesNothing) {
    HANDLE bystander = CreateEventW(0, TRUE, FALSE, 0);
    EXPECT_TRUE(DllMain(0, DLL_THREAD_DETACH, 0));
    for (HANDLE volatile* slot : kSlots) EXPECT_EQ(nullptr, *slot);
    EXPECT_TRUE(IsOpenHandle(bystander));
    CloseHandle(bystander);
}

TEST_F(ThreadSlots, ANewThreadClosesTheHandleTheSlotStillHeld) {
    HANDLE first = CreateEventW(0, TRUE, FALSE, 0);
    HANDLE second = CreateEventW(0, TRUE, FALSE, 0);

    VStoreThreadSlot(&g_hDuplexThread, first);
    VStoreThreadSlot(&g_hDuplexThread, second);

    EXPECT_FALSE(IsOpenHandle(first));
    EXPECT_TRUE(IsOpenHandle(second));
    EXPECT_EQ(second, g_hDuplexThread);
}

TEST_F(ThreadSlots, ClosingARunningThreadsHandleLeavesTheThreadRunning) {
    HANDLE release = CreateEventW(0, TRUE, FALSE, 0);
    HANDLE done = CreateEventW(0, TRUE, FALSE, 0);
    WaiterArgs args = {release, done};
    HANDLE thread = CreateThread(0, 0, WaitThenSignal, &args, 0, 0);
    ASSERT_NE(nullptr, thread);
    VStoreThreadSlot(&g_hJobStorageThread, thread);

    EXPECT_TRUE(DllMain(0, DLL_THREAD_DETACH, 0));
    EXPECT_FALSE(IsOpenHandle(thread));

    SetEvent(release);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(done, 10000));
    CloseHandle(release);
    CloseHandle(done);
}

TEST(ModuleEntry, ProcessAttachRecordsTheInstanceAndEveryReasonAnswersTrue) {
    HINSTANCE self = GetModuleHandleW(0);
    EXPECT_TRUE(DllMain(self, DLL_PROCESS_ATTACH, 0));
    EXPECT_EQ(self, g_hModule);
    EXPECT_TRUE(DllMain(self, DLL_THREAD_ATTACH, 0));
    EXPECT_TRUE(DllMain(self, DLL_PROCESS_DETACH, 0));
    EXPECT_EQ(self, g_hModule);
}

}  // namespace
