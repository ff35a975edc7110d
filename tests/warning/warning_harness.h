#pragma once

// Records and entries of the warning notice for tests: the built DLL loaded as
// the host loads it, its entries, and a spy on the dialog it creates.

#include <windows.h>

#include <string>

#include "evdlgx42.h"

typedef wchar_t*(WINAPI* WarningEntryFn)(const WarningPayload*);
typedef int(WINAPI* ShowWarningFn)(HANDLE, WarningPayload, HMODULE);

struct WarningButtons {
    DWORD ok;
    DWORD cancel;
    DWORD third;
    DWORD checkBox;
};

// A record that shows (dwShowDialog 1) message with the test string module.
WarningPayload MakeWarning(const std::wstring& message, const WarningButtons& buttons);
WarningPayload MakeWarning(const std::wstring& message);  // all three buttons and the check box

// The built evdlgx42.dll, loaded once per test program.
HMODULE WarningModule();
WarningEntryFn JobUIEntry();
ShowWarningFn ShowWarning();

// 263 when this process's interface language reads right to left (Arabic,
// Hebrew: set through its locale), else 261.
WORD ExpectedWarningTemplate();

// What the module asked DialogBoxParamW for, while a DialogSpy lives.
struct DialogRequest {
    LONG calls;
    WORD templateId;
    HWND owner;
};

class DialogSpy {
public:
    DialogSpy();
    ~DialogSpy();
    DialogSpy(const DialogSpy&) = delete;
    DialogSpy& operator=(const DialogSpy&) = delete;

    bool valid() const;
    DialogRequest last() const;
};
