#pragma once

// Replaces one imported function in one loaded module's import address table,
// so that a test can watch the calls a module makes to the platform (which
// template a dialog is created from, which owner it gets) and still forward
// them. The module itself is unchanged on disk and knows nothing of it.

#include <windows.h>

class ImportPatch {
public:
    // Patches module's import of importedModule!function (names compared
    // without regard to case) to replacement; valid() tells whether it was found.
    ImportPatch(HMODULE module, const char* importedModule, const char* function, void* replacement);
    // Puts the original back.
    ~ImportPatch();
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;

    bool valid() const { return slot_ != nullptr; }
    // The function the slot held before.
    void* original() const { return original_; }

private:
    void** slot_;
    void* original_;
};
