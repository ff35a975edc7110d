#pragma once

#include <windows.h>

// The address of a control function that a test double exports. Aborts the
// test program when the module named is not the test tree's double: every
// later result would be meaningless.
void* DoubleExport(const wchar_t* moduleName, const char* function);

template <typename Fn>
Fn DoubleFunction(const wchar_t* moduleName, const char* function) {
    return reinterpret_cast<Fn>(DoubleExport(moduleName, function));
}
