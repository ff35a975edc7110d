#include "driverdata/driver_data.h"

#include "text/text_ops.h"
#include "unique_resource.h"

namespace {

// Position of the last backslash, looking at positions len down to 1; -1 when
// there is none there.
int LastBackslashFromOne(const wchar_t* text, uint32_t len) {
    for (uint32_t i = len; i >= 1; --i) {
        if (text[i] == L'\\') return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

DriverData::DriverData()
    : hStringModule(0), hImageModule(0), fOwnsImageModule(FALSE), pOwnedRecord(0), hLocalBuffer(0) {
    VClearDriverValues();
}

DriverData::~DriverData() {
    if (hLocalBuffer != 0) LocalFree(hLocalBuffer);
    hLocalBuffer = 0;
    VClearDriverValues();
    delete pOwnedRecord;
    pOwnedRecord = 0;
    if (hImageModule != 0 && fOwnsImageModule) FreeLibrary(hImageModule);
    hImageModule = 0;
    fOwnsImageModule = FALSE;
    entryList.VDeleteAll();
}

void DriverData::VClearDriverValues() {
    for (int i = 0; i < 5; ++i) adwDriverValuesA[i] = 0;
    for (int i = 0; i < 7; ++i) adwDriverValuesB[i] = 0;
}

BOOL DriverData::BGetPrinterDriverInfo(HANDLE hPrinter, const wchar_t* printerName, DEVMODEW* devMode,
                                       DRIVER_INFO_3W** info) const {
    UniquePrinter openedHere;
    if (hPrinter == 0) {
        PRINTER_DEFAULTSW defaults = {0, devMode, PRINTER_ALL_ACCESS};
        if (!OpenPrinterW(const_cast<wchar_t*>(printerName), openedHere.put(), &defaults)) return FALSE;
        hPrinter = openedHere.get();
    }

    DWORD needed = 0;
    GetPrinterDriverW(hPrinter, 0, 3, 0, 0, &needed);
    if (needed == 0) return FALSE;

    UniqueLocal block = AllocZeroedLocal(needed);
    *info = static_cast<DRIVER_INFO_3W*>(block.get());
    if (!block) return FALSE;
    if (!GetPrinterDriverW(hPrinter, 0, 3, static_cast<BYTE*>(block.get()), needed, &needed)) {
        *info = 0;
        return FALSE;
    }
    block.release();
    return TRUE;
}

BOOL DriverData::BGetPathBesideDriver(HANDLE hPrinter, wchar_t** path, const wchar_t* moduleName) const {
    DRIVER_INFO_3W* rawInfo = 0;
    if (!BGetPrinterDriverInfo(hPrinter, 0, 0, &rawInfo)) return FALSE;
    UniqueLocal info(rawInfo);

    const wchar_t* driverPath = rawInfo->pDriverPath;
    uint32_t len = 0;
    if (driverPath == 0 || TextLength(driverPath, TEXT_MAX_CCH, &len) != TEXT_S_OK || len == 0) return FALSE;
    int backslash = LastBackslashFromOne(driverPath, len);
    if (backslash < 2) return FALSE;

    uint32_t directoryLen = static_cast<uint32_t>(backslash);
    uint32_t nameLen = 0;
    if (moduleName != 0) TextLength(moduleName, TEXT_MAX_CCH, &nameLen);
    // The whole path is built in the block it was measured for, so a long
    // driver directory can never yield the path of another (cut) file name.
    uint32_t capacity = directoryLen + nameLen + 2;
    UniqueLocal block = AllocZeroedLocal(capacity * sizeof(wchar_t));
    if (!block) return FALSE;
    wchar_t* result = static_cast<wchar_t*>(block.get());
    TextCopyN(result, capacity, driverPath, directoryLen);
    if (moduleName != 0) {
        TextAppend(result, capacity, L"\\");
        TextAppend(result, capacity, moduleName);
    }
    *path = static_cast<wchar_t*>(block.release());
    return TRUE;
}
