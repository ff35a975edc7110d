#include "channel_state.h"

#include <string.h>

namespace channel_state {
namespace {

const DWORD kGateLimitMs = 30000;
const DWORD kResetIdleLimitMs = 10000;

struct State {
    State() : script(kFakeChannelAnswer), hostsRunning(0) {
        InitializeCriticalSection(&lock);
        memset(&record, 0, sizeof(record));
        record.hostOutcome = kFakeHostNotRun;
        gate = CreateSemaphoreW(0, 0, 0x7FFFFFFF, 0);
        abandonGates = CreateEventW(0, TRUE, FALSE, 0);
        idle = CreateEventW(0, TRUE, TRUE, 0);
    }

    CRITICAL_SECTION lock;
    FakeChannelRecord record;
    DWORD script;
    std::wstring answerText;
    std::wstring moduleDirectory;
    HANDLE gate;          // one count per release
    HANDLE abandonGates;  // set while a reset frees every held host
    HANDLE idle;          // set while no host thread runs
    LONG hostsRunning;
};

State& S() {
    static State state;
    return state;
}

class Lock {
public:
    Lock() { EnterCriticalSection(&S().lock); }
    ~Lock() { LeaveCriticalSection(&S().lock); }
};

std::wstring DirectoryOfThisModule() {
    HMODULE self = 0;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&DirectoryOfThisModule), &self);
    wchar_t path[MAX_PATH] = {0};
    GetModuleFileNameW(self, path, MAX_PATH);
    std::wstring directory(path);
    return directory.substr(0, directory.find_last_of(L'\\') + 1);
}

}  // namespace

void VReset() {
    SetEvent(S().abandonGates);
    BWaitForHostIdle(kResetIdleLimitMs);
    ResetEvent(S().abandonGates);
    while (WaitForSingleObject(S().gate, 0) == WAIT_OBJECT_0) {
    }
    Lock lock;
    LONG channelsAlive = S().record.channelsAlive;
    LONG answersAlive = S().record.answersAlive;
    memset(&S().record, 0, sizeof(S().record));
    S().record.hostOutcome = kFakeHostNotRun;
    S().record.channelsAlive = channelsAlive;
    S().record.answersAlive = answersAlive;
    S().script = kFakeChannelAnswer;
    S().answerText.clear();
    S().moduleDirectory.clear();
}

DWORD Script() {
    Lock lock;
    return S().script;
}

void VSetScript(DWORD scriptAndFlags) {
    Lock lock;
    S().script = scriptAndFlags;
}

std::wstring AnswerText() {
    Lock lock;
    return S().answerText;
}

void VSetAnswerText(const wchar_t* text) {
    Lock lock;
    S().answerText = text ? std::wstring(text, wcsnlen(text, 4095)) : std::wstring();
}

std::wstring HostModuleDirectory() {
    Lock lock;
    if (S().moduleDirectory.empty()) return DirectoryOfThisModule();
    return S().moduleDirectory;
}

void VSetHostModuleDirectory(const wchar_t* directory) {
    Lock lock;
    S().moduleDirectory = directory ? directory : L"";
    if (!S().moduleDirectory.empty() && S().moduleDirectory.back() != L'\\') S().moduleDirectory += L'\\';
}

LockedRecord::LockedRecord() { EnterCriticalSection(&S().lock); }
LockedRecord::~LockedRecord() { LeaveCriticalSection(&S().lock); }
FakeChannelRecord* LockedRecord::operator->() const { return &S().record; }

void VRead(FakeChannelRecord* out) {
    Lock lock;
    *out = S().record;
}

BOOL BWaitAtGate() {
    HANDLE waits[] = {S().gate, S().abandonGates};
    return WaitForMultipleObjects(2, waits, FALSE, kGateLimitMs) == WAIT_OBJECT_0;
}

void VOpenGateOnce() { ReleaseSemaphore(S().gate, 1, 0); }

void VHostStarted() {
    Lock lock;
    if (++S().hostsRunning == 1) ResetEvent(S().idle);
}

void VHostFinished() {
    Lock lock;
    if (--S().hostsRunning == 0) SetEvent(S().idle);
}

BOOL BWaitForHostIdle(DWORD timeoutMs) { return WaitForSingleObject(S().idle, timeoutMs) == WAIT_OBJECT_0; }

}  // namespace channel_state
