#pragma once

// Fresh events made right after a handle was closed: the platform hands out
// the closed handle's value again, so a late SetEvent (or CloseHandle) on
// that value would signal (or close) one of them.

#include <windows.h>

class ReusedHandles {
public:
    ReusedHandles() {
        for (HANDLE& h : events_) h = CreateEventW(0, TRUE, FALSE, 0);
    }
    ~ReusedHandles() {
        for (HANDLE h : events_) CloseHandle(h);
    }

    // The first event that is signalled or no longer open, or null.
    HANDLE Disturbed() const {
        for (HANDLE h : events_) {
            if (WaitForSingleObject(h, 0) != WAIT_TIMEOUT) return h;
        }
        return 0;
    }

private:
    ReusedHandles(const ReusedHandles&);
    ReusedHandles& operator=(const ReusedHandles&);

    HANDLE events_[16];
};
