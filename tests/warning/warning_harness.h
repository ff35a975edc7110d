#pragma once

// Records and entries of the warning notice for tests: the built DLL loaded as
// the host loads it and its entries (a DialogSpy on WarningModule() watches
// the dialogs it runs).

#include <windows.h>

#include <string>

#include "evdlgx42.h"
#include "support/dialog_spy.h"

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
