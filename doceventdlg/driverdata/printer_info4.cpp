#include "driverdata/printer_info4.h"

UniqueLocal AllocPrinterInfo4(HANDLE printer) {
    DWORD needed = 0;
    GetPrinterW(printer, 4, 0, 0, &needed);
    if (needed == 0) return UniqueLocal();
    UniqueLocal info = AllocZeroedLocal(needed);
    if (info) GetPrinterW(printer, 4, static_cast<BYTE*>(info.get()), needed, &needed);
    return info;
}
