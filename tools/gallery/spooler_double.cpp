#include "spooler_double.h"

namespace {

const DWORD kHostIdleMs = 10000;

template <typename Fn>
bool Find(HMODULE module, const char* name, Fn* fn) {
    *fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return *fn != nullptr;
}

}  // namespace

const wchar_t* SpoolerDouble::PrinterName() { return L"Orvantel LaserPro 4200"; }

bool SpoolerDouble::Load() {
    HMODULE spooler = GetModuleHandleW(L"winspool.drv");
    loaded_ = spooler != nullptr && Find(spooler, "FakeSpoolerReset", &reset_) &&
              Find(spooler, "FakeSpoolerAddPrinter", &addPrinter_) &&
              Find(spooler, "FakeSpoolerSetHostModuleDirectory", &setHostDirectory_) &&
              Find(spooler, "FakeSpoolerWaitForHostIdle", &waitForHostIdle_) &&
              Find(spooler, "FakeSpoolerGetChannelRecord", &getChannelRecord_) &&
              Find(spooler, "OpenPrinterW", &openPrinter_) && Find(spooler, "ClosePrinter", &closePrinter_);
    return loaded_;
}

HANDLE SpoolerDouble::OpenFreshPrinter(const std::wstring& hostDirectory) {
    if (!loaded_) return nullptr;
    reset_();
    addPrinter_(PrinterName(), L"C:\\Windows\\System32\\spool\\drivers\\w32x86\\3\\orvdrv.dll", kFakePrinterNormal);
    setHostDirectory_(hostDirectory.c_str());
    std::wstring name = PrinterName();
    HANDLE printer = nullptr;
    if (!openPrinter_(&name[0], &printer, nullptr)) return nullptr;
    return printer;
}

void SpoolerDouble::ClosePrinterHandle(HANDLE printer) {
    if (loaded_ && printer != nullptr) closePrinter_(printer);
}

void SpoolerDouble::ReadChannel(FakeChannelRecord* record) {
    waitForHostIdle_(kHostIdleMs);
    getChannelRecord_(record);
}
