#pragma once

#include <string>

// Directory of the running test program, with a trailing backslash: the
// product DLL and every test double are built there.
std::wstring TestBinDirectory();

// TestBinDirectory() + fileName.
std::wstring TestBinPath(const wchar_t* fileName);
