#pragma once

// String ids of the sample string-resource module. The notices ask for the
// fixed ids; the step, caption, button and message ids are the driver's own
// choice, and these are the ones the sample driver texts use.

// Fixed by the notices.
#define IDS_USER_NAME              844
#define IDS_JOB_NAME               845
#define IDS_OK                     849
#define IDS_HELP                   797
#define IDS_JOB_STORED_AT          3062
#define IDS_DO_NOT_SHOW            3063
#define IDS_JOB_STORAGE_CAPTION    3064
#define IDS_STEP3_PRESS_GO         3066
#define IDS_STEP_NUMBER_1          3084
#define IDS_STEP_NUMBER_2          3085
#define IDS_STEP_NUMBER_3          3086
#define IDS_STEP3_INSERT_IN_TRAY   3140
#define IDS_CONTINUE               3142
#define IDS_DUPLEX_CAPTION         3144
#define IDS_INTRO_ODD_PAGES        3314
#define IDS_INTRO_PANEL_PROMPT     5022

// Step texts of three printer layouts.
// Output bin on top, Tray 1 in front: the stack is turned over.
#define IDS_TOPBIN_STEP1           3101
#define IDS_TOPBIN_STEP2           3102
#define IDS_TOPBIN_STEP3           3103
// A tray drawer below the output bin: the stack goes in as it came out.
#define IDS_DRAWER_STEP1           3111
#define IDS_DRAWER_STEP2           3112
#define IDS_DRAWER_STEP3           3113
// OUT tray at the front, IN tray at the rear, Continue on the computer's screen.
#define IDS_REARTRAY_STEP1         3121
#define IDS_REARTRAY_STEP2         3122
#define IDS_REARTRAY_STEP3         3123

// The warning notice: captions and buttons.
#define IDS_WARNING_CAPTION        3201
#define IDS_WARNING_PAPER_CAPTION  3202
#define IDS_BUTTON_OK              3210
#define IDS_BUTTON_CANCEL          3211
#define IDS_BUTTON_PRINT_ANYWAY    3212
#define IDS_BUTTON_RETRY           3213

// Warning messages: the record carries the message itself, which the driver
// takes from its own texts.
#define IDS_MESSAGE_TRAY_EMPTY     3220
#define IDS_MESSAGE_PAPER_MISMATCH 3221
