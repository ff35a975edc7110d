#pragma once

// What the fake spooler's channels share: the script the test chose, the
// record of what happened, the gates that hold callbacks back and the count
// of host threads still running.

#include <windows.h>

#include <string>

#include "fake_spooler_control.h"

namespace channel_state {

void VReset();

DWORD Script();
void VSetScript(DWORD scriptAndFlags);
std::wstring AnswerText();
void VSetAnswerText(const wchar_t* text);
std::wstring HostModuleDirectory();  // with a trailing backslash
void VSetHostModuleDirectory(const wchar_t* directory);

// The record, under its lock for as long as this object lives.
class LockedRecord {
public:
    LockedRecord();
    ~LockedRecord();
    FakeChannelRecord* operator->() const;

private:
    LockedRecord(const LockedRecord&);
    LockedRecord& operator=(const LockedRecord&);
};

void VRead(FakeChannelRecord* out);

// 1 when a release came; 0 when the wait was given up (reset or 30 s).
BOOL BWaitAtGate();
void VOpenGateOnce();

void VHostStarted();
void VHostFinished();
BOOL BWaitForHostIdle(DWORD timeoutMs);

}  // namespace channel_state
