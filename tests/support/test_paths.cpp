#include "support/test_paths.h"

#include <windows.h>

std::wstring TestBinDirectory() {
    wchar_t path[MAX_PATH] = {0};
    GetModuleFileNameW(0, path, MAX_PATH);
    std::wstring dir(path);
    return dir.substr(0, dir.find_last_of(L'\\') + 1);
}

std::wstring TestBinPath(const wchar_t* fileName) { return TestBinDirectory() + fileName; }
