#pragma once

#include <windows.h>

#include "preview/preview_payload.h"

// Opens the printer named in payload, loads the driver's preview module from
// beside the printer driver, closes the printer again and calls the module's
// export functionName with the payload by value; the module is unloaded as
// soon as the function returns. 1 only when the function was called and
// answered non-zero.
BOOL BHandOverPreview(const PreviewPayload& payload, const char* functionName);
