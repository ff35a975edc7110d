#pragma once

#include <windows.h>
#include <winspool.h>

#include "driverdata/driver_data_members.h"

// The base of every dialog's text context: the module handles a dialog uses,
// and two stateless operations on a printer's driver.
class DriverData {
public:
    DriverData();
    ~DriverData();

    // Level-3 driver information of a printer, in one new zero-filled local
    // block that the caller frees with LocalFree. With a null handle the
    // printer is opened by name (and closed again). 1 on success; on failure
    // *info is null or untouched and nothing stays allocated.
    BOOL BGetPrinterDriverInfo(HANDLE hPrinter, const wchar_t* printerName, DEVMODEW* devMode,
                               DRIVER_INFO_3W** info) const;

    // Full path of moduleName in the directory of the printer driver's main
    // file (the directory alone for a null name), in a new zero-filled local
    // block the caller frees. 0 when the driver path has no backslash at
    // position 2 or later; *path is then untouched.
    BOOL BGetPathBesideDriver(HANDLE hPrinter, wchar_t** path, const wchar_t* moduleName) const;

    HMODULE hStringModule;   // released by the text context, never here
    HMODULE hImageModule;    // released here when fOwnsImageModule is set
    BOOL fOwnsImageModule;
    DriverOwnedRecord* pOwnedRecord;
    PointerArray<DriverEntry> entryList;
    HLOCAL hLocalBuffer;
    DWORD adwDriverValuesA[5];
    DWORD adwDriverValuesB[7];

private:
    DriverData(const DriverData&);
    DriverData& operator=(const DriverData&);

    void VClearDriverValues();
};
