// Texts of the manual duplex instructions' test string module
// (strings_duplex.dll): every text the dialog looks up, each different from
// the module's compiled-in English fallback, and three step texts of a driver.
#pragma once

#define DX_ID_STEP1 3101
#define DX_ID_STEP2 3102
#define DX_ID_STEP3 3103
#define DX_ID_MISSING 3100   // in a block the module has, but absent

#define DX_CAPTION "Two-Sided Printing Steps"
#define DX_INTRO_PANEL "Watch the printer's panel: it tells you where the paper goes."
#define DX_INTRO_ODD "The odd pages are printing now."
#define DX_NUMBER1 "(1)"
#define DX_NUMBER2 "(2)"
#define DX_NUMBER3 "(3)"
#define DX_STEP1 "Take the printed stack out."
#define DX_STEP2 "Put it into Tray 2 as it is."
#define DX_STEP3 "Wait for the printer to go on."
#define DX_PRESS_GO "Then press Go."
#define DX_CONTINUE "Go &on"
#define DX_OK "&Done"
#define DX_HELP "&Assist"
// 3140 is longer than a shown text may be: 300 characters, of which the
// dialog shows the first 255.
#define DX_INSERT_LONG \
    "Insert the stack into the IN tray, top edge first, and keep it square. " \
    "Insert the stack into the IN tray, top edge first, and keep it square. " \
    "Insert the stack into the IN tray, top edge first, and keep it square. " \
    "Insert the stack into the IN tray, top edge first, and keep it square. " \
    "Insert the stack"
