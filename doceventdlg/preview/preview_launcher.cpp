#include "preview/preview_launcher.h"

#include "driverdata/driver_data.h"
#include "text/text_ops.h"
#include "unique_resource.h"

namespace {

const wchar_t kPreviewModuleName[] = L"PVIEW5KQ.DLL";
const uint32_t kPrinterNameCch = sizeof(PreviewPayload::szPrinterName) / sizeof(wchar_t);

typedef BOOL(WINAPI* PreviewFunction)(PreviewPayload payload);

// When the driver's directory is unknown the bare name is looked up in the
// application and system directories only: a file of that name left in the
// current directory must never run in the user's session.
HMODULE LoadPreviewModule(const DriverData& driverData, HANDLE printer) {
    wchar_t* besideDriver = 0;
    if (!driverData.BGetPathBesideDriver(printer, &besideDriver, kPreviewModuleName)) {
        return LoadLibraryExW(kPreviewModuleName, 0, LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    }
    UniqueLocal path(besideDriver);
    return LoadLibraryW(besideDriver);
}

}  // namespace

BOOL BHandOverPreview(const PreviewPayload& payload, const char* functionName) {
    DriverData driverData;

    // The name may fill its whole field without a terminator.
    wchar_t printerName[kPrinterNameCch];
    TextCopyN(printerName, kPrinterNameCch, payload.szPrinterName, kPrinterNameCch - 1);

    HANDLE opened = 0;
    if (!OpenPrinterW(printerName, &opened, 0)) return FALSE;
    UniquePrinter printer(opened);
    UniqueModule module(LoadPreviewModule(driverData, printer.get()));
    // The preview is handed no printer handle and none stays open while it runs.
    printer.reset();
    if (!module) return FALSE;

    PreviewFunction preview =
        reinterpret_cast<PreviewFunction>(reinterpret_cast<void*>(GetProcAddress(module.get(), functionName)));
    if (preview == 0) return FALSE;
    return preview(payload) != 0 ? TRUE : FALSE;
}
