#include "string_module_text.h"

#include <vector>

#include "text/string_block.h"

StringModuleText::StringModuleText(const std::wstring& path)
    : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

StringModuleText::~StringModuleText() {
    if (module_ != nullptr) FreeLibrary(module_);
}

bool StringModuleText::Find(UINT id, LANGID language, std::wstring* text) const {
    HRSRC found = FindResourceExW(module_, MAKEINTRESOURCEW(6), MAKEINTRESOURCEW(WStringBlockNumber(id)), language);
    if (found == nullptr) return false;
    HGLOBAL loaded = LoadResource(module_, found);
    const TextUnit* block = loaded ? static_cast<const TextUnit*>(LockResource(loaded)) : nullptr;
    if (block == nullptr) return false;
    std::vector<TextUnit> buffer(1024);
    int length = ICopyStringBlockEntry(block, SizeofResource(module_, found), DwStringBlockIndex(id), buffer.data(),
                                       static_cast<uint32_t>(buffer.size()));
    if (length == 0) return false;
    text->assign(buffer.data());
    return true;
}

std::wstring StringModuleText::Text(UINT id, LANGID language, const wchar_t* fallback) const {
    std::wstring text;
    if (module_ != nullptr) {
        const LANGID tries[] = {language, MAKELANGID(PRIMARYLANGID(language), SUBLANG_DEFAULT),
                                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)};
        for (LANGID tried : tries) {
            if (Find(id, tried, &text)) return text;
        }
    }
    return fallback;
}
