#include "text/string_lookup.h"

#include "text/string_block.h"
#include "text/ui_language.h"

namespace {

HRSRC FindStringBlock(HMODULE module, UINT id) {
    LPCWSTR block = MAKEINTRESOURCEW(WStringBlockNumber(id));
    HRSRC found = FindResourceExW(module, RT_STRING, block, WGetUILanguage());
    if (found == 0 && GetLastError() == ERROR_RESOURCE_LANG_NOT_FOUND) {
        VFindStringLanguage(module, WGetUILanguage());
        found = FindResourceExW(module, RT_STRING, block, WGetUILanguage());
    }
    return found;
}

}  // namespace

int ILoadStringFromModule(HMODULE module, UINT id, WCHAR* buffer, UINT capacity) {
    HRSRC block = FindStringBlock(module, id);
    if (block == 0) return 0;
    HGLOBAL loaded = LoadResource(module, block);
    const void* bytes = loaded != 0 ? LockResource(loaded) : 0;
    if (bytes == 0) return 0;
    // The size bounds the walk: a block cut short in the file yields nothing
    // rather than a read beyond the resource.
    return ICopyStringBlockEntry(static_cast<const TextUnit*>(bytes), SizeofResource(module, block),
                                 DwStringBlockIndex(id), buffer, capacity);
}
