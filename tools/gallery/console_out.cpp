#include "console_out.h"

#include <windows.h>

namespace {

void Write(DWORD which, const std::string& text) {
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

void PrintOut(const std::string& text) { Write(STD_OUTPUT_HANDLE, text); }
void PrintError(const std::string& text) { Write(STD_ERROR_HANDLE, text); }
