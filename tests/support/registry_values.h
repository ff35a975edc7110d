#pragma once

// Reading back and cleaning up what the module wrote to the registry.

#include <windows.h>

#include <string>
#include <vector>

struct RegistryValue {
    bool found = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
};

RegistryValue ReadRegistryValue(HKEY root, const std::wstring& keyPath, const wchar_t* valueName);

bool RegistryKeyExists(HKEY root, const std::wstring& keyPath);

// Deletes a key with everything below it; a missing key is fine.
void DeleteRegistryTree(HKEY root, const std::wstring& keyPath);

// Deletes one value; a missing value or key is fine.
void DeleteRegistryValue(HKEY root, const std::wstring& keyPath, const wchar_t* valueName);
