#include "driver_module.h"

namespace {

template <typename Fn>
bool Find(HMODULE module, const char* name, Fn* fn, std::string* error) {
    *fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (*fn == nullptr) *error = std::string("the module exports no ") + name;
    return *fn != nullptr;
}

}  // namespace

bool LoadDriverModule(const std::wstring& path, DriverModule* driver, std::string* error) {
    driver->path = path;
    driver->module = LoadLibraryW(path.c_str());
    if (driver->module == nullptr) {
        *error = "cannot load the module (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    return Find(driver->module, "VJobStorageDialog", &driver->jobStorage, error) &&
           Find(driver->module, "VDisplayDialog", &driver->displayDialog, error) &&
           Find(driver->module, "IShowWarningDialog", &driver->showWarning, error) &&
           Find(driver->module, "EvtDlgAsyncUIEntryPointJobUI", &driver->warningEntry, error);
}
