#include "support/import_patch.h"

#include <string.h>

namespace {

template <typename T>
T* At(HMODULE module, DWORD rva) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + rva);
}

void** FindImportSlot(HMODULE module, const char* importedModule, const char* function) {
    IMAGE_DOS_HEADER* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(module);
    IMAGE_NT_HEADERS* nt = At<IMAGE_NT_HEADERS>(module, dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (directory.VirtualAddress == 0) return nullptr;
    for (IMAGE_IMPORT_DESCRIPTOR* d = At<IMAGE_IMPORT_DESCRIPTOR>(module, directory.VirtualAddress); d->Name; ++d) {
        if (_stricmp(At<char>(module, d->Name), importedModule) != 0) continue;
        IMAGE_THUNK_DATA* names = At<IMAGE_THUNK_DATA>(module, d->OriginalFirstThunk ? d->OriginalFirstThunk : d->FirstThunk);
        IMAGE_THUNK_DATA* slots = At<IMAGE_THUNK_DATA>(module, d->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            IMAGE_IMPORT_BY_NAME* byName = At<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
            if (strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
                return reinterpret_cast<void**>(&slots->u1.Function);
            }
        }
    }
    return nullptr;
}

void WriteSlot(void** slot, void* value) {
    DWORD oldProtection = 0;
    VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &oldProtection);
    *slot = value;
    VirtualProtect(slot, sizeof(void*), oldProtection, &oldProtection);
}

}  // namespace

ImportPatch::ImportPatch(HMODULE module, const char* importedModule, const char* function, void* replacement)
    : slot_(module ? FindImportSlot(module, importedModule, function) : nullptr), original_(nullptr) {
    if (slot_ == nullptr) return;
    original_ = *slot_;
    WriteSlot(slot_, replacement);
}

ImportPatch::~ImportPatch() {
    if (slot_ != nullptr) WriteSlot(slot_, original_);
}
