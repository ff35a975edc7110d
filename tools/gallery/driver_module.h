#pragma once

// evdlgx42.dll as a driver module uses it: loaded by its path and called
// through the entries it exports by name.

#include <windows.h>

#include <string>

#include "evdlgx42.h"

struct DriverModule {
    HMODULE module = nullptr;
    std::wstring path;
    decltype(&VJobStorageDialog) jobStorage = nullptr;
    decltype(&VDisplayDialog) displayDialog = nullptr;
    decltype(&IShowWarningDialog) showWarning = nullptr;
    decltype(&EvtDlgAsyncUIEntryPointJobUI) warningEntry = nullptr;
};

// Loads the module and finds its entries; on failure says why in `error`.
bool LoadDriverModule(const std::wstring& path, DriverModule* driver, std::string* error);
