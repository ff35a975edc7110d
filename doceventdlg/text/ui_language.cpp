#include "text/ui_language.h"

LANGID volatile g_wUILanguage = UI_LANGUAGE_ENGLISH_US;
BOOL volatile g_fUILanguageKnown = FALSE;

LANGID WGetUILanguage() {
    if (!g_fUILanguageKnown) {
        g_wUILanguage = GetUserDefaultUILanguage();
        g_fUILanguageKnown = TRUE;
    }
    return g_wUILanguage;
}
