#include "text/string_lookup.h"

#include "text/string_block.h"
#include "text/ui_language.h"

namespace {

bool BSearchAnswered(const LanguageSearchResult* lastSearch, HMODULE module, LANGID missed) {
    if (lastSearch == 0 || !lastSearch->fDone || lastSearch->hModule != module) return false;
    if (missed == lastSearch->wWanted) return true;
    return missed == lastSearch->wFound && PRIMARYLANGID(lastSearch->wFound) == PRIMARYLANGID(lastSearch->wWanted);
}

// Moves the cached language where the fallback search from `missed` leads;
// a module without string blocks leaves it alone.
void VFindStringLanguage(HMODULE module, LANGID missed, LanguageSearchResult* lastSearch) {
    if (BSearchAnswered(lastSearch, module, missed)) {
        g_wUILanguage = lastSearch->wFound;
        return;
    }
    LANGID settled = missed;
    if (BSearchStringLanguage(module, missed, &settled)) g_wUILanguage = settled;
    if (lastSearch != 0) {
        lastSearch->fDone = TRUE;
        lastSearch->hModule = module;
        lastSearch->wWanted = missed;
        lastSearch->wFound = settled;
    }
}

HRSRC FindStringBlock(HMODULE module, UINT id, LanguageSearchResult* lastSearch) {
    LPCWSTR block = MAKEINTRESOURCEW(WStringBlockNumber(id));
    LANGID language = WGetUILanguage();
    HRSRC found = FindResourceExW(module, RT_STRING, block, language);
    if (found != 0 || GetLastError() != ERROR_RESOURCE_LANG_NOT_FOUND) return found;
    VFindStringLanguage(module, language, lastSearch);
    LANGID settled = WGetUILanguage();
    // The block was just missed in that very language.
    if (settled == language) return 0;
    return FindResourceExW(module, RT_STRING, block, settled);
}

}  // namespace

int ILoadStringFromModule(HMODULE module, UINT id, WCHAR* buffer, UINT capacity, LanguageSearchResult* lastSearch) {
    HRSRC block = FindStringBlock(module, id, lastSearch);
    if (block == 0) return 0;
    HGLOBAL loaded = LoadResource(module, block);
    const void* bytes = loaded != 0 ? LockResource(loaded) : 0;
    if (bytes == 0) return 0;
    // The size bounds the walk: a block cut short in the file yields nothing
    // rather than a read beyond the resource.
    return ICopyStringBlockEntry(static_cast<const TextUnit*>(bytes), SizeofResource(module, block),
                                 DwStringBlockIndex(id), buffer, capacity);
}
