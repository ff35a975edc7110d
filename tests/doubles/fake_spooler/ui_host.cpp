#include "ui_host.h"

#include <stdlib.h>

#include "fake_spooler_control.h"

namespace {

typedef wchar_t*(WINAPI* ReceivingEntryFn)(const void* record);

const size_t kResponseUnits = 260;

// The value of name="..." in text, or "" when there is none.
std::wstring AttributeValue(const std::wstring& text, const wchar_t* name) {
    std::wstring opening = std::wstring(L" ") + name + L"=\"";
    size_t start = text.find(opening);
    if (start == std::wstring::npos) return std::wstring();
    start += opening.size();
    size_t end = text.find(L'"', start);
    if (end == std::wstring::npos) return std::wstring();
    return text.substr(start, end - start);
}

bool ToAscii(const std::wstring& wide, std::string* ascii) {
    ascii->clear();
    for (wchar_t c : wide) {
        if (c == 0 || c > 0x7F) return false;
        ascii->push_back(static_cast<char>(c));
    }
    return true;
}

}  // namespace

DWORD RunRequestedEntry(const std::vector<BYTE>& document, const std::wstring& directory, std::wstring* response) {
    response->clear();
    const wchar_t* units = reinterpret_cast<const wchar_t*>(document.data());
    const size_t unitCount = document.size() / sizeof(wchar_t);
    size_t textLength = 0;
    while (textLength < unitCount && units[textLength] != 0) ++textLength;
    if (textLength == unitCount) return kFakeHostNoText;

    std::wstring text(units, textLength);
    std::wstring moduleName = AttributeValue(text, L"dll");
    std::string entryName;
    if (moduleName.empty() || !ToAscii(AttributeValue(text, L"entrypoint"), &entryName) || entryName.empty()) {
        return kFakeHostNoModuleName;
    }

    HMODULE module = LoadLibraryW((directory + moduleName).c_str());
    if (module == 0) return kFakeHostModuleMissing;
    ReceivingEntryFn entry =
        reinterpret_cast<ReceivingEntryFn>(reinterpret_cast<void*>(GetProcAddress(module, entryName.c_str())));
    if (entry == 0) return kFakeHostEntryMissing;

    const wchar_t* answer = entry(document.data() + (textLength + 1) * sizeof(wchar_t));
    if (answer == 0) return kFakeHostNullResponse;
    size_t answerLength = 0;
    while (answerLength < kResponseUnits - 1 && answer[answerLength] != 0) ++answerLength;
    response->assign(answer, answerLength);
    // The response is the host's to release once read. The module takes it
    // from msvcrt's heap, which this double shares.
    free(const_cast<wchar_t*>(answer));
    return kFakeHostAnswered;
}
