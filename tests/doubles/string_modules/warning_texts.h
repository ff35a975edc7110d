// Texts of the warning notice's test string module (strings_warning.dll):
// its caption and button texts, and a check box text that differs from the
// module's compiled-in fallback.
#pragma once

#define WX_ID_CAPTION 3201
#define WX_ID_OK 3210
#define WX_ID_CANCEL 3211
#define WX_ID_THIRD 3212
#define WX_ID_MISSING 3299   // in a block the module has, but absent

#define WX_CAPTION "Toner Low"
#define WX_OK "Print"
#define WX_CANCEL "Stop"
#define WX_THIRD "Later"
#define WX_DO_NOT_SHOW "Never show this notice again."
