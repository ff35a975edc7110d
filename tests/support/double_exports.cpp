#include "support/double_exports.h"

#include <stdio.h>
#include <stdlib.h>

void* DoubleExport(const wchar_t* moduleName, const char* function) {
    HMODULE module = LoadLibraryW(moduleName);
    void* address = module != nullptr ? reinterpret_cast<void*>(GetProcAddress(module, function)) : nullptr;
    if (address == nullptr) {
        fprintf(stderr, "%ls in this process is not the test double (no %s)\n", moduleName, function);
        abort();
    }
    return address;
}
