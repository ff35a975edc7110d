#pragma once

// What a test tells the fake spooler (winspool.drv of the test tree) and asks
// it back. The functions are cdecl exports of that module; tests reach them
// through FakeSpooler() in tests/support.

#include <windows.h>

enum FakePrinterFlags {
    kFakePrinterNormal = 0,
    kFakePrinterNoDriverInfo = 1,        // the level-3 size query answers 0
    kFakePrinterDriverInfoFails = 2,     // the size query works, the fetch fails
    kFakePrinterNoPrinterInfo = 4,       // the level-4 size query answers 0
    kFakePrinterNullDriverPath = 8,      // pDriverPath is null
};

// Forgets printers, handles, counts and the channel record, restores the
// default script, lets held host threads go and waits (up to 10 s) for them.
typedef void(__cdecl* FakeSpoolerResetFn)();
typedef BOOL(__cdecl* FakeSpoolerAddPrinterFn)(const wchar_t* name, const wchar_t* driverPath, DWORD flags);
typedef LONG(__cdecl* FakeSpoolerOpenHandleCountFn)();
typedef BOOL(__cdecl* FakeSpoolerIsHandleOpenFn)(HANDLE printer);
typedef LONG(__cdecl* FakeSpoolerCallCountFn)(const char* function);

// The asynchronous notification channel (CreatePrintAsyncNotifyChannel) and
// the user's-session host behind it. By default a channel's SendNotification
// plays the platform's asynchronous print UI host: on a thread of its own it
// takes the document through AcquireData, reads its XML text, loads the
// module its dll attribute names from the host module directory (by default
// the directory of this winspool.drv; the module stays loaded), calls the
// entry its entrypoint attribute names with the record after the text, and
// answers the callback's OnEventNotify with kFakeAnswerTextStart + the
// entry's response + kFakeAnswerTextEnd.

#define kFakeAnswerTextStart L"<?xml version=\"1.0\" ?><asyncPrintUIResponse><v1><CustomData>"
#define kFakeAnswerTextEnd L"</CustomData></v1></asyncPrintUIResponse>"

// How the host answers (one of these, combined with any FakeChannelFlags).
// The script in force when a channel is created holds for that channel.
enum FakeChannelScript {
    kFakeChannelAnswer = 0,             // OnEventNotify with the answer
    kFakeChannelNullAnswerBytes = 1,    // OnEventNotify; the answer's AcquireData hands out a null pointer
    kFakeChannelAcquireFails = 2,       // OnEventNotify; the answer's AcquireData fails (E_FAIL)
    kFakeChannelClosedWithData = 3,     // ChannelClosed carrying the answer, no OnEventNotify
    kFakeChannelClosedWithoutData = 4,  // ChannelClosed with no data; no entry runs
    kFakeChannelSendFails = 5,          // SendNotification returns E_FAIL; nothing comes back
    kFakeChannelNone = 6,               // CreatePrintAsyncNotifyChannel gives no channel (E_FAIL)
    kFakeChannelScriptMask = 0xFF,
};

enum FakeChannelFlags {
    kFakeChannelHoldAnswer = 0x100,          // the first callback waits for FakeSpoolerReleaseHeldAnswer
    kFakeChannelAnswerTwice = 0x200,         // the first callback comes twice
    kFakeChannelCloseAfterAnswer = 0x400,    // then ChannelClosed with no data
    kFakeChannelHoldLateCallbacks = 0x800,   // every callback after the first waits for a release
    kFakeChannelAnswerAfterFailedSend = 0x1000,  // with kFakeChannelSendFails: the host runs all the same
};

// Why the host sent no answer of its own (it then calls ChannelClosed with no
// data instead).
enum FakeHostOutcome {
    kFakeHostAnswered = 0,
    kFakeHostNoDocument = 1,      // AcquireData on the document failed or gave no bytes
    kFakeHostNoText = 2,          // no NUL within the document
    kFakeHostNoModuleName = 3,    // no dll or entrypoint attribute
    kFakeHostModuleMissing = 4,   // LoadLibrary failed
    kFakeHostEntryMissing = 5,    // GetProcAddress failed
    kFakeHostNullResponse = 6,    // the entry answered null
    kFakeHostNotRun = 7,          // nothing was asked of the host (yet)
};

const DWORD kFakeDocumentCapacity = 8192;

// What the channel was asked, and what the host did.
struct FakeChannelRecord {
    LONG channelRequests;          // CreatePrintAsyncNotifyChannel calls
    BOOL printerNameGiven;
    wchar_t printerName[260];
    BOOL notificationTypeGiven;
    BYTE notificationType[16];     // the bytes pNotificationType pointed at
    LONG userFilter;
    LONG conversationStyle;
    BOOL callbackGiven;
    LONG sends;                    // SendNotification calls
    HRESULT documentAcquireResult; // AcquireData on the last document
    BYTE documentSchema[16];
    DWORD documentSize;            // as AcquireData reported it
    BYTE document[kFakeDocumentCapacity];  // its first bytes
    DWORD hostOutcome;             // a FakeHostOutcome
    wchar_t entryResponse[260];    // what the named entry answered
    LONG notifies;                 // OnEventNotify calls made on the callback
    HRESULT lastNotifyResult;
    LONG closes;                   // ChannelClosed calls made on the callback
    HRESULT lastClosedResult;
    LONG channelsAlive;            // channel objects not yet destroyed (kept by FakeSpoolerReset)
    LONG answersAlive;             // answer objects not yet destroyed (kept by FakeSpoolerReset)
    LONG answerAcquires;           // successful AcquireData calls on answers
    LONG answerReleases;           // ReleaseData calls on answers
};

// Answer objects for tests that call a callback themselves.
enum FakeAnswerFlags {
    kFakeAnswerNormal = 0,
    kFakeAnswerNullBytes = 1,     // AcquireData succeeds with a null pointer
    kFakeAnswerAcquireFails = 2,  // AcquireData returns E_FAIL
    kFakeAnswerAtPageEnd = 4,     // the bytes end where an inaccessible page begins
};

struct IPrintAsyncNotifyDataObject;

typedef void(__cdecl* FakeSpoolerSetChannelScriptFn)(DWORD scriptAndFlags);
// The answer text instead of the entry's wrapped response; null or "" for
// the entry's. Up to 4095 characters.
typedef void(__cdecl* FakeSpoolerSetAnswerTextFn)(const wchar_t* text);
// Directory (with or without a trailing backslash) the host loads the named
// module from; null for the directory of this winspool.drv.
typedef void(__cdecl* FakeSpoolerSetHostModuleDirectoryFn)(const wchar_t* directory);
// Lets one held callback go.
typedef void(__cdecl* FakeSpoolerReleaseHeldAnswerFn)();
// 1 once no host thread runs (every callback made, every reference given up).
typedef BOOL(__cdecl* FakeSpoolerWaitForHostIdleFn)(DWORD timeoutMs);
typedef void(__cdecl* FakeSpoolerGetChannelRecordFn)(FakeChannelRecord* record);
// A new answer object (count 1, the caller's) handing out size bytes copied
// from bytes; its AcquireData/ReleaseData calls are counted in the record.
typedef IPrintAsyncNotifyDataObject*(__cdecl* FakeSpoolerCreateAnswerFn)(const BYTE* bytes, DWORD size,
                                                                         DWORD answerFlags);
